#pragma once
// What the protocol operations of the main window check before anything goes to a board: the
// numbers in the hidden transfer fields, whether the selected board is one the tool speaks to,
// and whether a transfer fits the buffers it passes through. Refusals are shown to the user.
#include <QString>

#include <cstddef>
#include <cstdint>

class QLineEdit;

namespace orvex::app {

class TMainForm;

/// The integer in `field`; an empty text (or no field) counts as 0.
/// Throws IntConversionError for any other text that is not an integer.
std::int32_t fieldValue(const QLineEdit* field);

/// The report ID from FEATURE_REPORT_ID: the low 8 bits of its number.
std::uint8_t reportIdOf(const TMainForm& form);

/// True when a device is selected and identified as a Falconet controller or a Kestrel32 board.
/// Once the selection turns to a device the tool does not know, nothing may reach it, whatever
/// image and buttons are still left from the board before.
bool reachesKnownDevice(const TMainForm& form);

/// True when the selected device's feature report fits the transfer report and, for a block
/// transfer (`block`), has room for data behind the header; otherwise shows why and is false.
bool featureLengthUsable(const TMainForm& form, bool block);

/// True when `size` bytes at `address` fit a buffer of `room` bytes; otherwise shows why.
bool rangeFits(const TMainForm& form, std::size_t address, std::size_t size, std::size_t room);

} // namespace orvex::app
