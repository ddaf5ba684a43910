#include "AccessibleClient.h"

namespace testsupport {

namespace {

using Object = std::shared_ptr<IAccessible>;

Object ClientObject(HWND window) {
    IAccessible* object = nullptr;
    AccessibleObjectFromWindow(window, static_cast<DWORD>(OBJID_CLIENT), IID_IAccessible,
                               reinterpret_cast<void**>(&object));
    return object ? Object(object, [](IAccessible* o) { o->Release(); }) : nullptr;
}

Object FromDispatch(IDispatch* dispatch) {
    IAccessible* object = nullptr;
    dispatch->QueryInterface(IID_IAccessible, reinterpret_cast<void**>(&object));
    dispatch->Release();
    return object ? Object(object, [](IAccessible* o) { o->Release(); }) : nullptr;
}

long ReadLong(HRESULT hr, const VARIANT& v) { return SUCCEEDED(hr) && v.vt == VT_I4 ? v.lVal : 0; }

AccessibleNode Read(const Object& object, long child, int depth) {
    AccessibleNode node;
    node.object = object;
    node.child = child;
    node.depth = depth;
    VARIANT v{};
    node.role = ReadLong(object->get_accRole(node.Id(), &v), v);
    node.state = ReadLong(object->get_accState(node.Id(), &v), v);
    node.name = node.Text(&IAccessible::get_accName);
    return node;
}

// A window object (as the system gives child windows) reads as nothing until asked through its client object.
Object ClientOf(const Object& object) {
    HWND window = nullptr;
    const long role = Read(object, CHILDID_SELF, 0).role;
    if ((role == 0 || role == ROLE_SYSTEM_WINDOW) && SUCCEEDED(WindowFromAccessibleObject(object.get(), &window)))
        if (Object client = ClientObject(window)) return client;
    return object;
}

std::vector<VARIANT> Children(const Object& object) {
    long count = 0;
    object->get_accChildCount(&count);
    std::vector<VARIANT> children;
    for (long i = 1; i <= count; ++i) {
        VARIANT id{}, child{};
        id.vt = VT_I4;
        id.lVal = i;
        const HRESULT hr = object->get_accChild(id, &child.pdispVal);
        if (FAILED(hr)) break;
        child.vt = hr == S_OK ? VT_DISPATCH : VT_I4;
        if (hr != S_OK) child.lVal = i;
        children.push_back(child);
    }
    if (children.size() == static_cast<size_t>(count)) return children;
    children.assign(static_cast<size_t>(count), VARIANT{});
    LONG got = 0;
    AccessibleChildren(object.get(), 0, count, children.data(), &got);
    children.resize(static_cast<size_t>(got));
    return children;
}

void Visit(const Object& object, int depth, std::vector<AccessibleNode>& nodes) {
    nodes.push_back(Read(object, CHILDID_SELF, depth));
    for (const VARIANT& child : Children(object)) {
        if (child.vt == VT_I4) nodes.push_back(Read(object, child.lVal, depth + 1));
        if (child.vt != VT_DISPATCH || !child.pdispVal) continue;
        if (Object inner = FromDispatch(child.pdispVal)) Visit(ClientOf(inner), depth + 1, nodes);
    }
}

}  // namespace

VARIANT AccessibleNode::Id() const {
    VARIANT id{};
    id.vt = VT_I4;
    id.lVal = child;
    return id;
}

std::wstring AccessibleNode::Text(HRESULT (STDMETHODCALLTYPE IAccessible::*get)(VARIANT, BSTR*)) const {
    BSTR text = nullptr;
    const HRESULT hr = (object.get()->*get)(Id(), &text);
    std::wstring result = SUCCEEDED(hr) && text ? std::wstring(text, SysStringLen(text)) : L"";
    SysFreeString(text);
    return result;
}

HWND AccessibleNode::Window() const {
    HWND window = nullptr;
    WindowFromAccessibleObject(object.get(), &window);
    return window;
}

std::vector<AccessibleNode> Walk(HWND window) {
    std::vector<AccessibleNode> nodes;
    if (Object root = ClientObject(window)) Visit(root, 0, nodes);
    return nodes;
}

const AccessibleNode* FindNode(const std::vector<AccessibleNode>& nodes, long role, std::wstring_view name) {
    for (const auto& node : nodes)
        if (node.role == role && node.name == name) return &node;
    return nullptr;
}

const AccessibleNode* NodeOfWindow(const std::vector<AccessibleNode>& nodes, HWND window) {
    for (const auto& node : nodes)
        if (node.child == CHILDID_SELF && node.Window() == window) return &node;
    return nullptr;
}

}  // namespace testsupport
