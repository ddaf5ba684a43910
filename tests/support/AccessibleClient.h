#pragma once
// An assistive-technology client for tests: walks the objects a window answers with, as a screen reader does.
#include <windows.h>
#include <oleacc.h>

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace testsupport {

// One object, or one part of an object (child > 0), as the client read it.
struct AccessibleNode {
    std::shared_ptr<IAccessible> object;
    long child = CHILDID_SELF;
    long role = 0;
    long state = 0;
    std::wstring name;
    int depth = 0;

    VARIANT Id() const;
    // A text the object gives for this node, e.g. Text(&IAccessible::get_accValue).
    std::wstring Text(HRESULT (STDMETHODCALLTYPE IAccessible::*get)(VARIANT, BSTR*)) const;
    // The window whose object answers for the node.
    HWND Window() const;
};

// COM on the calling thread for as long as the object lives.
struct ComSession {
    ComSession() { CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED); }
    ~ComSession() { CoUninitialize(); }
};

// Every object and part under `window`'s client object, depth first (a window object read through its client).
std::vector<AccessibleNode> Walk(HWND window);

// The first node of `role` named `name`, or null.
const AccessibleNode* FindNode(const std::vector<AccessibleNode>& nodes, long role, std::wstring_view name);
// The node of the object that answers for `window` itself, or null.
const AccessibleNode* NodeOfWindow(const std::vector<AccessibleNode>& nodes, HWND window);

}  // namespace testsupport
