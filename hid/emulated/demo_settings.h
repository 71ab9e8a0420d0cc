#pragma once
// Plausible settings the demo boards start with, so every page shows something real: LED
// modes, eight logical and eight physical axes, equalizer curves, a few buttons, encoders, a
// hat and keyboard keys.
#include "hid/emulated/falconet_firmware.h"
#include "hid/emulated/kestrel32_firmware.h"

namespace orvex::hid {

/// Fills the non-volatile parameter block and the button memory (RAM follows at power-up).
void fillFalconetDemoSettings(FalconetFirmware& firmware);
/// Fills the flash parameter block, buttons and equalizer curves included.
void fillKestrel32DemoSettings(Kestrel32Firmware& firmware);

} // namespace orvex::hid
