#pragma once
// The boards' command codes and the pauses the tool keeps between reports. A command's code is
// looked up in the main window's command table by the entry named here (the table maps each
// entry to the code the selected board understands; today entry i is code i).
#include <cstdint>

namespace orvex {

/// Entries of the command table.
enum CommandEntry : std::uint8_t {
    CMD_RESET = 0,
    CMD_CALIB_START = 2,
    CMD_CALIB_END = 3,
    CMD_CALIB_CANCEL = 4,
    CMD_READ_PARAM = 5,     ///< parameter block from non-volatile memory
    CMD_READ_RAM = 6,       ///< parameter block from RAM
    CMD_WRITE_PARAM = 7,    ///< parameter block to non-volatile memory
    CMD_WRITE_RAM = 8,      ///< parameter block to RAM
    CMD_READ_CPUID = 10,    ///< processor identifier, seed of the Kestrel32 transfer key
    CMD_WRITE_BUTTONS = 18, ///< Falconet button memory
    CMD_READ_BUTTONS = 19,
    CMD_BOOT_1 = 59, ///< first half of the boot loader start
    CMD_BOOT_2 = 85, ///< second half, 10 ms later
};

/// Pacing, in milliseconds. The boards take a written report only every 18 ms; reads and the
/// other pauses give the board's firmware time to prepare what comes next.
inline constexpr std::uint32_t kWriteReportPauseMs = 18;
inline constexpr std::uint32_t kReadPauseMs = 1;          ///< after a read request and each reply report
inline constexpr std::uint32_t kButtonHalfPauseMs = 25;   ///< after each half of a button block
inline constexpr std::uint32_t kBootCommandPauseMs = 10;  ///< between the two boot loader commands
inline constexpr std::uint32_t kGetPauseMs = 500;         ///< before a "Get"

} // namespace orvex
