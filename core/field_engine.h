#pragma once
// One engine for every parameter page: a page is described by a table of fields (where the bits
// lie, which control shows them, which value list names them) and the engine copies a record
// into the controls (Show) and back (Refresh). The controls are reached through FieldControls,
// so the rules below are the same for every page and can be checked without widgets.
//
// The rules the boards' tool has always followed:
// - a field may be split over several bytes; its pieces are listed low bits first, which also
//   makes a 16-bit word little-endian;
// - Refresh writes only a field's own bits (read-modify-write of each byte) and stores the
//   integer's low bits without any range check;
// - an empty edit counts as 0; a text that is no integer throws IntConversionError and the copy
//   stops at that field, keeping what was stored before it;
// - a list without selection has the index -1 and so stores all ones in its field;
// - a list whose field holds a value with no entry shows no selection.
#include <array>
#include <cstdint>
#include <span>
#include <string>

namespace orvex::fields {

/// Kind of control a field is shown in.
enum class Control : std::uint8_t { Edit, Check, List };

/// How an edit shows its field.
enum class TextForm : std::uint8_t {
    Unsigned, ///< decimal
    Signed,   ///< decimal of the field as a two's complement number (minus sign when negative)
    Hex4,     ///< upper-case hexadecimal, at least four digits
};

/// A run of bits inside one byte of a record.
struct Piece {
    std::uint16_t byte = 0; ///< offset from the start of the record
    std::uint8_t shift = 0; ///< lowest bit, 0 = least significant
    std::uint8_t bits = 0;  ///< 1..8
};

/// The item texts of a drop-down list; the item index is the stored value. UTF-8.
using ValueList = std::span<const char* const>;

/// One field of a record and the control that shows it.
struct Field {
    Control control = Control::Edit;
    std::uint8_t slot = 0; ///< where the page keeps the control (grid field, list slot or point)
    std::array<Piece, 2> pieces{};
    std::uint8_t pieceCount = 0;
    TextForm form = TextForm::Unsigned;
    bool writeBack = true;        ///< false: shown only, never written by Refresh
    ValueList list{};             ///< items of a List control

    /// Width of the field in bits (sum of its pieces, at most 16).
    constexpr unsigned width() const
    {
        unsigned w = 0;
        for (std::uint8_t i = 0; i < pieceCount; ++i) w += pieces[i].bits;
        return w;
    }
};

/// The controls of one record (one row of an axes page, or the common settings page).
/// Implementations map slots to widgets; a slot without a control reports has() false and is
/// skipped by the engine in both directions.
class FieldControls {
public:
    virtual ~FieldControls() = default;
    virtual bool has(Control control, std::uint8_t slot) const = 0;
    virtual std::string editText(std::uint8_t slot) const = 0; ///< UTF-8
    virtual void setEditText(std::uint8_t slot, const std::string& text) = 0;
    virtual bool isChecked(std::uint8_t slot) const = 0;
    virtual void setChecked(std::uint8_t slot, bool checked) = 0;
    /// Index of the selected item, -1 when none is selected.
    virtual int itemIndex(std::uint8_t slot) const = 0;
    virtual void setItemIndex(std::uint8_t slot, int index) = 0;
};

/// The unsigned value of `field` in `record`.
/// Precondition: every piece lies inside `record` (the tables are checked by tests).
std::uint32_t readField(std::span<const std::uint8_t> record, const Field& field);

/// Stores the low bits of `value` into `field`, keeping every other bit of the bytes it shares.
void writeField(std::span<std::uint8_t> record, const Field& field, std::uint32_t value);

/// The text an edit shows for `value` of `field`.
std::string fieldText(const Field& field, std::uint32_t value);

/// Copies every field of `table` from `record` into `controls`, in table order.
void showFields(std::span<const Field> table, std::span<const std::uint8_t> record,
                FieldControls& controls);

/// Copies the controls back into `record`, in table order. Throws IntConversionError for an edit
/// whose text is no integer; the fields before it stay stored, the rest are not written.
void refreshFields(std::span<const Field> table, std::span<std::uint8_t> record,
                   const FieldControls& controls);

// Builders that keep the tables short and readable.

/// `bits` bits of byte `byte` starting at bit `shift`.
constexpr Piece bitsAt(std::uint16_t byte, std::uint8_t shift, std::uint8_t bits)
{
    return Piece{byte, shift, bits};
}
/// One bit.
constexpr Piece bitAt(std::uint16_t byte, std::uint8_t shift) { return Piece{byte, shift, 1}; }
/// A whole byte.
constexpr Piece byteAt(std::uint16_t byte) { return Piece{byte, 0, 8}; }

constexpr Field edit(std::uint8_t slot, Piece piece, TextForm form = TextForm::Unsigned)
{
    return Field{Control::Edit, slot, {piece, Piece{}}, 1, form, true, {}};
}
/// A little-endian 16-bit word at `byte`, `byte + 1`.
constexpr Field wordEdit(std::uint8_t slot, std::uint16_t byte, TextForm form = TextForm::Unsigned)
{
    return Field{Control::Edit, slot, {byteAt(byte), byteAt(static_cast<std::uint16_t>(byte + 1))},
                 2, form, true, {}};
}
constexpr Field check(std::uint8_t slot, Piece piece)
{
    return Field{Control::Check, slot, {piece, Piece{}}, 1, TextForm::Unsigned, true, {}};
}
constexpr Field list(std::uint8_t slot, ValueList items, Piece low, Piece high = Piece{})
{
    return Field{Control::List, slot, {low, high}, static_cast<std::uint8_t>(high.bits ? 2 : 1),
                 TextForm::Unsigned, true, items};
}
/// The same field, shown but never written back.
constexpr Field showOnly(Field field)
{
    field.writeBack = false;
    return field;
}

} // namespace orvex::fields
