#pragma once
// A host timer: ticks every Interval milliseconds while Enabled, through the event
// pump on the UI thread. An Interval of 0 never ticks. Tag is free text.
#include <cstdint>
#include <memory>
#include <string>

#include "host/forms/Control.h"
#include "host/values/Event.h"

namespace host {

class Timer : public Control {
public:
    explicit Timer(std::wstring name);
    ~Timer() override;

    int32_t Interval() const { return interval_; }
    // Milliseconds, 0 to 2147483647; a negative value is an invalid property value.
    void SetInterval(int32_t milliseconds);
    bool Enabled() const { return Control::Enabled(); }
    void SetEnabled(bool enabled) override;

    // The Timer event.
    Event<> TimerEvent;

    void SetDesignProperty(const std::wstring& key, const Variant& value) override;
    Variant GetProperty(const std::wstring& name, const std::vector<Variant>& index = {}) override;

    // Called by the host's timer window.
    void Tick();

private:
    void Restart();
    int32_t interval_ = 0;
    UINT_PTR id_ = 0;
    bool running_ = false;
    std::shared_ptr<bool> ticking_ = std::make_shared<bool>(false);
};

}  // namespace host
