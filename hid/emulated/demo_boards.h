#pragma once
// The boards of the demo mode, also used by tests: one of each kind the tool knows, with a
// fixed identity and a distinct device path.
#include "core/clock.h"
#include "hid/emulated/emulated_backend.h"

#include <memory>
#include <string>

namespace orvex::hid {

inline constexpr std::uint16_t kOrvexVendorId = 0x7A5C;
inline constexpr char kDemoFalconetPath[] = "emulated:falconet-1";
inline constexpr char kDemoKestrel32Path[] = "emulated:kestrel32-1";
inline constexpr char kDemoBootLoaderPath[] = "emulated:bootloader-1";

/// A Falconet controller (7A5C:0109, version 1.05, 64-byte feature report), plugged in.
/// `clock` (pacing checks) must outlive the board.
std::shared_ptr<EmulatedBoard> makeFalconetBoard(const Clock& clock, std::string path = kDemoFalconetPath);
/// A Kestrel32 board (7A5C:0115, descriptor 5 "Kestrel32 PRO", 128-byte feature report),
/// plugged in. `clock` must outlive the board.
std::shared_ptr<EmulatedBoard> makeKestrel32Board(const Clock& clock, std::string path = kDemoKestrel32Path);
/// A board in its boot loader (7A5C:0912, no product name), plugged in.
std::shared_ptr<EmulatedBoard> makeBootLoaderBoard(std::string path = kDemoBootLoaderPath);

/// A backend with the three boards above, all plugged in.
std::unique_ptr<EmulatedBackend> makeDemoBackend(const Clock& clock);

} // namespace orvex::hid
