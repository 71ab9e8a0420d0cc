#include "core/field_engine.h"

#include "core/int_text.h"

#include <cstdio>

namespace orvex::fields {

namespace {

constexpr std::uint8_t pieceMask(const Piece& piece)
{
    return static_cast<std::uint8_t>(((1u << piece.bits) - 1u) << piece.shift);
}

// An empty edit counts as 0; anything else goes through the tool's integer conversion, which
// throws with the message the user sees.
std::int32_t editValue(const std::string& text)
{
    return text.empty() ? 0 : orvex::StrToInt(text);
}

} // namespace

std::uint32_t readField(std::span<const std::uint8_t> record, const Field& field)
{
    std::uint32_t value = 0;
    unsigned position = 0;
    for (std::uint8_t i = 0; i < field.pieceCount; ++i) {
        const Piece& piece = field.pieces[i];
        const std::uint32_t part = (record[piece.byte] & pieceMask(piece)) >> piece.shift;
        value |= part << position;
        position += piece.bits;
    }
    return value;
}

void writeField(std::span<std::uint8_t> record, const Field& field, std::uint32_t value)
{
    unsigned position = 0;
    for (std::uint8_t i = 0; i < field.pieceCount; ++i) {
        const Piece& piece = field.pieces[i];
        const std::uint8_t mask = pieceMask(piece);
        const std::uint32_t part = (value >> position) << piece.shift;
        std::uint8_t& byte = record[piece.byte];
        byte = static_cast<std::uint8_t>((byte & ~mask) | (part & mask));
        position += piece.bits;
    }
}

std::string fieldText(const Field& field, std::uint32_t value)
{
    char text[16];
    switch (field.form) {
    case TextForm::Hex4:
        std::snprintf(text, sizeof text, "%04X", static_cast<unsigned>(value));
        break;
    case TextForm::Signed: {
        const unsigned width = field.width();
        const std::int32_t signedValue =
            (width < 32 && (value >> (width - 1)) & 1u)
                ? static_cast<std::int32_t>(value) - static_cast<std::int32_t>(1u << width)
                : static_cast<std::int32_t>(value);
        std::snprintf(text, sizeof text, "%d", static_cast<int>(signedValue));
        break;
    }
    case TextForm::Unsigned:
        std::snprintf(text, sizeof text, "%u", static_cast<unsigned>(value));
        break;
    }
    return text;
}

void showFields(std::span<const Field> table, std::span<const std::uint8_t> record,
                FieldControls& controls)
{
    for (const Field& field : table) {
        if (!controls.has(field.control, field.slot)) continue;
        const std::uint32_t value = readField(record, field);
        switch (field.control) {
        case Control::Edit:
            controls.setEditText(field.slot, fieldText(field, value));
            break;
        case Control::Check:
            controls.setChecked(field.slot, value != 0);
            break;
        case Control::List:
            controls.setItemIndex(field.slot,
                                  value < field.list.size() ? static_cast<int>(value) : -1);
            break;
        }
    }
}

void refreshFields(std::span<const Field> table, std::span<std::uint8_t> record,
                   const FieldControls& controls)
{
    for (const Field& field : table) {
        if (!field.writeBack || !controls.has(field.control, field.slot)) continue;
        std::int32_t value = 0;
        switch (field.control) {
        case Control::Edit:
            value = editValue(controls.editText(field.slot));
            break;
        case Control::Check:
            value = controls.isChecked(field.slot) ? 1 : 0;
            break;
        case Control::List:
            value = controls.itemIndex(field.slot);
            break;
        }
        // Two's complement keeps the low bits: -1 becomes all ones, -5 in a byte 251.
        writeField(record, field, static_cast<std::uint32_t>(value));
    }
}

} // namespace orvex::fields
