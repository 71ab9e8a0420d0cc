#include "hid/trace_log.h"

namespace orvex::hid {

TraceLog::TraceLog(const std::string& path, const Clock& clock)
    : m_clock(clock), m_startMs(clock.nowMs()), m_out(path, std::ios::out | std::ios::app)
{
}

void TraceLog::record(TraceDirection direction, const std::string& devicePath,
                      std::span<const std::uint8_t> report, bool succeeded)
{
    if (!m_out.is_open())
        return;
    m_out << formatLine(m_clock.nowMs() - m_startMs, direction, devicePath, report, succeeded) << '\n';
    m_out.flush();
}

std::string TraceLog::formatLine(std::uint64_t ms, TraceDirection direction,
                                 const std::string& devicePath,
                                 std::span<const std::uint8_t> report, bool succeeded)
{
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string line = std::to_string(ms);
    line += direction == TraceDirection::Set ? "\tset\t" : "\tget\t";
    line += devicePath;
    line += '\t';
    line.reserve(line.size() + report.size() * 3 + 8);
    for (std::size_t i = 0; i < report.size(); ++i) {
        if (i != 0)
            line += ' ';
        line += kHex[report[i] >> 4];
        line += kHex[report[i] & 0x0F];
    }
    if (!succeeded)
        line += "\tFAILED";
    return line;
}

} // namespace orvex::hid
