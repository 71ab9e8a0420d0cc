#pragma once
// A plain-text trace of every feature report exchanged with any device, for diagnosing a board
// that misbehaves. One line per request, fields separated by one tab:
//
//   <ms>\t<set|get>\t<device path>\t<report bytes>[\tFAILED]
//
// <ms> is milliseconds since the trace was opened, read from the protocol clock so that tests
// see virtual time. The report bytes are two upper-case hexadecimal digits per byte, separated
// by single blanks, report ID first, all bytes of the request. For a get request they are the
// bytes received; when the request failed they are the buffer as it stood after the failure
// (the request's report ID and whatever the backend left), and the line ends in "FAILED".
// Tabs separate the fields because device paths of some systems contain blanks.
#include "core/clock.h"

#include <cstdint>
#include <fstream>
#include <span>
#include <string>

namespace orvex::hid {

enum class TraceDirection : std::uint8_t { Set, Get };

/// Appends trace lines to a file. GUI thread only.
class TraceLog {
public:
    /// Opens `path` for appending (created when missing, earlier traces kept). `clock` must
    /// outlive the trace; time zero is the moment of construction.
    TraceLog(const std::string& path, const Clock& clock);

    /// False when the file could not be opened; the trace then records nothing.
    bool isOpen() const { return m_out.is_open(); }

    /// Appends the line for one request and flushes it, so a trace survives a crash.
    void record(TraceDirection direction, const std::string& devicePath,
                std::span<const std::uint8_t> report, bool succeeded);

    /// The line `record` writes, without its line end.
    static std::string formatLine(std::uint64_t ms, TraceDirection direction,
                                  const std::string& devicePath,
                                  std::span<const std::uint8_t> report, bool succeeded);

private:
    const Clock& m_clock;
    std::uint64_t m_startMs;
    std::ofstream m_out;
};

} // namespace orvex::hid
