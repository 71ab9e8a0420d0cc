#pragma once
// The records of the axes pages: one 8-byte record per physical axis, one 8-byte record per
// logical axis and one 10-byte equalizer record per axis. Slots are the grid fields of the
// page's controls (the page adds the axis number); the tables are in the order the records are
// copied back, which decides what stays stored when a conversion fails half-way.
#include "core/field_engine.h"

#include <cstddef>
#include <span>

namespace orvex::fields {

inline constexpr std::size_t kAxisRecordSize = 8;
inline constexpr std::size_t kEqualizerRecordSize = 10;
inline constexpr std::size_t kEqualizerStoredPoints = 10; ///< points 0 %..90 %; 100 % is never stored
inline constexpr std::size_t kEqualizerPoints = 11;

/// Items of the physical axis " Input" list; the two input-type bits are the item index.
extern const ValueList kInputTypes;
/// Items of the logical axis "  HID Usage" list; only the index is stored, never a usage code.
extern const ValueList kHidUsages;

/// Physical-axis record. Check slots 0 "AC", 1 " Cl", 2 " R", 4 "Dir", 6 "Eq"; list slot 0
/// " Input"; edit slots 0 " Bind", 1 " MPL", 2 " Filter", 3 " DFT", 4 " KdHi", 5 " KdLo",
/// 6 "  Bias", 7 "Base", 8 " Aux1".
std::span<const Field> physicalAxisFields();

/// Logical-axis record. Edit slots 0 "  ID", 1 "  Size", 2 " Precis", 3 " Dz Lo", 4 " Dz Hi",
/// 5..7 " Aux1".." Aux3"; list slot 0 "  HID Usage"; check slots 0 "En", 1 " Vs", 2 " In",
/// 3 " Cn", 4 " 5", 5 " 6". Byte 2 bits 6 and 7 belong to no field and are never written.
std::span<const Field> logicalAxisFields();

/// Equalizer record: edit slot p is point p (0..9), one byte each.
std::span<const Field> equalizerFields();

} // namespace orvex::fields
