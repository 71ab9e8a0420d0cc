#include "app/field_layout.h"

#include "app/TMainForm.h"
#include "app/field_widgets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

namespace orvex::app {

namespace {

constexpr std::uint8_t kAxesPageSelector = 1; // pages of PageControl2
constexpr std::uint16_t kRowPitch = 25;
constexpr std::uint8_t kRowNumberFontPx = 18;
constexpr std::uint16_t kRowNumberWidth = 13;

} // namespace

void createRowNumber(TMainForm& form, std::uint16_t x, std::uint16_t y, std::uint8_t row,
                     const QString& hint, std::uint8_t pageIndex)
{
    form.CreateStaticText(x, y + 18, QString::number(row + 1) + QLatin1Char('.'), kRowNumberFontPx,
                          hint, pageIndex, kAxesPageSelector);
}

QWidget* createFieldControl(TMainForm& form, fields::Control kind, FieldSlots slot,
                            const FieldPlacement& at, fields::ValueList items)
{
    QWidget* page = form.runtimePage(at.pageIndex, at.pageSelector);
    switch (kind) {
    case fields::Control::Check:
        slot.check = new QCheckBox(page);
        form.CreateCheckBox(at.width, at.left, at.top, at.caption, at.captionHeight, at.hint,
                            at.enabled, slot.check, at.pageIndex, at.pageSelector);
        return slot.check;
    case fields::Control::Edit:
        slot.edit = new QLineEdit(page);
        form.CreateEditBox(at.width, at.left, at.top, at.caption, at.captionHeight, at.hint,
                           at.enabled, slot.edit, at.pageIndex, at.pageSelector);
        return slot.edit;
    case fields::Control::List:
        slot.combo = new QComboBox(page);
        form.CreateComboBox(at.width, at.left, at.top, at.caption, at.captionHeight, at.hint,
                            at.enabled, slot.combo, at.pageIndex, at.pageSelector);
        slot.combo->addItems(itemTexts(items));
        setComboItemIndex(slot.combo, -1);
        return slot.combo;
    }
    return nullptr;
}

void buildAxisRows(TMainForm& form, const AxisPage& page, std::uint16_t& x, std::uint16_t& y,
                   std::uint8_t rows)
{
    const std::uint16_t x0 = x;
    const std::uint16_t y0 = y;
    for (std::uint8_t row = 0; row < rows; ++row) {
        const std::uint8_t captionHeight = row == 0 ? page.captionHeight : 0;
        y = static_cast<std::uint16_t>(y0 + kRowPitch * row);
        x = x0;
        createRowNumber(form, x, y, row, QString(), page.pageIndex);
        x += kRowNumberWidth;
        for (const Column& column : page.columns) {
            const std::size_t slot = column.field * 16u + row;
            // Check boxes stand 3 px lower so their marks line up with the edits' text.
            const auto top = static_cast<std::uint16_t>(column.control == fields::Control::Check ? y + 3 : y);
            QWidget* control = createFieldControl(
                form, column.control,
                FieldSlots{page.grids.edits[slot], page.grids.checks[slot], page.grids.combos[slot]},
                FieldPlacement{column.width, x, top, QString::fromUtf8(column.caption), captionHeight,
                               QString::fromUtf8(column.hint), column.enabled, page.pageIndex,
                               kAxesPageSelector},
                column.items);
            if (page.placed) page.placed(column, control);
            x += column.advance;
        }
    }
}

} // namespace orvex::app
