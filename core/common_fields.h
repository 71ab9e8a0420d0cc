#pragma once
// Where the configuration image of each board kind keeps its device-wide settings and its
// axes records, and which control of the common settings page shows each field. Slots are the
// indexes into the page's three lists (CommonEdits, CommonChecks, CommonCombos). The tables are
// in the order the page copies its controls back into the image.
#include "core/field_engine.h"

#include <cstdint>
#include <span>

namespace orvex::fields {

/// Value lists of the common settings page (the item index is the stored value).
extern const ValueList kColourModes;   ///< system LED colour mode
extern const ValueList kLedModes;      ///< system LED mode
extern const ValueList kPollingRates;  ///< data polling rate in Hz
extern const ValueList kMouseModes;
extern const ValueList kSpiModes;
extern const ValueList kThrottles;     ///< external throttle
extern const ValueList kBacklights;    ///< backlight of buttons P1..P8

/// Everything the pages need to know about one kind's configuration image.
struct ImageLayout {
    std::uint16_t imageSize = 0;
    std::span<const Field> common;    ///< fields of the common settings page, offsets in the image
    std::uint16_t logicalAxes = 0;    ///< offset of the first logical-axis record
    std::uint16_t physicalAxes = 0;   ///< offset of the first physical-axis record
    std::uint16_t equalizer = 0;      ///< offset of the first equalizer record
    bool hasEqualizer = false;
    std::uint8_t axes = 8;            ///< records of each axes page
};

/// The layout of device kind `kind`, or nullptr for a kind without a configuration image.
const ImageLayout* imageLayout(int kind);

} // namespace orvex::fields
