// The common settings page: device-wide settings of the Falconet controller and the Kestrel32
// board, laid over GroupBoxCommon (and, for the Kestrel32 board, GroupBox6). Building it also
// selects the configuration image of the kind and has the axes pages built; ShowParam and
// RefreshParam copy the whole image to every page and back.
#include "app/TMainForm.h"
#include "app/field_controls.h"
#include "app/field_layout.h"
#include "app/field_widgets.h"
#include "core/axis_fields.h"
#include "core/common_fields.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>

#include <span>

namespace orvex::app {

namespace {

using fields::Control;

enum class State : std::uint8_t {
    Enabled,
    Disabled,      ///< created disabled, so the factory greys it
    DisabledAfter, ///< created enabled and disabled at once: keeps the normal colours
    Hidden,        ///< created disabled and hidden: carries a value only
};
enum class Anchor : std::uint8_t { Common, Strip }; // GroupBoxCommon or GroupBox6

/// One control of the page. `left` is relative to the anchor's left edge, `top` to the row the
/// anchor's controls stand on (30 px below GroupBoxCommon's top, 28 px below GroupBox6's).
struct CommonControl {
    Control control;
    std::uint8_t slot;
    std::uint16_t left;
    std::uint8_t top;
    std::uint16_t width;
    State state;
    const char* caption; ///< UTF-8; empty: no label
    const char* hint;    ///< UTF-8
    fields::ValueList items{};
    Anchor anchor = Anchor::Common;
};

constexpr std::uint8_t kLabelHeight = 13;
constexpr std::uint8_t kListLabelHeight = 11;
constexpr int kRowAOffset = 30;
constexpr int kStripRowOffset = 28;
constexpr std::uint16_t kStandardLeft = 15;

const CommonControl kFalconetPage[] = {
    {Control::Check, 2, 120, 3, 18, State::Enabled, "AA", " Автоопределение осей"},
    {Control::Check, 3, 149, 3, 18, State::Enabled, "DR", "Динамическое ранжирование"},
    {Control::Check, 4, 178, 3, 18, State::Enabled, "TB", "Тест физических кнопок"},
    {Control::Check, 5, 207, 3, 18, State::Enabled, "Map", "Включение ремаппинга лог.кнопок Option2"},
    {Control::Check, 6, 236, 3, 18, State::Enabled, "Hide", "Vendor-device"},
    {Control::Edit, 1, 262, 0, 25, State::Enabled, "T_Tgl", "Длительность импульса тумблера, *8mS"},
    {Control::Edit, 2, 305, 0, 25, State::Enabled, "T_Enc", "Длительность импульса энкодера, *8mS"},
    {Control::Edit, 6, 348, 0, 25, State::Enabled, "T_Gen", "Длительность импульса генератора, *8mS"},
    {Control::Edit, 3, 391, 0, 18, State::Disabled, "PAx", "Физические оси"},
    {Control::Edit, 4, 427, 0, 18, State::Disabled, "LAx", "Логические оси"},
    {Control::Edit, 5, 463, 0, 25, State::Enabled, "N_But",
     "Максимальное число логических кнопок (не более 128)"},
    {Control::List, 0, 506, 0, 75, State::Enabled, " SysLedMode0", "COLOR MODE SYSLED  ", fields::kColourModes},
    {Control::List, 1, 506, 23, 75, State::Enabled, "", "Режим светодиода", fields::kLedModes},
    {Control::List, 2, 586, 0, 75, State::Enabled, " SysLedMode1", "COLOR MODE SYSLED  ", fields::kColourModes},
    {Control::List, 3, 586, 23, 75, State::Enabled, "", "Режим светодиода", fields::kLedModes},
    {Control::List, 4, 666, 0, 75, State::Enabled, " SysLedMode2", "COLOR MODE SYSLED  ", fields::kColourModes},
    {Control::List, 5, 666, 23, 75, State::Enabled, "", "Режим светодиода", fields::kLedModes},
    {Control::List, 6, 746, 0, 75, State::Enabled, " SysLedMode3", "COLOR MODE SYSLED  ", fields::kColourModes},
    {Control::List, 7, 746, 23, 75, State::Enabled, "", "Режим светодиода", fields::kLedModes},
};

// Three value carriers on a hidden row below the strip, made before the standard strip.
const CommonControl kKestrelCarriers[] = {
    {Control::Edit, 6, 15, 40, 58, State::Hidden, "", "CPU ID"},
    {Control::Edit, 3, 84, 40, 18, State::Hidden, "", "Физические оси"},
    {Control::Edit, 4, 107, 40, 18, State::Hidden, "", "Логические оси"},
};

const CommonControl kKestrelPage[] = {
    {Control::Check, 2, 120, 3, 18, State::Enabled, "TB", "Тест физических кнопок"},
    {Control::List, 11, 143, 40, 55, State::Enabled, " FPS", "Частота опроса данных, Гц", fields::kPollingRates},
    {Control::Edit, 11, 203, 40, 20, State::Enabled, "#Hat", "Число хаток 0...4"},
    {Control::Edit, 12, 228, 40, 25, State::Enabled, "#But", "Число логических кнопок 0...128"},
    {Control::Check, 6, 143, 3, 18, State::Enabled, "TA", "Тест осей"},
    {Control::Check, 3, 166, 3, 18, State::Enabled, "Map", "Включение ремаппинга лог.кнопок Option2"},
    {Control::Check, 4, 189, 3, 18, State::Enabled, "Kbd", "Использование клавиатуры"},
    {Control::Check, 5, 212, 3, 18, State::Enabled, "Hide", "Vendor-device"},
    {Control::Edit, 1, 235, 0, 25, State::Enabled, "T_Tgl", "Длительность импульса тумблера, mS"},
    {Control::Edit, 2, 268, 0, 25, State::Enabled, "T_Enc", "Длительность импульса энкодера, mS"},
    {Control::Edit, 5, 301, 0, 25, State::Enabled, "T_Gen", "Длительность импульса генератора, mS"},
    {Control::List, 10, 341, 0, 65, State::DisabledAfter, " Mouse", "Использование мыши ", fields::kMouseModes},
    {Control::Edit, 9, 341, 23, 31, State::DisabledAfter, "", " Screen W"},
    {Control::Edit, 10, 375, 23, 31, State::DisabledAfter, "", " Screen H"},
    {Control::List, 0, 416, 0, 72, State::Enabled, " SysLedMode0", "COLOR MODE SYSLED  ", fields::kColourModes},
    {Control::List, 1, 416, 23, 72, State::Enabled, "", "Режим светодиода", fields::kLedModes},
    {Control::List, 2, 493, 0, 72, State::Enabled, " SysLedMode1", "COLOR MODE SYSLED  ", fields::kColourModes},
    {Control::List, 3, 493, 23, 72, State::Enabled, "", "Режим светодиода", fields::kLedModes},
    {Control::List, 4, 570, 0, 72, State::Enabled, " SysLedMode2", "COLOR MODE SYSLED  ", fields::kColourModes},
    {Control::List, 5, 570, 23, 72, State::Enabled, "", "Режим светодиода", fields::kLedModes},
    {Control::List, 6, 647, 0, 72, State::Enabled, " SysLedMode3", "COLOR MODE SYSLED  ", fields::kColourModes},
    {Control::List, 7, 647, 23, 72, State::Enabled, "", "Режим светодиода", fields::kLedModes},
    {Control::List, 8, 734, 0, 72, State::Enabled, " SPI MODE", "SPI1 port mode  ", fields::kSpiModes},
    {Control::Edit, 7, 811, 0, 20, State::Enabled, "#Reg", "Количество регистров на порт"},
    {Control::List, 9, 734, 23, 72, State::Enabled, "", " SPI2 port mode", fields::kSpiModes},
    {Control::Edit, 8, 811, 23, 20, State::Enabled, "", "Количество регистров на порт"},
    {Control::List, 12, 15, 0, 72, State::DisabledAfter, "External", " Внешний РУД", fields::kThrottles, Anchor::Strip},
    {Control::Edit, 13, 92, 0, 25, State::DisabledAfter, "#Rg",
     "Привязка кнопок внешнего РУД к номеру регистра", {}, Anchor::Strip},
    {Control::Edit, 14, 122, 0, 25, State::DisabledAfter, "#Ax", " Привязка осей внешнего РУД", {}, Anchor::Strip},
    {Control::List, 13, 158, 0, 58, State::DisabledAfter, "P1-P4 LED", " Подсветка кнопок P1-P4",
     fields::kBacklights, Anchor::Strip},
    {Control::List, 14, 221, 0, 58, State::DisabledAfter, "P5-P8 LED", " Подсветка кнопок P5-P8",
     fields::kBacklights, Anchor::Strip},
};

void placeCommonControls(TMainForm& form, std::span<const CommonControl> controls)
{
    for (const CommonControl& c : controls) {
        const QGroupBox* anchor = c.anchor == Anchor::Common ? form.GroupBoxCommon : form.GroupBox6;
        const auto left = static_cast<std::uint16_t>(anchor->x() + c.left);
        const int row = anchor->y() + (c.anchor == Anchor::Common ? kRowAOffset : kStripRowOffset);
        const auto top = static_cast<std::uint16_t>(row + c.top);
        const bool enabled = c.state == State::Enabled || c.state == State::DisabledAfter;
        const std::uint8_t captionHeight = c.control == Control::List ? kListLabelHeight : kLabelHeight;
        QWidget* control = createFieldControl(
            form, c.control,
            FieldSlots{form.CommonEdits[c.slot], form.CommonChecks[c.slot], form.CommonCombos[c.slot]},
            FieldPlacement{c.width, left, top, QString::fromUtf8(c.caption), captionHeight,
                           QString::fromUtf8(c.hint), enabled, 0, 0},
            c.items);
        if (c.state == State::DisabledAfter) control->setEnabled(false);
        if (c.state == State::Hidden) control->hide();
    }
}

GridControls commonControls(TMainForm& form)
{
    return GridControls(form.CommonEdits, form.CommonChecks, form.CommonCombos, 0, 1);
}

} // namespace

void TMainForm::SheetOption0Activate()
{
    ImageSize = 0;
    const int kind = deviceKind();
    const fields::ImageLayout* layout = fields::imageLayout(kind);
    // Shown only for a kind with an image (hiding it first would only repaint the page twice).
    GroupBoxCommon->setVisible(layout != nullptr);
    if (layout != nullptr) {
        // Fresh pages show no values until a read or a file fills them; "Set" waits for that,
        // or it would write the empty fields over the board's settings.
        btnWriteParam->setEnabled(false);
        // The axes pages are built out of sight; the tab control shows them all at the end.
        PageControl2->hide();
        ImagePtr = kind == kKindFalconet ? FalconetImage.data() : Kestrel32Image.data();
        ImageSize = layout->imageSize;
        FEATURE_REPORT_ID->setText(QStringLiteral("89"));

        if (kind == kKindKestrel32) placeCommonControls(*this, kKestrelCarriers);
        std::uint16_t x = static_cast<std::uint16_t>(GroupBoxCommon->x() + kStandardLeft);
        std::uint16_t y = static_cast<std::uint16_t>(GroupBoxCommon->y() + kRowAOffset);
        TabSheetStandardActivate(x, y);
        placeCommonControls(*this, kind == kKindFalconet ? std::span<const CommonControl>(kFalconetPage)
                                                         : std::span<const CommonControl>(kKestrelPage));
        TabSheetAxesActivate(layout->axes, layout->axes);
        if (kind == kKindFalconet) {
            TrueDevicePageControl2Init(true, true, false);
            PageControl2->setCurrentWidget(PA_TAB);
        } else {
            PageControl2->setCurrentWidget(PA_TAB);
            TrueDevicePageControl2Init(true, true, true);
            std::uint16_t eqX = 18;
            std::uint16_t eqY = 25;
            TabSheetEqualizerActivate(eqX, eqY, layout->axes);
        }
        PageControl2->show();
    }
    Edit_SIZE->setText(QString::number(ImageSize));
    Edit_ADR->setText(QStringLiteral("0"));
}

void TMainForm::ShowParam()
{
    const fields::ImageLayout* layout = fields::imageLayout(deviceKind());
    // The image must be the one the pages were built for.
    if (layout == nullptr || ImagePtr == nullptr || ImageSize != layout->imageSize) return;
    GridControls page = commonControls(*this);
    fields::showFields(layout->common, {ImagePtr, ImageSize}, page);
    for (std::uint8_t axis = 0; axis < layout->axes; ++axis)
        ShowLogicalAxis(ImagePtr + layout->logicalAxes + axis * fields::kAxisRecordSize, axis);
    for (std::uint8_t axis = 0; axis < layout->axes; ++axis)
        ShowPhysicalAxis(ImagePtr + layout->physicalAxes + axis * fields::kAxisRecordSize, axis);
    if (layout->hasEqualizer)
        for (std::uint8_t axis = 0; axis < layout->axes; ++axis)
            ShowEqualizerAxis(ImagePtr + layout->equalizer + axis * fields::kEqualizerRecordSize, axis);
}

void TMainForm::RefreshParam()
{
    const fields::ImageLayout* layout = fields::imageLayout(deviceKind());
    if (layout == nullptr || ImagePtr == nullptr || ImageSize != layout->imageSize) return;
    const GridControls page = commonControls(*this);
    fields::refreshFields(layout->common, {ImagePtr, ImageSize}, page);
    for (std::uint8_t axis = 0; axis < layout->axes; ++axis)
        RefreshLogicalAxis(ImagePtr + layout->logicalAxes + axis * fields::kAxisRecordSize, axis);
    for (std::uint8_t axis = 0; axis < layout->axes; ++axis)
        RefreshPhysicalAxis(ImagePtr + layout->physicalAxes + axis * fields::kAxisRecordSize, axis);
    if (layout->hasEqualizer)
        for (std::uint8_t axis = 0; axis < layout->axes; ++axis)
            RefreshEqualizerAxis(ImagePtr + layout->equalizer + axis * fields::kEqualizerRecordSize,
                                 axis);
}

} // namespace orvex::app
