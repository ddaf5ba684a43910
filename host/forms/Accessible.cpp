#include "host/forms/Accessible.h"

#include <memory>
#include <optional>

#include "host/forms/Container.h"
#include "host/forms/Form.h"
#include "host/values/Runtime.h"
#include "host/windows/Window.h"

namespace host {

namespace {

// What a deferred request asks of the control (the message's LPARAM).
enum class Request : LPARAM { DefaultAction = 0, Select = 1 };

// A request runs from the message queue, after the caller has its answer: a click
// handler may run for as long as it likes (the main window's run cycle pumps
// messages for minutes) without holding a screen reader in another process.
UINT RequestMessage() {
    static const UINT message = RegisterWindowMessageW(L"host.AccessibleRequest");
    return message;
}

struct Releaser {
    void operator()(IUnknown* object) const { object->Release(); }
};

// A control that describes itself, seen as each of its sides.
struct Target {
    const Control& control;
    const Container& container;
    AccessibleControl& source;
};

// The answer object may outlive the window: it keeps the window handle and finds
// the control again on every call.
std::optional<Target> TargetOf(HWND hwnd) {
    WindowOwner* owner = WindowOwner::FromHwnd(hwnd);
    auto* control = dynamic_cast<Control*>(owner);
    auto* container = dynamic_cast<Container*>(owner);
    auto* source = dynamic_cast<AccessibleControl*>(owner);
    if (!control || !container || !source) return std::nullopt;
    return Target{*control, *container, *source};
}

// Takes the focus itself or through one of its constituents.
bool Focusable(const Container& container) {
    for (const auto& child : container.Children()) {
        if (!child->IsConstituent()) continue;
        if (child->CanTakeFocus()) return true;
        if (auto* inner = dynamic_cast<const Container*>(child.get()); inner && Focusable(*inner)) return true;
    }
    return false;
}

long HostStates(const Target& t) {
    const Control& control = t.control;
    long state = 0;
    if (!control.Showing()) state |= STATE_SYSTEM_INVISIBLE;
    if (!control.EnabledInTree()) state |= STATE_SYSTEM_UNAVAILABLE;
    if (control.CanTakeFocus() || (control.EnabledInTree() && Focusable(t.container))) state |= STATE_SYSTEM_FOCUSABLE;
    if (HoldsFocus(control)) state |= STATE_SYSTEM_FOCUSED;
    return state;
}

// One child of the answer object: a window of a placed control, or a part without
// a window.
struct Entry {
    HWND window = nullptr;
    AccessibleItem item;
};

struct Snapshot {
    AccessibleDescription description;
    std::vector<Entry> entries;
};

Snapshot Take(const Target& t) {
    Snapshot s{t.source.DescribeAccessible(), {}};
    s.description.state |= HostStates(t);
    for (auto& item : s.description.items) s.entries.push_back({nullptr, item});
    for (const auto& child : t.container.Children()) {
        if (child->IsConstituent() || !child->Visible()) continue;
        if (child->Hwnd())
            s.entries.push_back({child->Hwnd(), {}});
        else if (child->Kind() == L"Label")
            s.entries.push_back({nullptr,
                                 {ROLE_SYSTEM_STATICTEXT, child->GetProperty(L"Caption").ToString(),
                                  STATE_SYSTEM_READONLY, child->PixelRect()}});
    }
    return s;
}

// The COM libraries too are loaded only when a reader asks; strings a reader frees
// must come from the system's allocator.
BSTR Allocated(const std::wstring& text) {
    static const auto allocate = LibraryFunction<decltype(&SysAllocStringLen)>(L"oleaut32.dll", "SysAllocStringLen");
    return allocate ? allocate(text.data(), static_cast<UINT>(text.size())) : nullptr;
}

HRESULT Text(const std::wstring& text, BSTR* out) {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (text.empty()) return S_FALSE;
    *out = Allocated(text);
    return *out ? S_OK : E_OUTOFMEMORY;
}

void SetEmpty(VARIANT* out) { out->vt = VT_EMPTY; }

void SetLong(VARIANT* out, long value) {
    out->vt = VT_I4;
    out->lVal = value;
}

// The accessibility library is loaded when a reader first asks: a window that
// nobody reads starts without it.
constexpr wchar_t kAccessibilityLibrary[] = L"oleacc.dll";

// The object of a window's client area, as a reader gets it.
HRESULT ClientObjectOf(HWND window, IDispatch** out) {
    static const auto fromWindow =
        LibraryFunction<decltype(&AccessibleObjectFromWindow)>(kAccessibilityLibrary, "AccessibleObjectFromWindow");
    if (!fromWindow) return E_FAIL;
    return fromWindow(window, static_cast<DWORD>(OBJID_CLIENT), IID_IDispatch, reinterpret_cast<void**>(out));
}

template <class Fn>
HRESULT Shielded(Fn&& fn) noexcept {
    try {
        return fn();
    } catch (...) {
        return E_FAIL;
    }
}

class AccessibleObject final : public IAccessible, public IOleWindow {
public:
    AccessibleObject(HWND hwnd, IAccessible* standard) : hwnd_(hwnd), standard_(standard) {}
    AccessibleObject(const AccessibleObject&) = delete;
    AccessibleObject& operator=(const AccessibleObject&) = delete;

