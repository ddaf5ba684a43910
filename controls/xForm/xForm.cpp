#include "controls/xForm/xForm.h"
#include "host/forms/PropertyTable.h"

#include <initializer_list>
#include <memory>

#include "host/forms/Form.h"
#include "host/forms/FormBuilder.h"

namespace controls {

namespace {

// The size a newly placed title bar takes (twips).
constexpr double kDefaultWidth = 6420;
constexpr double kDefaultHeight = 4365;

// The host's Button values of a mouse event.
constexpr int16_t kRightButton = 2;
constexpr int16_t kMiddleButton = 4;

// The release that ends a move begun by a press of another button than the left:
// the system's move loop ends only at a left release, so that one stands in for it.
UINT g_movingUntil = 0;

// The message-filter code of the system's move and size loop (MSGF_SIZE, which
// mingw's headers leave out).
constexpr int kMoveLoopFilter = 4;

LRESULT CALLBACK EndMoveAtRelease(int code, WPARAM wParam, LPARAM lParam) {
    auto* msg = reinterpret_cast<MSG*>(lParam);
    if (code == kMoveLoopFilter && msg->message == g_movingUntil) msg->message = WM_LBUTTONUP;
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

UINT ReleaseOf(int16_t button) {
    switch (button) {
    case kRightButton: return WM_RBUTTONUP;
    case kMiddleButton: return WM_MBUTTONUP;
    default: return 0;
    }
}

}  // namespace

xForm::xForm(std::wstring name) : UserControl(L"xForm", std::move(name)) {
    // A frame around other controls has nothing to type into.
    SetCanGetFocus(false);
    Move(0, 0, kDefaultWidth, kDefaultHeight);
    AddPieces();
    // The title bar and its caption are where the window is gripped to move it.
    for (host::WindowlessControl* grip : std::initializer_list<host::WindowlessControl*>{
             pieces_.caption, pieces_.shadow, pieces_.titleLeft, pieces_.titleMiddle, pieces_.titleRight})
        gripPresses_ +=
            grip->MouseDown.Connect([this](int16_t button, int16_t, float, float) { DragParentWindow(button); });
}

std::wstring xForm::Caption() const { return pieces_.caption->Caption(); }

void xForm::SetCaption(const std::wstring& caption) {
    pieces_.caption->SetCaption(caption);
    pieces_.shadow->SetCaption(caption);
    if (host::Form* form = Parent()) form->SetCaption(caption);
    Layout();
    PropertyChanged(L"Caption");
    NotifyAccessible(EVENT_OBJECT_NAMECHANGE);
}

void xForm::OnReadProperties(const host::PropertyBag& bag) {
    SetCaption(bag.ReadProperty(L"Caption", Ambient().DisplayName).ToString());
}

void xForm::OnWriteProperties(host::PropertyBag& bag) {
    bag.WriteProperty(L"Caption", Caption(), Ambient().DisplayName);
}

void xForm::OnResize() { Layout(); }

void xForm::DragParentWindow(int16_t button) {
    host::Form* form = Parent();
    if (!form) return;
    // The system's move loop takes the mouse itself; the press that started it
    // must not keep it captured here.
    ReleaseCapture();
    g_movingUntil = ReleaseOf(button);
    HHOOK hook =
        g_movingUntil ? SetWindowsHookExW(WH_MSGFILTER, EndMoveAtRelease, nullptr, GetCurrentThreadId()) : nullptr;
    SendMessageW(form->hWnd(), WM_NCLBUTTONDOWN, HTCAPTION, 0);
    if (hook) UnhookWindowsHookEx(hook);
    g_movingUntil = 0;
}

const host::PublishedProperties* xForm::Published() const {
    using Table = host::PropertyTable<xForm>;
    static const Table table{{
        Table::Accessor(L"Caption", L"Returns/sets the title bar's text, also the window's caption", &xForm::Caption,
                        &xForm::SetCaption),
    }};
    return &table;
}

namespace {
const host::ControlKind<xForm> kKind{L"xForm"};
}  // namespace

}  // namespace controls
