#pragma once
// The boards of the demo mode, also used by tests: one of each kind the tool knows, with a
// fixed identity and a distinct device path.
#include "core/clock.h"
#include "hid/emulated/emulated_backend.h"
#include "hid/emulated/kestrel32_firmware.h"

#include <memory>
#include <string>

namespace orvex::hid {

inline constexpr std::uint16_t kOrvexVendorId = 0x7A5C;
inline constexpr char kDemoFalconetPath[] = "emulated:falconet-1";
inline constexpr char kDemoKestrel32Path[] = "emulated:kestrel32-1";
inline constexpr char kDemoBootLoaderPath[] = "emulated:bootloader-1";
/// Seed in the demo Kestrel32 board's processor identifier reply.
inline constexpr Kestrel32Firmware::Seed kDemoKestrel32Seed{0x3F, 0x91, 0x07, 0xC4, 0x5E, 0x28, 0xB3, 0x6A,
                                                            0xD0, 0x14, 0x7B, 0xE9, 0x82, 0x4D, 0x1C, 0xF6};
/// The demo Kestrel32 board answers a read with at most this many bytes, so reading its whole
/// parameter block takes two exchanges as with the real board's limited buffer.
inline constexpr std::uint16_t kDemoKestrel32MaxReply = 512;

/// A Falconet controller (7A5C:0109, version 1.05, 64-byte feature report) with demo settings,
/// plugged in, running FalconetFirmware. `clock` (pacing checks) must outlive the board.
std::shared_ptr<EmulatedBoard> makeFalconetBoard(const Clock& clock, std::string path = kDemoFalconetPath);
/// A Kestrel32 board (7A5C:0115, version 2.03, descriptor 5 "Kestrel32 PRO", 128-byte feature
/// report) with demo settings, plugged in, running Kestrel32Firmware with `seed` and replies of
/// at most kDemoKestrel32MaxReply bytes. `clock` must outlive the board.
std::shared_ptr<EmulatedBoard> makeKestrel32Board(const Clock& clock, std::string path = kDemoKestrel32Path,
                                                  const Kestrel32Firmware::Seed& seed = kDemoKestrel32Seed);
/// A board in its boot loader (7A5C:0912, no product name, 64-byte feature report), plugged in,
/// running InertFirmware.
std::shared_ptr<EmulatedBoard> makeBootLoaderBoard(std::string path = kDemoBootLoaderPath);

/// A backend with the three boards above, all plugged in.
std::unique_ptr<EmulatedBackend> makeDemoBackend(const Clock& clock);

} // namespace orvex::hid
