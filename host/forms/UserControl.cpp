#include "host/forms/UserControl.h"

#include <cwctype>

#include "host/values/Error.h"
#include "host/forms/Form.h"
#include "host/values/Gdi.h"

namespace host {

HCURSOR CursorFor(int16_t mousePointer, const PicturePtr& icon) {
    static const struct {
        int16_t value;
        const wchar_t* id;
    } kCursors[] = {{1, IDC_ARROW},    {2, IDC_CROSS},  {3, IDC_IBEAM},        {4, IDC_ICON},   {5, IDC_SIZEALL},
                    {6, IDC_SIZENESW}, {7, IDC_SIZENS}, {8, IDC_SIZENWSE},     {9, IDC_SIZEWE}, {10, IDC_UPARROW},
                    {11, IDC_WAIT},    {12, IDC_NO},    {13, IDC_APPSTARTING}, {14, IDC_HELP},  {15, IDC_SIZEALL}};
    if (mousePointer == 99) {
        if (icon && icon->Type() == PictureType::Icon) return reinterpret_cast<HCURSOR>(icon->Handle());
        return LoadCursorW(nullptr, IDC_HAND);
    }
    for (auto& c : kCursors)
        if (c.value == mousePointer) return LoadCursorW(nullptr, c.id);
    return nullptr;
}

UserControl::UserControl(std::wstring kind, std::wstring name) : WindowedControl(std::move(kind), std::move(name)) {
    SetFont(Font::Create());
}

UserControl::~UserControl() { DestroyChildren(); }

void UserControl::BeforeDestroy() {
    // A virtual call from the destructor would no longer reach the derived control.
    if (loaded_) OnTerminate();
    loaded_ = false;
    DestroyChildren();
}

void UserControl::CreateControlWindow(const WindowPlace& place) { CreateContainerWindow(place); }

void UserControl::Attach(Container* container, bool constituent) {
    WindowedControl::Attach(container, constituent);
    OnInitialize();
}

void UserControl::Load(const PropertyBag* bag) {
    if (bag)
        OnReadProperties(*bag);
    else
        OnInitProperties();
    loaded_ = true;
    OnResize();
}

PropertyBag UserControl::Save() {
    PropertyBag bag;
    OnWriteProperties(bag);
    bag.WriteProperty(L"_ExtentX", Variant::Lng(RoundToLong(ScaleX(Width(), ScaleMode::Twips, ScaleMode::Himetric))));
    bag.WriteProperty(L"_ExtentY", Variant::Lng(RoundToLong(ScaleY(Height(), ScaleMode::Twips, ScaleMode::Himetric))));
    changed_ = false;
    return bag;
}

void UserControl::PropertyChanged(const std::wstring& name) {
    changed_ = true;
    PropertyChangedNotice(name);
}

AmbientProperties UserControl::Ambient() const {
    AmbientProperties a;
    a.DisplayName = Name();
    if (Container* c = GetContainer()) {
        a.BackColor = c->ContainerBackColor();
        a.ForeColor = c->ContainerForeColor();
        a.Font = c->ContainerFont();
        if (Form* f = const_cast<UserControl*>(this)->ParentForm()) a.UserMode = f->UserMode();
    }
    if (!a.Font) a.Font = Font::Create();
    return a;
}

// The controls on a user control take their ambient values from it, not from its
// container, so the news goes no further.
void UserControl::NotifyAmbientChanged(const std::wstring& name) { OnAmbientChanged(name); }

bool UserControl::Default() const {
    Form* f = const_cast<UserControl*>(this)->ParentForm();
    return f && f->DefaultControl() == this;
}

bool UserControl::Cancel() const {
    Form* f = const_cast<UserControl*>(this)->ParentForm();
    return f && f->CancelControl() == this;
}

void UserControl::SetMousePointer(int32_t value) {
    if (value < INT16_MIN || value > INT16_MAX) Raise(err::Overflow);
    mousePointer_ = static_cast<int16_t>(value);
}

bool UserControl::CanTakeFocus() const { return canGetFocus_ && WindowedControl::CanTakeFocus(); }

wchar_t AccessKeyFromList(const std::wstring& keys) {
    return keys.empty() ? 0 : static_cast<wchar_t>(std::towupper(keys[0]));
}

wchar_t UserControl::AccessKey() const { return AccessKeyFromList(accessKeys_); }

void UserControl::OnAccessKey(wchar_t key) {
    if (CanTakeFocus()) SetFocus();
    OnAccessKeyPress(static_cast<int16_t>(key));
}

void UserControl::FocusWithinChanged(bool within) {
    if (within)
        OnEnterFocus();
    else
        OnExitFocus();
    // The system announces the focus of a window; a constituent's focus (the option
    // button's state box) is the control's own.
    if (within && GetFocus() != Handle() && HoldsFocus(*this)) NotifyAccessible(EVENT_OBJECT_FOCUS);
}

AccessibleDescription UserControl::DescribeAccessible() const { return {ROLE_SYSTEM_CLIENT, Name()}; }

void UserControl::NotifyAccessible(DWORD event, long item) const {
    if (Handle()) NotifyWinEvent(event, Handle(), OBJID_CLIENT, item);
}

void UserControl::DeliverAccessKeyPress(int16_t keyAscii) { OnAccessKeyPress(keyAscii); }

void UserControl::SetCursorShape() {
    if (HCURSOR c = CursorFor(mousePointer_, mouseIcon_))
        SetCursor(c);
    else
        SetCursor(LoadCursorW(nullptr, IDC_ARROW));
}

void UserControl::Paint() {
    PaintWindow(Handle(), [this](HDC dc, const RECT& client) { PaintBackground(dc, client); });
}

LRESULT UserControl::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (LRESULT answer = 0; HandleAccessibleMessage(*this, msg, wParam, lParam, answer)) return answer;
    switch (msg) {
    case WM_PAINT: Paint(); return 0;
    case WM_ERASEBKGND: return 1;
    case WM_SIZE:
        SurfaceResized();
        if (loaded_) OnResize();
        return 0;
    case WM_SETCURSOR:
        if (LOWORD(lParam) == HTCLIENT) {
            SetCursorShape();
            return TRUE;
        }
        break;
    case WM_MOUSEACTIVATE: return MA_ACTIVATE;
    case WM_CAPTURECHANGED:
    case WM_CANCELMODE: DropSurfacePresses(); break;
    case WM_SETFOCUS:
        NotifyFocusMove(reinterpret_cast<HWND>(wParam), Handle());
        OnGotFocus();
        return 0;
    case WM_KILLFOCUS:
        OnLostFocus();
        if (!WindowOwner::FromHwnd(reinterpret_cast<HWND>(wParam)))
            NotifyFocusMove(Handle(), reinterpret_cast<HWND>(wParam));
        return 0;
    case WM_GETDLGCODE: return DLGC_WANTALLKEYS | DLGC_WANTCHARS | DLGC_WANTARROWS;
    case WM_KEYDOWN: OnKeyDown(static_cast<int16_t>(wParam), ShiftState()); return 0;
    case WM_KEYUP: OnKeyUp(static_cast<int16_t>(wParam), ShiftState()); return 0;
    case WM_CHAR: OnKeyPress(static_cast<int16_t>(wParam)); return 0;
    default:
        if (msg >= WM_MOUSEFIRST && msg <= WM_MBUTTONDBLCLK) {
            bool press = msg != WM_MOUSEMOVE && msg != WM_LBUTTONUP && msg != WM_RBUTTONUP && msg != WM_MBUTTONUP;
            if (press && CanTakeFocus() && GetFocus() != Handle()) SetFocus();
            if (HandleSurfaceMouse(msg, wParam, lParam)) return 0;
        }
        break;
    }
    return WindowedControl::WindowProc(msg, wParam, lParam);
}

}  // namespace host
