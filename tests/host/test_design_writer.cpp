// Writing design data back, and the events and pages a class of control publishes by name.
#include "HostTestKit.h"
#include "host/design/TextLiteral.h"
#include "host/forms/FormBuilder.h"
#include "host/forms/FormWriter.h"
#include "host/forms/PublishedEvents.h"
#include "host/stock/PropertyPage.h"

using namespace host;
using namespace hosttest;

namespace {

class Announcer : public UserControl {
public:
    explicit Announcer(const std::wstring& name) : UserControl(L"Announcer", name) {}
    Event<int16_t, float, bool, std::wstring> Said;
    Event<> Quiet;
    bool on = false;
    void OnReadProperties(const PropertyBag& bag) override {
        on = bag.ReadProperty(L"On", Variant::Bool(false)).ToBool();
    }
    void OnWriteProperties(PropertyBag& bag) override {
        bag.WriteProperty(L"On", Variant::Bool(on), Variant::Bool(false));
        bag.WriteProperty(L"Extra", Variant(L"x\"y"), Variant(L""));
    }
};

const PublishedEvents<Announcer> kEvents{EventEntry(L"Said", &Announcer::Said),
                                         EventEntry(L"Quiet", &Announcer::Quiet)};
const PublishedPages<Announcer> kPages{{[] { return std::make_unique<PropertyPage>(L"page", L"Page"); }, 100, 50}};

const wchar_t kSource[] =
    L"Begin Form Written\n    Caption = \"Written\"\n    ClientWidth = 6000\n    Begin Announcer ann\n"
    L"        ON = -1\n        Left = 120\n        TabIndex = 0\n        Default = True\n    End\n"
    L"    Begin TextBox txt\n        Index = 3\n        Width = 1200.5\n        Text = \"Go\"\n"
    L"        BackColor = &H8000000F&\n    End\n    Begin Timer tick\n        Interval = 250\n    End\n"
    L"End\n";

std::unique_ptr<Form> BuildSource(const DesignNode& source) {
    RegisterControlKind(L"Announcer", [](const std::wstring& name) { return std::make_unique<Announcer>(name); });
    auto form = std::make_unique<Form>(source.name);
    BuildForm(*form, source);
    return form;
}

}  // namespace

TEST(DesignWriter, FormattedTextReadsBackAsTheSameTree) {
    DesignNode tree = ParseDesignData(kSource);
    tree.children[1].properties.emplace_back(L"Tag", Variant(L"a \"b\"\r\n\\ 宋体"));
    DesignNode again = ParseDesignData(FormatDesignData(tree));
    EXPECT_EQ(FormatDesignData(tree), FormatDesignData(again));
    EXPECT_EQ(L"a \"b\"\r\n\\ 宋体", again.children[1].Find(L"tag")->ToString());
    // Mended: system colours were written as negative decimals no reader recognises as colours.
    EXPECT_EQ(L"&H8000000F&", FormatLiteral(Variant::Lng(static_cast<int32_t>(0x8000000Fu))));
}

TEST(DesignWriter, DescribesABuiltFormAsItStands) {
    DesignNode source = ParseDesignData(kSource);
    auto form = BuildSource(source);
    // Unchanged, it is the source with the key the control writes and the Double's type mark.
    std::wstring expected = kSource;
    expected.insert(expected.find(L"    End\n"), L"        extra = \"x\\\"y\"\n");
    expected.insert(expected.find(L"1200.5") + 6, L"#");
    EXPECT_EQ(expected, FormatDesignData(DescribeForm(*form, source)));

    auto& ann = dynamic_cast<Announcer&>(*form->FindControl(L"ann"));
    ann.on = false;
    ann.Move(0, 300, 450, 0);
    ann.SetVisible(false);
    form->SetDefaultControl(nullptr);
    dynamic_cast<TextBox&>(*form->FindControl(L"txt", 3)).SetText(L"Stop");
    DesignNode changed = DescribeForm(*form, source);
    auto line = [](const DesignNode& node) {
        std::wstring text;
        for (auto& [key, value] : node.properties) text += key + L"=" + FormatLiteral(value) + L" ";
        return text;
    };
    EXPECT_EQ(L"Left=0 TabIndex=0 Default=False Top=300 Width=450 Visible=False extra=\"x\\\"y\" ",
              line(changed.children[0]));
    EXPECT_EQ(L"Index=3 Width=1200.5# Text=\"Stop\" BackColor=&H8000000F& ", line(changed.children[1]));
}

TEST(PublishedEvents, ListenersHearEveryPublishedEventWithItsArguments) {
    Form form(L"Events");
    auto& ann = form.Add(std::make_unique<Announcer>(L"ann"));
    auto& plain = form.Add(std::make_unique<Journaling>(L"plain"));
    Entries heard;
    auto listen = [&heard](const std::wstring& event, const EventArguments& args) {
        std::wstring line = event;
        for (const Variant& a : args) line += L" " + FormatLiteral(a);
        heard.push_back(line);
    };
    Connections connections;
    ListenToEvents(ann, listen, connections);
    ListenToEvents(plain, listen, connections);
    ann.Said(-2, 1.5f, true, L"a\"b");
    ann.Quiet();
    EXPECT_EQ((Entries{L"Said -2 1.5! True \"a\\\"b\"", L"Quiet"}), heard);
    EXPECT_EQ(1u, PropertyPagesOf(ann).size());
    EXPECT_TRUE(PropertyPagesOf(plain).empty());
}
