// The logical axes page: one row per axis the board reports to the host, with its source
// physical axis, HID usage, size, resolution and dead zones. Each row edits the axis's 8-byte
// record. Changing a HID usage confuses the host's joystick settings, so the first time a
// usage list is entered in a run the user is warned once.
#include "app/TMainForm.h"
#include "app/event_guard.h"
#include "app/field_controls.h"
#include "app/field_layout.h"
#include "app/field_widgets.h"
#include "app/prompts.h"
#include "core/axis_fields.h"

#include <QComboBox>
#include <QTabWidget>

namespace orvex::app {

namespace {

using fields::Control;

constexpr std::uint8_t kPageIndex = 1; // LA_TAB
constexpr std::uint8_t kCaptionHeight = 9;

// Check boxes " 7" and " 8" have no field in the record: they always show clear.
const Column kColumns[] = {
    {Control::Check, 0, "En", " вкл/выкл ", 12, true, 17},
    {Control::Check, 1, " Vs", "Видимость в HID", 12, true, 17},
    {Control::Check, 2, " In", "Логическая инверсия оси", 12, true, 17},
    {Control::Check, 3, " Cn", "ось с центром", 12, true, 17},
    {Control::Check, 4, " 5", " (опция) ", 12, false, 15},
    {Control::Check, 5, " 6", " (опция) ", 12, false, 17},
    {Control::Check, 6, " 7", " (опция)", 12, false, 17},
    {Control::Check, 7, " 8", "(опция)", 12, false, 22},
    {Control::Edit, 0, "  ID", "ID физической оси (0-15)", 20, false, 23},
    {Control::Edit, 1, "  Size", "размер данных(смещённый +1[0=1]), полубайт ", 35, false, 38},
    {Control::Edit, 2, " Precis", "Разрядность оси (макс – 15 бит)", 35, true, 38},
    {Control::List, 0, "  HID Usage", "HID_Usage", 75, true, 78, fields::kHidUsages},
    {Control::Edit, 3, " Dz Lo", "МЗ в центре или снизу, *0.1% (0-255)", 35, true, 38},
    {Control::Edit, 4, " Dz Hi", "МЗ сверху, *0.1% (0-255)", 35, true, 38},
    {Control::Edit, 5, " Aux1", "Опция AUX1 (0-255)", 35, false, 38},
    {Control::Edit, 6, " Aux2", "Опция AUX2 (0-255)", 35, false, 38},
    {Control::Edit, 7, " Aux3", "Опция AUX3 (0-255)", 35, false, 38},
};

GridControls rowControls(TMainForm& form, std::uint8_t axis)
{
    return GridControls(form.LogAxisEdits, form.LogAxisChecks, form.LogAxisCombos, axis, 16);
}

} // namespace

void TMainForm::TabSheetLogicalAxesActivate(std::uint16_t& x, std::uint16_t& y, std::uint8_t rows)
{
    PageControl2->setTabVisible(PageControl2->indexOf(LA_TAB), true);
    PageControl2->setTabText(PageControl2->indexOf(LA_TAB), QStringLiteral("Логические оси"));
    const AxisPage page{kPageIndex, kCaptionHeight, kColumns,
                        AxisGrids{LogAxisEdits, LogAxisChecks, LogAxisCombos},
                        [this](const Column& column, QWidget* control) {
                            if (column.control != Control::List) return;
                            auto* usage = static_cast<QComboBox*>(control);
                            setOnEnter(usage, [this, usage] {
                                runGuarded(services().prompts,
                                           [this, usage] { f_Combo_HID_USAGE_click(usage); });
                            });
                        }};
    buildAxisRows(*this, page, x, y, rows);
}

void TMainForm::ShowLogicalAxis(const std::uint8_t* record, std::uint8_t axis)
{
    GridControls row = rowControls(*this, axis);
    fields::showFields(fields::logicalAxisFields(), {record, fields::kAxisRecordSize}, row);
}

void TMainForm::RefreshLogicalAxis(std::uint8_t* record, std::uint8_t axis)
{
    const GridControls row = rowControls(*this, axis);
    fields::refreshFields(fields::logicalAxisFields(), {record, fields::kAxisRecordSize}, row);
}

void TMainForm::f_Combo_HID_USAGE_click(QComboBox*)
{
    if (HidUsageWarned) return;
    HidUsageWarned = true;
    services().prompts.messageBox(
        QStringLiteral("Операционная система Windows не всегда адекватно реагирует на смену "
                       "названий осей HID, поэтому стандартные значения изменять не "
                       "рекомендуется!"),
        QStringLiteral("!!! Внимание !!!"), Prompts::Icon::Error);
}

} // namespace orvex::app
