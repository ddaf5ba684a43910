#include "app/Form1.h"

#include "app/Product.h"
#include "controls/FlatCmd/FlatCmd.h"
#include "host/design/DesignData.h"
#include "host/values/Error.h"
#include "host/forms/FormBuilder.h"
#include "host/stock/Image.h"
#include "host/stock/Label.h"
#include "host/values/Runtime.h"
#include "host/stock/TextBox.h"
#include "host/stock/Timer.h"

namespace app {

namespace {

void ReplaceAll(std::wstring& text, std::wstring_view token, std::wstring_view value) {
    for (size_t at = text.find(token); at != std::wstring::npos; at = text.find(token, at + value.size()))
        text.replace(at, token.size(), value);
}

}  // namespace

std::wstring Form1DesignText() {
    std::wstring text = host::LoadTextResource(L"FORM1");
    ReplaceAll(text, L"{ProductName}", kProductName);
    ReplaceAll(text, L"{SupportNumber}", kSupportNumber);
    return text;
}

std::wstring Form1::ContactAddress() {
    return std::wstring(kContactHost) + L"/msgrd?v=3&uin=" + kSupportNumber + L"&site=qq&menu=yes";
}

template <class T>
T& Form1::Get(const wchar_t* name) const {
    auto* control = dynamic_cast<T*>(FindControl(name));
    if (!control) host::Raise(host::err::ObjectNotSet, std::wstring(L"The window has no control ") + name);
    return *control;
}

Form1::Form1() : Form1(host::ParseDesignData(Form1DesignText())) {}

Form1::Form1(const host::DesignNode& design) : host::Form(L"Form1", host::DesignedBorderStyle(design)) {
    host::SetApplicationTitle(kProductName);
    host::BuildForm(*this, design);
    label5_ = &Get<host::Label>(L"Label5");
    label10_ = &Get<host::Label>(L"Label10");
    label11_ = &Get<host::Label>(L"Label11");
    text1_ = &Get<host::TextBox>(L"Text1");
    text2_ = &Get<host::TextBox>(L"Text2");
    text3_ = &Get<host::TextBox>(L"Text3");
    tpt_ = &Get<host::Timer>(L"tpt");
    timer1_ = &Get<host::Timer>(L"Timer1");
    Connect();
    // The window defines no close handler; closing it ends the program at once,
    // also during a wait, so no invisible process is left behind.
    OnCloseRequest = [] { host::End(); };
}

void Form1::Connect() {
    handlers_ += Get<controls::FlatCmd>(L"FlatCmd1").Click.Connect([this] { FlatCmd1Click(); });
    handlers_ += Get<controls::FlatCmd>(L"FlatCmd2").Click.Connect([this] { FlatCmd2Click(); });
    handlers_ += timer1_->TimerEvent.Connect([this] { Timer1Timer(); });
    handlers_ += tpt_->TimerEvent.Connect([this] { TptTimer(); });
    handlers_ += Get<host::Image>(L"Image1").Click.Connect([this] { Image1Click(); });
}

void Form1::FlatCmd2Click() { host::End(); }

void Form1::Image1Click() { host::Effects().OpenWithShell(hWnd(), L"open", ContactAddress(), L"", L"", SW_HIDE); }

}  // namespace app
