#include "core/common_fields.h"

#include "core/image_layout.h"

#include <array>

namespace orvex::fields {

namespace {

constexpr const char* kColourItems[] = {"Color1", "Color2", "Color1/2", "Color2/1", "Color1+2"};
constexpr const char* kLedModeItems[] = {"OFF", "Constantly", "Slow blink", "Fast blink",
                                         "Ultra fast"};
constexpr const char* kRateItems[] = {"250", "125", "83", "62", "50", "40", "33", "25"};
constexpr const char* kMouseItems[] = {"OFF", "Relative", "Absolute"};
constexpr const char* kSpiItems[] = {"OFF", "S-But", "SPI"};
constexpr const char* kThrottleItems[] = {"OFF", "----", "G940", "X52"};
constexpr const char* kBacklightItems[] = {"OFF", "Green", "Red", "Orange"};

// Four system LEDs, one byte each from `first`: colour mode in bits 3-5 (list slot 2i), mode in
// bits 0-2 (list slot 2i+1); bits 6 and 7 belong to no field and are kept.
constexpr std::array<Field, 8> ledFields(std::uint16_t first)
{
    std::array<Field, 8> leds{};
    for (std::uint8_t i = 0; i < 4; ++i) {
        const auto byte = static_cast<std::uint16_t>(first + i);
        leds[2 * i] = list(static_cast<std::uint8_t>(2 * i), kColourItems, bitsAt(byte, 3, 3));
        leds[2 * i + 1] = list(static_cast<std::uint8_t>(2 * i + 1), kLedModeItems, bitsAt(byte, 0, 3));
    }
    return leds;
}

template <std::size_t N, std::size_t M>
constexpr std::array<Field, N + M> join(const std::array<Field, N>& a, const std::array<Field, M>& b)
{
    std::array<Field, N + M> all{};
    for (std::size_t i = 0; i < N; ++i) all[i] = a[i];
    for (std::size_t i = 0; i < M; ++i) all[N + i] = b[i];
    return all;
}

// Falconet controller, 144-byte image. Bytes 2, 9..11 and byte 3 bit 2 belong to no field.
constexpr std::array<Field, 14> kFalconetHead{{
    showOnly(wordEdit(0, 0, TextForm::Hex4)), // firmware version word
    showOnly(edit(3, bitsAt(4, 4, 4))),       // "PAx" number of physical axes
    showOnly(edit(4, bitsAt(4, 0, 4))),       // "LAx" number of logical axes
    check(0, bitAt(3, 0)),                    // "Clb" calibration
    check(6, bitAt(3, 1)),                    // "Hide" vendor device
    check(5, bitAt(3, 3)),                    // "Map" logical button remapping
    check(3, bitAt(3, 4)),                    // "DR" dynamic ranging
    check(2, bitAt(3, 5)),                    // "AA" automatic axis detection
    check(1, bitAt(3, 6)),                    // "DF" dynamic filter
    check(4, bitAt(3, 7)),                    // "TB" physical button test
    edit(1, byteAt(13)),                      // "T_Tgl" toggle pulse, 8 ms units
    edit(2, byteAt(14)),                      // "T_Enc" encoder pulse
    edit(5, byteAt(15)),                      // "N_But" logical buttons
    edit(6, byteAt(12)),                      // "T_Gen" generator pulse
}};
constexpr auto kFalconetCommon = join(kFalconetHead, ledFields(5));

// Kestrel32 board, 1024-byte image. Bytes 0..7 (file check word and more), 10, 19, 23, 32, 33,
// 36..59 and byte 30 bits 3-7 belong to no field.
constexpr std::array<Field, 21> kKestrelHead{{
    showOnly(wordEdit(0, 8, TextForm::Hex4)), // firmware version word
    showOnly(edit(3, bitsAt(16, 4, 4))),      // number of physical axes (hidden)
    showOnly(edit(4, bitsAt(16, 0, 4))),      // number of logical axes (hidden)
    check(0, bitAt(11, 0)),                   // "Clb" calibration
    check(5, bitAt(11, 1)),                   // "Hide" vendor device
    check(4, bitAt(11, 2)),                   // "Kbd" keyboard use
    check(3, bitAt(11, 3)),                   // "Map" logical button remapping
    check(1, bitAt(11, 6)),                   // "DF" dynamic filter
    check(2, bitAt(11, 7)),                   // "TB" physical button test
    check(6, bitAt(28, 7)),                   // "TA" axis test
    edit(1, byteAt(20)),                      // "T_Tgl" toggle pulse, ms
    edit(2, byteAt(21)),                      // "T_Enc" encoder pulse
    edit(5, byteAt(22)),                      // "T_Gen" generator pulse
    edit(7, bitsAt(17, 3, 5)),                // "#Reg" registers on SPI1
    edit(8, bitsAt(18, 3, 5)),                // registers on SPI2
    wordEdit(9, 24),                          // screen width
    wordEdit(10, 26),                         // screen height
    edit(11, bitsAt(30, 0, 3)),               // "#Hat"
    edit(12, byteAt(29)),                     // "#But"
    edit(13, bitsAt(31, 0, 4)),               // "#Rg" external throttle button register
    edit(14, bitsAt(31, 4, 4)),               // "#Ax" external throttle axes
}};
constexpr std::array<Field, 7> kKestrelTail{{
    list(8, kSpiItems, bitsAt(17, 0, 3)),       // " SPI MODE" SPI1
    list(9, kSpiItems, bitsAt(18, 0, 3)),       // SPI2
    list(10, kMouseItems, bitsAt(11, 4, 2)),    // " Mouse"
    list(11, kRateItems, bitsAt(28, 0, 4)),     // " FPS" polling rate
    list(12, kThrottleItems, bitsAt(28, 4, 3)), // "External" throttle
    list(13, kBacklightItems, byteAt(34)),      // "P1-P4 LED"
    list(14, kBacklightItems, byteAt(35)),      // "P5-P8 LED"
}};
constexpr auto kKestrelCommon = join(join(kKestrelHead, ledFields(12)), kKestrelTail);

constexpr ImageLayout kFalconet{kFalconetImageSize, kFalconetCommon, 16, 80, 0, false, 8};
constexpr ImageLayout kKestrel32{kKestrel32ImageSize, kKestrelCommon, 60, 124, 188, true, 8};

} // namespace

const ValueList kColourModes{kColourItems};
const ValueList kLedModes{kLedModeItems};
const ValueList kPollingRates{kRateItems};
const ValueList kMouseModes{kMouseItems};
const ValueList kSpiModes{kSpiItems};
const ValueList kThrottles{kThrottleItems};
const ValueList kBacklights{kBacklightItems};

const ImageLayout* imageLayout(int kind)
{
    switch (kind) {
    case 2:
        return &kFalconet;
    case 6:
        return &kKestrel32;
    default:
        return nullptr;
    }
}

} // namespace orvex::fields