    // ---- IUnknown ----
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
        if (!out) return E_POINTER;
        if (iid == IID_IUnknown || iid == IID_IDispatch || iid == IID_IAccessible)
            *out = static_cast<IAccessible*>(this);
        else if (iid == IID_IOleWindow)
            *out = static_cast<IOleWindow*>(this);
        else
            return *out = nullptr, E_NOINTERFACE;
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(InterlockedIncrement(&refs_)); }
    ULONG STDMETHODCALLTYPE Release() override {
        const LONG left = InterlockedDecrement(&refs_);
        if (left == 0) delete this;
        return static_cast<ULONG>(left);
    }

    // ---- IOleWindow ----
    HRESULT STDMETHODCALLTYPE GetWindow(HWND* out) override {
        if (!out) return E_POINTER;
        *out = hwnd_;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }

    // ---- IDispatch: no type information; clients call IAccessible directly ----
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
        if (!count) return E_POINTER;
        *count = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override {
        return E_NOTIMPL;
    }

    // ---- IAccessible ----
    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override { return standard_->get_accParent(parent); }

    HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* count) override {
        if (!count) return E_POINTER;
        return Read([&](const Snapshot& s) {
            *count = static_cast<LONG>(s.entries.size());
            return S_OK;
        });
    }

    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT id, IDispatch** child) override {
        if (!child) return E_POINTER;
        *child = nullptr;
        return ReadEntry(id, [&](const Snapshot&, const Entry& e) {
            if (!e.window) return S_FALSE;  // a part: the caller asks this object about it
            return ClientObjectOf(e.window, child);
        });
    }

    HRESULT STDMETHODCALLTYPE get_accName(VARIANT id, BSTR* name) override {
        return About(
            id, [&](const AccessibleDescription& d) { return Text(d.name, name); },
            [&](const AccessibleItem& item) { return Text(item.name, name); });
    }

    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT id, BSTR* value) override {
        if (!value) return E_POINTER;
        return About(
            id,
            [&](const AccessibleDescription& d) {
                if (!d.value) return standard_->get_accValue(id, value);
                *value = Allocated(*d.value);
                return *value ? S_OK : E_OUTOFMEMORY;
            },
            [&](const AccessibleItem&) { return Text(L"", value); });
    }

    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT id, BSTR* text) override {
        return About(
            id, [&](const AccessibleDescription&) { return standard_->get_accDescription(id, text); },
            [&](const AccessibleItem&) { return Text(L"", text); });
    }

    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT id, VARIANT* role) override {
        if (!role) return E_POINTER;
        return About(
            id, [&](const AccessibleDescription& d) { return SetLong(role, d.role), S_OK; },
            [&](const AccessibleItem& item) { return SetLong(role, item.role), S_OK; });
    }

    HRESULT STDMETHODCALLTYPE get_accState(VARIANT id, VARIANT* state) override {
        if (!state) return E_POINTER;
        return About(
            id, [&](const AccessibleDescription& d) { return SetLong(state, d.state), S_OK; },
            [&](const AccessibleItem& item) { return SetLong(state, item.state), S_OK; });
    }

    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT id, BSTR* help) override {
        return About(
            id, [&](const AccessibleDescription&) { return standard_->get_accHelp(id, help); },
            [&](const AccessibleItem&) { return Text(L"", help); });
    }

    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT id, LONG* topic) override {
        return standard_->get_accHelpTopic(file, id, topic);
    }

    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT id, BSTR* shortcut) override {
        return About(
            id, [&](const AccessibleDescription& d) { return Text(d.keyboardShortcut, shortcut); },
            [&](const AccessibleItem&) { return Text(L"", shortcut); });
    }

    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* focus) override {
        if (!focus) return E_POINTER;
        return Read([&](const Snapshot& s) {
            if (!(s.description.state & STATE_SYSTEM_FOCUSED)) return standard_->get_accFocus(focus);
            SetLong(focus, CHILDID_SELF);
            return S_OK;
        });
    }

    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* selection) override {
        if (!selection) return E_POINTER;
        SetEmpty(selection);
        return Read([&](const Snapshot& s) {
            for (size_t i = 0; i < s.entries.size(); ++i)
                if (s.entries[i].item.state & STATE_SYSTEM_SELECTED) return SetLong(selection, Id(i)), S_OK;
            return S_FALSE;
        });
    }

    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT id, BSTR* action) override {
        return About(
            id, [&](const AccessibleDescription& d) { return Text(d.defaultAction, action); },
            [&](const AccessibleItem& item) { return Text(item.defaultAction, action); });
    }

    HRESULT STDMETHODCALLTYPE accSelect(LONG flags, VARIANT id) override {
        return About(
            id, [&](const AccessibleDescription&) { return standard_->accSelect(flags, id); },
            [&](const AccessibleItem& item) {
                if (!(item.state & STATE_SYSTEM_SELECTABLE)) return DISP_E_MEMBERNOTFOUND;
                if (!(flags & SELFLAG_TAKESELECTION)) return E_INVALIDARG;
                return Post(id.lVal, Request::Select);
            });
    }

    HRESULT STDMETHODCALLTYPE accLocation(LONG* left, LONG* top, LONG* width, LONG* height, VARIANT id) override {
        if (!left || !top || !width || !height) return E_POINTER;
        return About(
            id, [&](const AccessibleDescription&) { return standard_->accLocation(left, top, width, height, id); },
            [&](const AccessibleItem& item) {
                POINT corner{item.rect.left, item.rect.top};
                ClientToScreen(hwnd_, &corner);
                *left = corner.x;
                *top = corner.y;
                *width = item.rect.right - item.rect.left;
                *height = item.rect.bottom - item.rect.top;
                return S_OK;
            });
    }

    HRESULT STDMETHODCALLTYPE accNavigate(LONG direction, VARIANT start, VARIANT* end) override {
        if (!end) return E_POINTER;
        SetEmpty(end);
        if (start.vt != VT_I4) return E_INVALIDARG;
        return Read([&](const Snapshot& s) -> HRESULT {
            const long count = static_cast<long>(s.entries.size());
            long target = 0;
            if (start.lVal == CHILDID_SELF && direction == NAVDIR_FIRSTCHILD)
                target = 1;
            else if (start.lVal == CHILDID_SELF && direction == NAVDIR_LASTCHILD)
                target = count;
            else if (start.lVal == CHILDID_SELF)
                return standard_->accNavigate(direction, start, end);
            else if (start.lVal < 1 || start.lVal > count)
                return E_INVALIDARG;
            else if (direction == NAVDIR_NEXT)
                target = start.lVal + 1;
            else if (direction == NAVDIR_PREVIOUS)
                target = start.lVal - 1;
            else
                return E_INVALIDARG;
            if (target < 1 || target > count) return S_FALSE;
            return ChildVariant(s.entries[static_cast<size_t>(target - 1)], target, end);
        });
    }

    HRESULT STDMETHODCALLTYPE accHitTest(LONG x, LONG y, VARIANT* hit) override {
        if (!hit) return E_POINTER;
        SetEmpty(hit);
        return Read([&](const Snapshot& s) {
            POINT point{x, y};
            ScreenToClient(hwnd_, &point);
            for (size_t i = 0; i < s.entries.size(); ++i)
                if (!s.entries[i].window && PtInRect(&s.entries[i].item.rect, point)) return SetLong(hit, Id(i)), S_OK;
            return standard_->accHitTest(x, y, hit);
        });
    }

    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT id) override {
        return About(
            id,
            [&](const AccessibleDescription& d) {
                return d.defaultAction.empty() ? DISP_E_MEMBERNOTFOUND : Post(CHILDID_SELF, Request::DefaultAction);
            },
            [&](const AccessibleItem& item) {
                return item.defaultAction.empty() ? DISP_E_MEMBERNOTFOUND : Post(id.lVal, Request::DefaultAction);
            });
    }

    HRESULT STDMETHODCALLTYPE put_accName(VARIANT, BSTR) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT, BSTR) override { return E_NOTIMPL; }

