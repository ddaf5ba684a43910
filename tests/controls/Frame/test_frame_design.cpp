// A frame made from design data, as the main window makes Frame1 and Frame4.
#include <string>
#include <vector>

#include "FrameTestSupport.h"
#include "host/DesignData.h"
#include "host/FormBuilder.h"

namespace frame_test {
namespace {

constexpr wchar_t kDesign[] = LR"(Begin Form TestForm
    Begin Frame Frame4
        Left = 360
        Top = 3600
        Width = 7335
        Height = 1815
        Caption = "返回信息"
        Font = Font("宋体", 10.5, 400, 134)
        Icon = Picture(Empty)
        Begin TextBox Text2
            Left = 200
            Top = 390
            Width = 6975
            Height = 1215
        End
    End
End
)";

TEST(FrameDesign, BuiltFromItsStoredBagWithControlsInside) {
    controls::RegisterFrame();
    host::Form form(L"TestForm");
    host::BuildForm(form, host::ParseDesignData(kDesign));

    auto& frame = dynamic_cast<controls::Frame&>(*form.FindControl(L"Frame4"));
    EXPECT_EQ(frame.Caption(), L"返回信息");
    EXPECT_EQ(frame.Font()->Desc(), CaptionFont()->Desc());
    EXPECT_EQ(CaptionLabel(frame).Left(), 240);
    EXPECT_EQ(LineOf(frame, 2).X2(), 7335);
    EXPECT_EQ(LineOf(frame, 1).Y2(), 1815);

    // Placed controls sit in front of the frame's own parts; of those, the dark
    // outline lies over the light one and the caption over the right top lines.
    std::vector<std::wstring> names;
    for (auto& child : frame.Children()) names.push_back(child->Name());
    EXPECT_EQ(names, (std::vector<std::wstring>{L"Text2", L"Line4", L"Line3", L"Line2", L"Line1", L"Line5", L"Line6",
                                                L"Line7", L"Line8", L"lbl", L"img", L"Line9", L"Line10"}));
    EXPECT_EQ(GetParent(frame.Children().front()->Hwnd()), frame.hWnd());
}

}  // namespace
}  // namespace frame_test
