#include "core/clock.h"

#include <chrono>
#include <thread>

namespace orvex {

namespace {
std::int64_t steadyNs()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}
} // namespace

SystemClock::SystemClock() : m_startNs(steadyNs()) {}

void SystemClock::Sleep(std::uint32_t ms)
{
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

std::uint64_t SystemClock::nowMs() const
{
    return static_cast<std::uint64_t>((steadyNs() - m_startNs) / 1'000'000);
}

} // namespace orvex
