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

void buildAxisRows(TMainForm& form, const AxisPage& page, std::uint16_t& x, std::uint16_t& y,
                   std::uint8_t rows)
{
    const std::uint16_t x0 = x;
    const std::uint16_t y0 = y;
    QWidget* tab = form.runtimePage(page.pageIndex, kAxesPageSelector);
    for (std::uint8_t row = 0; row < rows; ++row) {
        const std::uint8_t captionHeight = row == 0 ? page.captionHeight : 0;
        y = static_cast<std::uint16_t>(y0 + kRowPitch * row);
        x = x0;
        createRowNumber(form, x, y, row, QString(), page.pageIndex);
        x += kRowNumberWidth;
        for (const Column& column : page.columns) {
            const std::size_t slot = column.field * 16u + row;
            const QString caption = QString::fromUtf8(column.caption);
            const QString hint = QString::fromUtf8(column.hint);
            QWidget* control = nullptr;
            switch (column.control) {
            case fields::Control::Check: {
                auto* box = new QCheckBox(tab);
                page.grids.checks[slot] = box;
                form.CreateCheckBox(column.width, x, y + 3, caption, captionHeight, hint,
                                    column.enabled, box, page.pageIndex, kAxesPageSelector);
                control = box;
                break;
            }
            case fields::Control::Edit: {
                auto* edit = new QLineEdit(tab);
                page.grids.edits[slot] = edit;
                form.CreateEditBox(column.width, x, y, caption, captionHeight, hint,
                                   column.enabled, edit, page.pageIndex, kAxesPageSelector);
                control = edit;
                break;
            }
            case fields::Control::List: {
                auto* combo = new QComboBox(tab);
                page.grids.combos[slot] = combo;
                form.CreateComboBox(column.width, x, y, caption, captionHeight, hint,
                                    column.enabled, combo, page.pageIndex, kAxesPageSelector);
                combo->addItems(itemTexts(column.items));
                setComboItemIndex(combo, -1); // a new list shows no selection until a read
                control = combo;
                break;
            }
            }
            if (page.placed) page.placed(column, control);
            x += column.advance;
        }
    }
}

} // namespace orvex::app
