#pragma once
// The events a kind of control raises, published once by name so that a tool can
// listen to every event of a form without knowing the controls' classes (the
// workbench's event journal). A control publishes its list, in its fixed event
// order, from a source of its own folder:
//     const host::PublishedEvents<Frame> kEvents{
//         host::EventEntry(L"Click", &Frame::Click), host::EventEntry(L"MouseOut", &Frame::MouseOut)};
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

#include "host/forms/ClassRegistry.h"
#include "host/values/Event.h"
#include "host/values/Variant.h"

namespace host {

// The arguments of one raised event, in declaration order.
using EventArguments = std::vector<Variant>;
using EventListener = std::function<void(const std::wstring& event, const EventArguments& arguments)>;

inline Variant EventArgument(bool v) { return Variant::Bool(v); }
inline Variant EventArgument(int16_t v) { return Variant::Int(v); }
inline Variant EventArgument(int32_t v) { return Variant::Lng(v); }
inline Variant EventArgument(float v) { return Variant::Sng(v); }
inline Variant EventArgument(double v) { return Variant::Dbl(v); }
inline Variant EventArgument(const std::wstring& v) { return Variant(v); }

struct EventEntry {
    template <class Owner, class... Args>
    EventEntry(const wchar_t* eventName, Event<Args...> Owner::*member) : name(eventName) {
        connect = [member, eventName](Control& control, const EventListener& listener) {
            return (static_cast<Owner&>(control).*member).Connect([listener, eventName](Args... args) {
                listener(eventName, EventArguments{EventArgument(args)...});
            });
        };
    }

    std::wstring name;
    // Connects the listener to this event of a control of the publishing class.
    std::function<Connection(Control&, const EventListener&)> connect;
};

template <class T>
struct PublishedEvents {
    PublishedEvents(std::initializer_list<EventEntry> events) { ClassRegistry<EventEntry>::Publish(typeid(T), events); }
};

// Connects `listener` to every published event of `control`: it hears the event's
// name and arguments each time the control raises it, while `connections` live.
void ListenToEvents(Control& control, const EventListener& listener, Connections& connections);

}  // namespace host
