#pragma once
// Where the time and memory of building and showing a window go, by kind of work.
// Counting is off unless a measuring tool switches it on (tools/bench-startup);
// off, a scope costs the test of one flag. A scope inside another counts only
// for the inner one, so the kinds add up to the time spent in scopes.
#include <array>
#include <cstddef>

namespace host::breakdown {

enum class Work { DesignData, Controls, Windows, Fonts, Pictures, Images, Paint, None };
inline constexpr size_t kKinds = static_cast<size_t>(Work::None);

struct Figures {
    double milliseconds = 0;
    long long bytes = 0;  // growth of the working set
    int scopes = 0;
};

void SwitchOn();
bool On();
const std::array<Figures, kKinds>& Totals();
const wchar_t* NameOf(Work work);
// The process's working set now, in bytes.
size_t WorkingSet();

namespace detail {
extern bool on;
void Enter(Work work);
void Leave();
}  // namespace detail

// Counts the time and memory until it goes for `work` (Work::None: not at all).
class Scope {
public:
    explicit Scope(Work work) : counted_(detail::on && work != Work::None) {
        if (counted_) detail::Enter(work);
    }
    ~Scope() {
        if (counted_) detail::Leave();
    }
    Scope(const Scope&) = delete;
    Scope& operator=(const Scope&) = delete;

private:
    bool counted_;
};

}  // namespace host::breakdown
