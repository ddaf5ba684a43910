#pragma once
// What a class of control publishes once about itself (its events, its property
// pages), looked up by the class of a control at hand.
#include <map>
#include <typeindex>
#include <vector>

#include "host/forms/Control.h"

namespace host {

template <class Entry>
class ClassRegistry {
public:
    static void Publish(std::type_index type, std::vector<Entry> entries) { Map()[type] = std::move(entries); }

    // What the control's own class published; nothing when it published nothing.
    static const std::vector<Entry>& Of(const Control& control) {
        static const std::vector<Entry> kNone;
        auto it = Map().find(typeid(control));
        return it == Map().end() ? kNone : it->second;
    }

private:
    static std::map<std::type_index, std::vector<Entry>>& Map() {
        static std::map<std::type_index, std::vector<Entry>> map;
        return map;
    }
};

}  // namespace host