private:
    ~AccessibleObject() = default;

    static long Id(size_t index) { return static_cast<long>(index + 1); }

    // A window child as its own object, a part as its number here.
    static HRESULT ChildVariant(const Entry& entry, long id, VARIANT* out) {
        if (!entry.window) return SetLong(out, id), S_OK;
        IDispatch* child = nullptr;
        HRESULT hr = ClientObjectOf(entry.window, &child);
        if (FAILED(hr)) return hr;
        out->vt = VT_DISPATCH;
        out->pdispVal = child;
        return S_OK;
    }

    // Runs `fn` over what the control tells now; a control whose window is gone
    // answers as a disconnected object does.
    template <class Fn>
    HRESULT Read(Fn&& fn) {
        return Shielded([&]() -> HRESULT {
            const std::optional<Target> target = TargetOf(hwnd_);
            if (!target) return RPC_E_DISCONNECTED;
            return fn(Take(*target));
        });
    }

    template <class Fn>
    HRESULT ReadEntry(const VARIANT& id, Fn&& fn) {
        if (id.vt != VT_I4) return E_INVALIDARG;
        return Read([&](const Snapshot& s) {
            if (id.lVal < 1 || static_cast<size_t>(id.lVal) > s.entries.size()) return E_INVALIDARG;
            return fn(s, s.entries[static_cast<size_t>(id.lVal - 1)]);
        });
    }

    // The control itself (CHILDID_SELF) or one of its parts; a window child is
    // asked through its own object.
    template <class Self, class Part>
    HRESULT About(const VARIANT& id, Self&& self, Part&& part) {
        if (id.vt == VT_I4 && id.lVal == CHILDID_SELF)
            return Read([&](const Snapshot& s) { return self(s.description); });
        return ReadEntry(id, [&](const Snapshot&, const Entry& e) { return e.window ? E_INVALIDARG : part(e.item); });
    }

    HRESULT Post(long id, Request request) {
        const std::optional<Target> target = TargetOf(hwnd_);
        if (!target || !target->control.EnabledInTree()) return E_FAIL;
        return PostMessageW(hwnd_, RequestMessage(), static_cast<WPARAM>(id), static_cast<LPARAM>(request)) ? S_OK
                                                                                                            : E_FAIL;
    }

    LONG refs_ = 1;
    HWND hwnd_;
    std::unique_ptr<IAccessible, Releaser> standard_;
};

