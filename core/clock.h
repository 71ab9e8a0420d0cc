#pragma once
#include <cstdint>

namespace orvex {

/// Time source for every pause of the device protocol. The program sleeps for real; tests
/// record each requested pause and advance a virtual time instead of waiting, and the emulated
/// boards read the same clock to check the pacing of the reports they receive.
class Clock {
public:
    virtual ~Clock() = default;
    /// Blocks the caller for `ms` milliseconds (the GUI thread does not repaint meanwhile).
    virtual void Sleep(std::uint32_t ms) = 0;
    /// Milliseconds since an arbitrary fixed start; monotonic.
    virtual std::uint64_t nowMs() const = 0;
};

/// Real time: std::this_thread sleeps and the steady clock.
class SystemClock final : public Clock {
public:
    SystemClock();
    void Sleep(std::uint32_t ms) override;
    std::uint64_t nowMs() const override;

private:
    std::int64_t m_startNs;
};

} // namespace orvex
