#pragma once
#include <exception>

namespace host {

void ReportUnexpectedException(const std::exception& e);

template <class Fn>
void Guarded(Fn&& fn) {
    try {
        fn();
    } catch (const HostError& e) {
        ReportUnhandledError(e);
    } catch (const std::exception& e) {
        ReportUnexpectedException(e);
    }
}

}  // namespace host
