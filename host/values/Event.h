#pragma once
// An event a control raises to its container. Raising calls every connected handler
// at once, in connection order. Arguments are passed by value: a handler cannot
// change what the control sees.
#include <functional>
#include <vector>

namespace host {

template <class... Args>
class Event {
public:
    using Handler = std::function<void(Args...)>;

    void Connect(Handler handler) { handlers_.push_back(std::move(handler)); }

    // RaiseEvent.
    void operator()(Args... args) const {
        auto handlers = handlers_;  // a handler may connect another
        for (auto& h : handlers) h(args...);
    }

private:
    std::vector<Handler> handlers_;
};

}  // namespace host
