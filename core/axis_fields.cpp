#include "core/axis_fields.h"

namespace orvex::fields {

namespace {

constexpr const char* kInputTypeItems[] = {"D_Sensa", "Analog", "Analog-TS", "Virtual"};
constexpr const char* kHidUsageItems[] = {"X",  "Y",  "Z",  "Rx",      "Ry",     "Rz",
                                          "Slider", "Dial", "Wheel", "Vx", "Vy", "Vz",
                                          "Aileron", "Rudder", "Throttle", "Flaps"};

// The input type is split: its low bit is byte 0 bit 3, its high bit byte 3 bit 3.
constexpr Field kPhysicalAxis[] = {
    check(0, bitAt(0, 0)), // "AC" auto-centring
    check(1, bitAt(0, 1)), // " Cl" auto-calibration
    check(2, bitAt(0, 2)), // " R" physical inversion
    check(4, bitAt(3, 2)), // "Dir" direction
    list(0, kInputTypeItems, bitAt(0, 3), bitAt(3, 3)),
    check(6, bitAt(3, 4)),          // "Eq" response equalizer
    edit(0, bitsAt(0, 4, 4)),       // " Bind" physical channel
    edit(1, bitsAt(1, 0, 5)),       // " MPL" multiplier
    edit(2, bitsAt(1, 5, 3)),       // " Filter" filter level
    edit(3, byteAt(2)),             // " DFT" dynamic filter threshold
    edit(4, byteAt(4)),             // " KdHi"
    edit(5, byteAt(5)),             // " KdLo"
    wordEdit(6, 6, TextForm::Signed), // "  Bias" zero offset
    edit(7, bitsAt(3, 0, 2)),       // "Base" base quadrant
    edit(8, bitsAt(3, 5, 3)),       // " Aux1"
};

constexpr Field kLogicalAxis[] = {
    edit(0, bitsAt(0, 0, 4)), // "  ID" source physical axis
    edit(1, bitsAt(1, 4, 4)), // "  Size" data size nibble (offset by one)
    edit(2, bitsAt(2, 0, 4)), // " Precis" resolution in bits
    edit(3, byteAt(3)),       // " Dz Lo"
    edit(4, byteAt(4)),       // " Dz Hi"
    edit(5, byteAt(5)),       // " Aux1"
    edit(6, byteAt(6)),       // " Aux2"
    edit(7, byteAt(7)),       // " Aux3"
    list(0, kHidUsageItems, bitsAt(1, 0, 4)),
    check(0, bitAt(0, 4)), // "En" axis on
    check(1, bitAt(0, 5)), // " Vs" visible in the HID report
    check(2, bitAt(0, 6)), // " In" logical inversion
    check(3, bitAt(0, 7)), // " Cn" axis with centre
    check(4, bitAt(2, 4)), // " 5" option 5
    check(5, bitAt(2, 5)), // " 6" option 6
};

constexpr Field kEqualizer[] = {
    edit(0, byteAt(0)), edit(1, byteAt(1)), edit(2, byteAt(2)), edit(3, byteAt(3)),
    edit(4, byteAt(4)), edit(5, byteAt(5)), edit(6, byteAt(6)), edit(7, byteAt(7)),
    edit(8, byteAt(8)), edit(9, byteAt(9)),
};

} // namespace

const ValueList kInputTypes{kInputTypeItems};
const ValueList kHidUsages{kHidUsageItems};

std::span<const Field> physicalAxisFields() { return kPhysicalAxis; }
std::span<const Field> logicalAxisFields() { return kLogicalAxis; }
std::span<const Field> equalizerFields() { return kEqualizer; }

} // namespace orvex::fields
