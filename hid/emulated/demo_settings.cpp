#include "hid/emulated/demo_settings.h"

#include "core/image_layout.h"

#include <cmath>
#include <initializer_list>
#include <span>
#include <utility>

namespace orvex::hid {

namespace {

using Bytes = std::span<std::uint8_t>;
using Settings = std::initializer_list<std::pair<std::size_t, std::uint8_t>>;

void put(Bytes block, Settings settings)
{
    for (const auto& [offset, value] : settings)
        block[offset] = value;
}

// Falconet common settings: version word 1.05; calibrated, dynamic filter and automatic axis
// detection on; 8 physical and 6 logical axes; four system LEDs in different colour and blink
// modes; pulse lengths in 8 ms units; 32 logical buttons.
constexpr Settings kFalconetCommon{
    {0, 0x05}, {1, 0x01}, {3, 0x61}, {4, 0x86},
    {5, 0x01}, {6, 0x0A}, {7, 0x13}, {8, 0x20},
    {12, 5}, {13, 10}, {14, 3}, {15, 32}};

// Kestrel32 common settings: version word 2.03; calibrated, keyboard and remapping on, dynamic
// filter on; LEDs; 8 and 8 axes; SPI1 as shift register chain of 4, SPI2 as button port of 2;
// pulse lengths in ms; 1920 x 1080 screen; 125 Hz polling; 48 buttons, one hat; backlights.
constexpr Settings kKestrel32Common{
    {8, 0x03}, {9, 0x02}, {11, 0x4D},
    {12, 0x09}, {13, 0x12}, {14, 0x1B}, {15, 0x01}, {16, 0x88},
    {17, 0x22}, {18, 0x11}, {20, 40}, {21, 5}, {22, 60},
    {24, 0x80}, {25, 0x07}, {26, 0x38}, {27, 0x04},
    {28, 0x01}, {29, 48}, {30, 1}, {34, 1}, {35, 2}};

constexpr std::size_t kAxes = 8;
constexpr std::size_t kAxisRecord = 8;
constexpr std::size_t kEnabledLogicalAxes = 6;

/// Logical axis n: fed by physical axis n, on and visible for the first six, X/Y centred,
/// 16-bit data, 10-bit resolution, small dead zones.
void putLogicalAxes(Bytes records)
{
    for (std::size_t n = 0; n < kAxes; ++n) {
        const bool on = n < kEnabledLogicalAxes;
        const auto source = static_cast<std::uint8_t>(n);
        Bytes r = records.subspan(n * kAxisRecord, kAxisRecord);
        r[0] = static_cast<std::uint8_t>(source | (on ? 0x30 : 0x00) | (n < 2 ? 0x80 : 0x00));
        r[1] = static_cast<std::uint8_t>(n | 0x10);
        r[2] = 10;
        r[3] = on ? 5 : 0;
        r[4] = on ? 3 : 0;
    }
}

/// Physical axis n: analog input bound to channel n, auto-calibrated, X/Y auto-centred,
/// multiplier 8, filter 2, small zero offsets; `equalized` switches the response curve on.
void putPhysicalAxes(Bytes records, bool equalized)
{
    for (std::size_t n = 0; n < kAxes; ++n) {
        Bytes r = records.subspan(n * kAxisRecord, kAxisRecord);
        r[0] = static_cast<std::uint8_t>((n << 4) | 0x08 | 0x02 | (n < 2 ? 0x01 : 0x00));
        r[1] = static_cast<std::uint8_t>(8 | (2 << 5));
        r[2] = 20;
        r[3] = static_cast<std::uint8_t>((n % 2 != 0 ? 0x04 : 0x00) | (equalized ? 0x10 : 0x00));
        r[4] = 200;
        r[5] = 50;
        const auto bias = static_cast<std::uint16_t>(static_cast<std::int16_t>(5 * n) - 12);
        r[6] = static_cast<std::uint8_t>(bias & 0xFF);
        r[7] = static_cast<std::uint8_t>(bias >> 8);
    }
}

/// Ten stored points per axis, cycling through linear, progressive, soft and S-shaped curves.
void putEqualizer(Bytes records)
{
    constexpr std::size_t kPoints = 10;
    for (std::size_t n = 0; n < kAxes; ++n) {
        for (std::size_t p = 0; p < kPoints; ++p) {
            const double x = static_cast<double>(p) / kPoints;
            const double curves[] = {x, x * x, std::sqrt(x), x * x * (3 - 2 * x)};
            records[n * kPoints + p] = static_cast<std::uint8_t>(std::lround(255 * curves[n % 4]));
        }
    }
}

/// Physical inputs: 24 plain buttons, one encoder on inputs 25/26, a shift key, a toggle,
/// a four-way hat; the rest unassigned. The boards store the encoder pair differently.
void putPhysicalButtons(Bytes block, bool kestrel32)
{
    std::fill(block.begin(), block.end(), 0x00);
    auto record = [&](std::size_t i, std::uint8_t code, std::uint8_t parameter) {
        block[2 * i] = code;
        block[2 * i + 1] = parameter;
    };
    for (std::uint8_t i = 0; i < 24; ++i)
        record(i, static_cast<std::uint8_t>(0x80 | i), 0xFF);
    if (kestrel32) {
        record(24, 0x61, 24);
        record(25, 25, 26);
    } else {
        record(24, 0x60, 24);
        record(25, 0x60, 25);
    }
    record(26, 0x49, 0xFF);
    record(27, 0x5A, 27);
    for (std::uint8_t k = 0; k < 4; ++k)
        record(28u + k, static_cast<std::uint8_t>(0x38 + k), 0);
}

/// Logical buttons: 32 plain buttons, the key A, Ctrl+C, and (Falconet) a mouse button; the
/// rest as erased memory.
void putLogicalButtons(Bytes block, bool kestrel32)
{
    std::fill(block.begin(), block.end(), 0xFF);
    for (std::uint8_t i = 0; i < 32; ++i)
        block[2 * i] = static_cast<std::uint8_t>(0x80 | i);
    put(block, {{64, 0x03}, {65, 0xFF}, {66, 0x05}, {67, 0x00}});
    if (!kestrel32)
        put(block, {{68, 103}, {69, 0xFF}});
}

} // namespace

void fillFalconetDemoSettings(FalconetFirmware& firmware)
{
    Bytes block(firmware.nonVolatile());
    put(block, kFalconetCommon);
    putLogicalAxes(block.subspan(16, kAxes * kAxisRecord));
    putPhysicalAxes(block.subspan(80, kAxes * kAxisRecord), false);
    Bytes buttons(firmware.buttonMemory());
    putPhysicalButtons(buttons.subspan(kPhysButtonsAddress, kButtonBlockSize), false);
    putLogicalButtons(buttons.subspan(kLogButtonsAddress, kButtonBlockSize), false);
}

void fillKestrel32DemoSettings(Kestrel32Firmware& firmware)
{
    Bytes block(firmware.nonVolatile());
    put(block, kKestrel32Common);
    putLogicalAxes(block.subspan(60, kAxes * kAxisRecord));
    putPhysicalAxes(block.subspan(124, kAxes * kAxisRecord), true);
    putEqualizer(block.subspan(188, 80));
    putPhysicalButtons(block.subspan(kKestrel32PhysButtonsOffset, kButtonBlockSize), true);
    putLogicalButtons(block.subspan(kKestrel32LogButtonsOffset, kButtonBlockSize), true);
}

} // namespace orvex::hid
