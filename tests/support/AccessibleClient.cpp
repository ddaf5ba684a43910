#include "AccessibleClient.h"

namespace testsupport {

namespace {

constexpr int kDeepest = 12;

AccessiblePtr Own(IAccessible* object) { return AccessiblePtr(object, ComReleaser()); }

// Reads a text the way IAccessible hands it out, and frees it.
template <class Get>
std::wstring TakeText(Get&& get) {
    BSTR text = nullptr;
    const HRESULT hr = get(&text);
    std::wstring result = SUCCEEDED(hr) && text ? std::wstring(text, SysStringLen(text)) : L"";
    SysFreeString(text);
    return result;
}

AccessibleNode Read(const AccessiblePtr& object, long child, int depth) {
    AccessibleNode node;
    node.object = object;
    node.child = child;
    node.depth = depth;
    const VARIANT id = node.Id();
    VARIANT v;
    VariantInit(&v);
    if (SUCCEEDED(object->get_accRole(id, &v)) && v.vt == VT_I4) node.role = v.lVal;
    VariantClear(&v);
    if (SUCCEEDED(object->get_accState(id, &v)) && v.vt == VT_I4) node.state = v.lVal;
    VariantClear(&v);
    node.name = TakeText([&](BSTR* text) { return object->get_accName(id, text); });
    return node;
}

AccessiblePtr FromDispatch(IDispatch* dispatch) {
    IAccessible* object = nullptr;
    dispatch->QueryInterface(IID_IAccessible, reinterpret_cast<void**>(&object));
    dispatch->Release();
    return object ? Own(object) : nullptr;
}

// A window object (as a system proxy gives its child windows) is read through the
// window's client object.
AccessiblePtr ClientOf(AccessiblePtr object) {
    AccessibleNode self = Read(object, CHILDID_SELF, 0);
    HWND window = nullptr;
    if ((self.role == 0 || self.role == ROLE_SYSTEM_WINDOW) &&
        SUCCEEDED(WindowFromAccessibleObject(object.get(), &window)) && window)
        if (AccessiblePtr client = ClientObject(window)) return client;
    return object;
}

// Children as (object, part) pairs: get_accChild first, AccessibleChildren for an
// object that refuses it.
std::vector<std::pair<AccessiblePtr, long>> Children(const AccessiblePtr& object) {
    std::vector<std::pair<AccessiblePtr, long>> children;
    long count = 0;
    if (FAILED(object->get_accChildCount(&count)) || count <= 0) return children;
    bool oneByOne = true;
    for (long i = 1; i <= count && oneByOne; ++i) {
        VARIANT id;
        id.vt = VT_I4;
        id.lVal = i;
        IDispatch* child = nullptr;
        HRESULT hr = object->get_accChild(id, &child);
        if (hr == S_OK && child)
            children.emplace_back(FromDispatch(child), CHILDID_SELF);
        else if (hr == S_FALSE)
            children.emplace_back(object, i);
        else
            oneByOne = false;
    }
    if (oneByOne) return children;
    children.clear();
    std::vector<VARIANT> all(static_cast<size_t>(count));
    LONG got = 0;
    if (FAILED(AccessibleChildren(object.get(), 0, count, all.data(), &got))) return children;
    for (LONG i = 0; i < got; ++i) {
        VARIANT& v = all[static_cast<size_t>(i)];
        if (v.vt == VT_DISPATCH && v.pdispVal)
            children.emplace_back(FromDispatch(v.pdispVal), CHILDID_SELF);
        else if (v.vt == VT_I4)
            children.emplace_back(object, v.lVal);
    }
    return children;
}

void Visit(const AccessiblePtr& object, int depth, std::vector<AccessibleNode>& nodes) {
    nodes.push_back(Read(object, CHILDID_SELF, depth));
    if (depth >= kDeepest) return;
    for (auto& [child, part] : Children(object)) {
        if (!child) continue;
        if (part != CHILDID_SELF)
            nodes.push_back(Read(child, part, depth + 1));
        else
            Visit(ClientOf(child), depth + 1, nodes);
    }
}

std::wstring ReadText(const AccessibleNode& node, HRESULT (STDMETHODCALLTYPE IAccessible::*get)(VARIANT, BSTR*)) {
    return TakeText([&](BSTR* text) { return (node.object.get()->*get)(node.Id(), text); });
}

}  // namespace

VARIANT AccessibleNode::Id() const {
    VARIANT id;
    id.vt = VT_I4;
    id.lVal = child;
    return id;
}

std::wstring AccessibleNode::Value() const { return ReadText(*this, &IAccessible::get_accValue); }
std::wstring AccessibleNode::DefaultAction() const { return ReadText(*this, &IAccessible::get_accDefaultAction); }
std::wstring AccessibleNode::Shortcut() const { return ReadText(*this, &IAccessible::get_accKeyboardShortcut); }

RECT AccessibleNode::Location() const {
    long left = 0, top = 0, width = 0, height = 0;
    if (FAILED(object->accLocation(&left, &top, &width, &height, Id()))) return {};
    return {left, top, left + width, top + height};
}

AccessibleNode AccessibleNode::Reread() const { return Read(object, child, depth); }

AccessiblePtr ClientObject(HWND window) {
    IAccessible* object = nullptr;
    if (FAILED(AccessibleObjectFromWindow(window, static_cast<DWORD>(OBJID_CLIENT), IID_IAccessible,
                                          reinterpret_cast<void**>(&object))) ||
        !object)
        return nullptr;
    return Own(object);
}

std::vector<AccessibleNode> Walk(HWND window) {
    std::vector<AccessibleNode> nodes;
    if (AccessiblePtr root = ClientObject(window)) Visit(root, 0, nodes);
    return nodes;
}

const AccessibleNode* FindNode(const std::vector<AccessibleNode>& nodes, long role, std::wstring_view name) {
    for (const auto& node : nodes)
        if (node.role == role && node.name == name) return &node;
    return nullptr;
}

const AccessibleNode* NodeOfWindow(const std::vector<AccessibleNode>& nodes, HWND window) {
    for (const auto& node : nodes) {
        HWND owner = nullptr;
        if (node.child == CHILDID_SELF && SUCCEEDED(WindowFromAccessibleObject(node.object.get(), &owner)) &&
            owner == window)
            return &node;
    }
    return nullptr;
}

std::vector<AccessibleNode> NodesOfRole(const std::vector<AccessibleNode>& nodes, long role) {
    std::vector<AccessibleNode> found;
    for (const auto& node : nodes)
        if (node.role == role) found.push_back(node);
    return found;
}

}  // namespace testsupport
