// The physical axes page: one row per physical input of the board with the settings by which it
// is read, filtered and scaled. Each row edits the axis's 8-byte record.
#include "app/TMainForm.h"
#include "app/field_controls.h"
#include "app/field_layout.h"
#include "core/axis_fields.h"

#include <QCheckBox>
#include <QTabWidget>

namespace orvex::app {

namespace {

using fields::Control;

constexpr std::uint8_t kPageIndex = 0; // PA_TAB
constexpr std::uint8_t kCaptionHeight = 13;
constexpr std::uint8_t kEqualizerSwitchField = 6;

const Column kColumns[] = {
    {Control::Check, 0, "AC", "Автоцентровка", 12, true, 17},
    {Control::Check, 1, " Cl", "Автокалибровка", 12, true, 17},
    {Control::Check, 2, " R", "Физическая инверсия данных", 12, true, 20},
    {Control::Check, 4, "Dir", "Направление", 12, true, 20},
    {Control::Check, kEqualizerSwitchField, "Eq", "Эквалайзер характеристики", 12, true, 20},
    {Control::List, 0, " Input", "Тип входных данных", 75, true, 83, fields::kInputTypes},
    {Control::Edit, 0, " Bind", "Привязка к физическому каналу (0-7)", 25, false, 25},
    {Control::Edit, 1, " MPL", "Множитель (1-15)", 25, true, 25},
    {Control::Edit, 2, " Filter", "Уровень фильтра (0-7)", 25, true, 28},
    {Control::Edit, 3, " DFT", "Порог динамического фильтра (0-255)", 28, true, 31},
    {Control::Edit, 4, " KdHi", "Коэффициент High (1-255)", 30, true, 33},
    {Control::Edit, 5, " KdLo", "Коэффициент Low (1-255)", 30, true, 33},
    {Control::Edit, 6, "  Bias", " Смещения нуля (± 31000)", 38, false, 41},
    {Control::Edit, 7, "Base", "Базовый квадрант (0-3)", 23, false, 26},
    {Control::Edit, 8, " Aux1", "Опция AUX1 (0-32)", 25, false, 28},
};

GridControls rowControls(TMainForm& form, std::uint8_t axis)
{
    return GridControls(form.PhysAxisEdits, form.PhysAxisChecks, form.PhysAxisCombos, axis, 16);
}

} // namespace

void TMainForm::TabSheetPhysicalAxesActivate(std::uint16_t& x, std::uint16_t& y, std::uint8_t rows)
{
    PageControl2->setTabVisible(PageControl2->indexOf(PA_TAB), true);
    PageControl2->setTabText(PageControl2->indexOf(PA_TAB), QStringLiteral("Физические оси"));
    const bool falconet = deviceKind() == kKindFalconet;
    const AxisPage page{kPageIndex, kCaptionHeight, kColumns,
                        AxisGrids{PhysAxisEdits, PhysAxisChecks, PhysAxisCombos},
                        [falconet](const Column& column, QWidget* control) {
                            // The Falconet controller has no response equalizer: its switch
                            // still shows and keeps the bit, but cannot be changed.
                            if (falconet && column.control == Control::Check &&
                                column.field == kEqualizerSwitchField)
                                control->setEnabled(false);
                        }};
    buildAxisRows(*this, page, x, y, rows);
}

void TMainForm::ShowPhysicalAxis(const std::uint8_t* record, std::uint8_t axis)
{
    GridControls row = rowControls(*this, axis);
    fields::showFields(fields::physicalAxisFields(), {record, fields::kAxisRecordSize}, row);
}

void TMainForm::RefreshPhysicalAxis(std::uint8_t* record, std::uint8_t axis)
{
    const GridControls row = rowControls(*this, axis);
    fields::refreshFields(fields::physicalAxisFields(), {record, fields::kAxisRecordSize}, row);
}

} // namespace orvex::app