// The window's thread answers through COM, which it may not have started yet.
void StartCom() {
    static const auto initialize = LibraryFunction<decltype(&CoInitializeEx)>(L"ole32.dll", "CoInitializeEx");
    static thread_local const HRESULT started = initialize ? initialize(nullptr, COINIT_APARTMENTTHREADED) : E_FAIL;
    (void)started;
}

LRESULT AnswerGetObject(HWND hwnd, WPARAM wParam, LPARAM lParam) {
    if (static_cast<DWORD>(lParam) != static_cast<DWORD>(OBJID_CLIENT)) return 0;
    static const auto standardObject =
        LibraryFunction<decltype(&CreateStdAccessibleObject)>(kAccessibilityLibrary, "CreateStdAccessibleObject");
    static const auto resultFromObject =
        LibraryFunction<decltype(&LresultFromObject)>(kAccessibilityLibrary, "LresultFromObject");
    if (!standardObject || !resultFromObject) return 0;
    StartCom();
    // The system's standard object for the window (Wine has no CreateStdAccessibleProxy).
    IAccessible* standard = nullptr;
    if (FAILED(standardObject(hwnd, static_cast<LONG>(OBJID_CLIENT), IID_IAccessible,
                              reinterpret_cast<void**>(&standard))))
        return 0;
    auto* object = new AccessibleObject(hwnd, standard);
    const LRESULT answer = resultFromObject(IID_IAccessible, wParam, static_cast<IAccessible*>(object));
    object->Release();
    return answer > 0 ? answer : 0;
}

void RunRequest(const Target& t, WPARAM id, LPARAM request) {
    if (!t.control.EnabledInTree()) return;
    const long item = static_cast<long>(id);
    if (static_cast<Request>(request) == Request::Select)
        t.source.SelectAccessibleItem(item);
    else
        t.source.DoAccessibleDefaultAction(item);
}

}  // namespace

bool HandleAccessibleMessage(WindowOwner& owner, UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (msg == WM_GETOBJECT) {
        result = AnswerGetObject(owner.Handle(), wParam, lParam);
        return result != 0;
    }
    if (msg != RequestMessage()) return false;
    if (const std::optional<Target> target = TargetOf(owner.Handle())) RunRequest(*target, wParam, lParam);
    result = 0;
    return true;
}

bool HoldsFocus(const Control& control) {
    const Form* form = control.ParentForm();
    const Control* focused = form ? form->ControlOfWindow(GetFocus()) : nullptr;
    while (focused && focused->IsConstituent() && focused->GetContainer()->AsControl())
        focused = focused->GetContainer()->AsControl();
    return focused == &control;
}

std::wstring SpokenCaption(const std::wstring& caption) {
    std::wstring spoken;
    for (size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == L'&' && i + 1 < caption.size()) ++i;
        spoken += caption[i];
    }
    const size_t first = spoken.find_first_not_of(L' ');
    if (first == std::wstring::npos) return L"";
    return spoken.substr(first, spoken.find_last_not_of(L' ') - first + 1);
}

std::wstring AccessKeyShortcut(const std::wstring& caption) {
    const wchar_t key = AccessKeyOf(caption);
    return key ? std::wstring(L"Alt+") + key : std::wstring();
}

}  // namespace host
