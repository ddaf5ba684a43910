#pragma once
// An assistive-technology client for tests: walks the objects a window answers
// with, as a screen reader does, and reads what each one tells.
#include <windows.h>
#include <oleacc.h>

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace testsupport {

struct ComReleaser {
    void operator()(IUnknown* object) const { object->Release(); }
};
using AccessiblePtr = std::shared_ptr<IAccessible>;

// One object, or one part of an object (child > 0), as the client reads it.
struct AccessibleNode {
    AccessiblePtr object;
    long child = CHILDID_SELF;
    long role = 0;
    std::wstring name;
    long state = 0;
    int depth = 0;

    VARIANT Id() const;
    std::wstring Value() const;
    std::wstring DefaultAction() const;
    std::wstring Shortcut() const;
    RECT Location() const;  // in screen pixels
    HRESULT DoDefaultAction() const { return object->accDoDefaultAction(Id()); }
    HRESULT Select(long flags) const { return object->accSelect(flags, Id()); }
    // Reads role, name and state again.
    AccessibleNode Reread() const;
};

// Starts COM on the calling thread for as long as the object lives.
struct ComSession {
    ComSession() { CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED); }
    ~ComSession() { CoUninitialize(); }
};

// The client object of a window (AccessibleObjectFromWindow), null when none.
AccessiblePtr ClientObject(HWND window);

// Every object and part under `window`'s client object, depth first. Children come
// from get_accChild; a system object that cannot give its children one by one is
// asked for them all (AccessibleChildren), and a window object is read through its
// client object.
std::vector<AccessibleNode> Walk(HWND window);

// The first node of `role` named `name`, or null.
const AccessibleNode* FindNode(const std::vector<AccessibleNode>& nodes, long role, std::wstring_view name);
// The node of the object that answers for `window` itself, or null.
const AccessibleNode* NodeOfWindow(const std::vector<AccessibleNode>& nodes, HWND window);
// The nodes of one role, in walk order.
std::vector<AccessibleNode> NodesOfRole(const std::vector<AccessibleNode>& nodes, long role);

}  // namespace testsupport
