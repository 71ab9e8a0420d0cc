#pragma once
// Virtual time for tests: every pause is recorded and advances the clock at once, so tests can
// check each pause the protocol asks for without waiting for it.
#include "core/clock.h"

#include <cstdint>
#include <vector>

namespace orvex::test {

class ManualClock final : public Clock {
public:
    void Sleep(std::uint32_t ms) override
    {
        m_pauses.push_back(ms);
        m_now += ms;
    }
    std::uint64_t nowMs() const override { return m_now; }

    /// Moves time on without recording a pause (time spent elsewhere).
    void advance(std::uint64_t ms) { m_now += ms; }
    const std::vector<std::uint32_t>& pauses() const { return m_pauses; }
    void clearPauses() { m_pauses.clear(); }

private:
    std::uint64_t m_now = 0;
    std::vector<std::uint32_t> m_pauses;
};

} // namespace orvex::test
