#pragma once
// The rows of the axes pages are described as columns (control kind, grid field, caption, hint,
// width, enabled state, gap to the next column); one builder places them for every row.
#include "core/field_engine.h"

#include <QString>

#include <array>
#include <cstdint>
#include <functional>
#include <span>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QWidget;

namespace orvex::app {

class TMainForm;

/// One column of an axes page row.
struct Column {
    fields::Control control;
    std::uint8_t field;       ///< grid field: the control of axis a is kept at field * 16 + a
    const char* caption;      ///< UTF-8, shown above row 0 only; spaces are part of it
    const char* hint;         ///< UTF-8
    std::uint16_t width;
    bool enabled;
    std::uint8_t advance;     ///< x advance after this column
    fields::ValueList items{}; ///< items of a list column
};

/// The grids of one axes page.
struct AxisGrids {
    std::array<QLineEdit*, 256>& edits;
    std::array<QCheckBox*, 256>& checks;
    std::array<QComboBox*, 256>& combos;
};

/// Where an axes page stands and how its rows look.
struct AxisPage {
    std::uint8_t pageIndex;        ///< page of PageControl2
    std::uint8_t captionHeight;    ///< font height of the column captions (row 0 only)
    std::span<const Column> columns;
    AxisGrids grids;
    /// Called for every control right after it is placed (and a list filled with its items).
    std::function<void(const Column&, QWidget*)> placed;
};

/// The grid slots a new field control may go to; the one of its kind receives it.
struct FieldSlots {
    QLineEdit*& edit;
    QCheckBox*& check;
    QComboBox*& combo;
};

/// Where and how the factory places a field control.
struct FieldPlacement {
    std::uint16_t width;
    std::uint16_t left;
    std::uint16_t top;
    QString caption;
    std::uint8_t captionHeight;
    QString hint;
    bool enabled;
    std::uint8_t pageIndex;
    std::uint8_t pageSelector;
};

/// Creates a control of `kind` on its page, stores it in its slot and places it through the
/// factory; a list gets `items` and shows no selection until a read. Returns the control.
QWidget* createFieldControl(TMainForm& form, fields::Control kind, FieldSlots slot,
                            const FieldPlacement& at, fields::ValueList items);

/// Builds `rows` rows starting at (x, y), 25 px apart: a row-number label, then the columns.
/// On return x and y hold the running position after the last control.
void buildAxisRows(TMainForm& form, const AxisPage& page, std::uint16_t& x, std::uint16_t& y,
                   std::uint8_t rows);

/// The row-number label of row `row` (caption "1.", "2.", ...), standing at (x - 3, y + 2).
void createRowNumber(TMainForm& form, std::uint16_t x, std::uint16_t y, std::uint8_t row,
                     const QString& hint, std::uint8_t pageIndex);

} // namespace orvex::app
