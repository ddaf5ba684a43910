#pragma once
// What the combo box's tests share: a shown form, the parts by name, the button picture on show, mouse messages.
#include "TestKit.h"
#include "controls/Combo/Combo.h"
#include "host/forms/Form.h"

namespace combo_test {

using namespace testkit;

using controls::Combo;
using Names = std::vector<std::wstring>;
enum Picture { kNormal, kHover, kPressed, kDisabled };
constexpr COLORREF kOutline = RGB(127, 157, 185);

inline host::PictureBox& BackMain(const Combo& c) { return dynamic_cast<host::PictureBox&>(*c.Find(L"BackMain")); }
inline host::PictureBox& ImgUp(const Combo& c) { return dynamic_cast<host::PictureBox&>(*BackMain(c).Find(L"ImgUp")); }
inline host::TextBox& TxtData(const Combo& c) { return dynamic_cast<host::TextBox&>(*BackMain(c).Find(L"TxtData")); }
inline host::Shape& ShapeBorder(const Combo& c) {
    return dynamic_cast<host::Shape&>(*BackMain(c).Find(L"ShapeBorder"));
}
inline host::ComboBox& Combo1(const Combo& c) { return dynamic_cast<host::ComboBox&>(*c.Find(L"Combo1")); }

// The img index of the picture the button shows, -1 for another.
inline int ButtonPicture(const Combo& c) {
    for (int16_t k = 0; k < 4; ++k)
        if (ImgUp(c).GetPicture()->Handle() == dynamic_cast<host::Image&>(*c.Find(L"img", k)).GetPicture()->Handle())
            return k;
    return -1;
}

inline void Send(HWND window, UINT msg, WPARAM keys = 0, int x = 2, int y = 3) {
    SendMessageW(window, msg, keys, MAKELPARAM(x, y));
}
inline void PressButton(const Combo& c) { Send(ImgUp(c).Hwnd(), WM_LBUTTONDOWN, MK_LBUTTON); }

class ComboTest : public ::testing::Test {
protected:
    ComboTest() { form_.Show(); }

    // A combo box asked for the given size in twips, loaded from a bag or new; announced_ records what it announces.
    Combo& Place(const host::PropertyBag* bag = nullptr, double width = 2000, double height = 300) {
        auto& combo = form_.Add(std::make_unique<Combo>(L"Combo" + std::to_wstring(form_.Children().size())));
        combo.Move(120, 240, width, height);
        combo.Load(bag);
        announced_.clear();
        connections_ +=
            combo.PropertyChangedNotice.Connect([this](const std::wstring& name) { announced_.push_back(name); });
        return combo;
    }

    host::Form form_{L"TestForm"};
    Names announced_;
    host::Connections connections_;
};

}  // namespace combo_test
