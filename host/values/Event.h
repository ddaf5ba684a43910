#pragma once
// An event a control raises to its container. Raising calls every connected handler
// at once, in connection order. Arguments are passed by value: a handler cannot
// change what the control sees.
//
// Connecting gives a Connection that removes the handler when it goes, so whoever
// connects a handler that captures itself keeps the connection as long as itself.
#include <functional>
#include <memory>
#include <utility>
#include <vector>

namespace host {

// Move-only: disconnects when destroyed; does nothing once the event is gone.
class Connection {
public:
    Connection() = default;
    explicit Connection(std::function<void()> disconnect) : disconnect_(std::move(disconnect)) {}
    ~Connection() { Disconnect(); }
    Connection(Connection&& other) noexcept : disconnect_(std::exchange(other.disconnect_, nullptr)) {}
    Connection& operator=(Connection&& other) noexcept {
        if (this != &other) {
            Disconnect();
            disconnect_ = std::exchange(other.disconnect_, nullptr);
        }
        return *this;
    }
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    void Disconnect() {
        if (auto disconnect = std::exchange(disconnect_, nullptr)) disconnect();
    }

private:
    std::function<void()> disconnect_;
};

// Connections kept together, for as long as their owner lives.
class Connections {
public:
    Connections& operator+=(Connection connection) {
        list_.push_back(std::move(connection));
        return *this;
    }

private:
    std::vector<Connection> list_;
};

template <class... Args>
class Event {
public:
    using Handler = std::function<void(Args...)>;

    Event() = default;
    Event(const Event&) = delete;
    Event& operator=(const Event&) = delete;

    [[nodiscard]] Connection Connect(Handler handler) {
        int id = nextId_++;
        slots_->push_back({id, std::make_shared<Handler>(std::move(handler))});
        return Connection([slots = std::weak_ptr<Slots>(slots_), id] {
            if (auto live = slots.lock()) std::erase_if(*live, [id](const Slot& s) { return s.id == id; });
        });
    }

    // RaiseEvent. A handler connected while raising waits for the next time; one
    // disconnected while raising is not called.
    void operator()(Args... args) const {
        const std::shared_ptr<Slots> live = slots_;  // outlives a handler that destroys the event
        const Slots snapshot = *live;
        for (const Slot& slot : snapshot)
            if (Contains(*live, slot.id)) (*slot.handler)(args...);
    }

private:
    struct Slot {
        int id;
        std::shared_ptr<Handler> handler;  // stays alive while it runs, even if disconnected
    };
    using Slots = std::vector<Slot>;

    static bool Contains(const Slots& slots, int id) {
        for (const Slot& s : slots)
            if (s.id == id) return true;
        return false;
    }

    std::shared_ptr<Slots> slots_ = std::make_shared<Slots>();
    int nextId_ = 1;
};

}  // namespace host
