// The run-time control factory, the grids that keep every run-time control, and the operations
// that clear the pages and rebuild them for a device kind. Controls are placed with absolute
// pixel positions: the page layouts are tables of positions that must hold exactly.
#include "app/TMainForm.h"
#include "app/event_guard.h"
#include "app/field_look.h"
#include "app/field_widgets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QTabWidget>

namespace orvex::app {

namespace {

// Heights the controls get; the pages fix only positions and widths.
constexpr int kCheckBoxHeight = 17;
constexpr int kEditHeight = 21;
constexpr int kComboHeight = 21;
constexpr int kTrackBarThickness = 45;
constexpr int kComboFontPx = 10;
constexpr int kTrackBarMaximum = 255;
constexpr int kTrackBarTicks = 5;
const QColor kDisabledEditBackground(232, 232, 232);
const QColor kDisabledText(80, 80, 80);

/// Frees every control of a list up to its first empty slot and empties the slots.
template <typename T, std::size_t N>
void freeList(std::array<T*, N>& list)
{
    for (T*& control : list) {
        if (control == nullptr) break;
        delete control;
        control = nullptr;
    }
}

/// Frees every control of a grid (empty slots skipped) and empties the slots.
template <typename T, std::size_t N>
void freeGrid(std::array<T*, N>& grid)
{
    for (T*& control : grid) {
        delete control;
        control = nullptr;
    }
}

// A font height of 0 is the page's own height.
void setPixelFont(QWidget* control, int pixels, const QWidget* page)
{
    const QFont& inherited = page != nullptr ? page->font() : control->font();
    if (pixels == 0)
        pixels = inherited.pixelSize() > 0 ? inherited.pixelSize() : QFontInfo(inherited).pixelSize();
    QFont font = runtimeFont(pixels);
    // Most controls of the axes pages take their page's font as it is.
    if (page != nullptr && control->parentWidget() == page && inherited == font) return;
    control->setFont(font);
}

// New controls are enabled; enabling one again still costs a round of state updates.
void setEnabledState(QWidget* control, bool enabled)
{
    if (control->isEnabled() != enabled) control->setEnabled(enabled);
}

void setHint(QWidget* control, const QString& hint)
{
    if (!hint.isEmpty()) control->setToolTip(hint);
}

} // namespace

QWidget* TMainForm::runtimePage(std::uint8_t pageIndex, std::uint8_t pageSelector) const
{
    switch (pageSelector) {
    case 0:
        return PageControl1->widget(pageIndex);
    case 1:
        return PageControl2->widget(pageIndex);
    default:
        return nullptr;
    }
}

namespace {

// Moves a control the caller created onto its page (callers that create it there already save
// the move). Without a page it stays a hidden child of the main window, which still frees it.
void placeOnPage(QWidget* control, QWidget* page, const QRect& geometry)
{
    if (page != nullptr) {
        if (control->parentWidget() != page) control->setParent(page);
        control->setGeometry(geometry);
        control->show();
    } else {
        control->setGeometry(geometry);
        control->hide();
    }
}

} // namespace

QLabel* TMainForm::CreateStaticText(int left, int top, const QString& caption,
                                    std::uint8_t captionHeight, const QString& hint,
                                    std::uint8_t pageIndex, std::uint8_t pageSelector)
{
    QWidget* page = runtimePage(pageIndex, pageSelector);
    auto* label = new QLabel(caption, page != nullptr ? page : this);
    StaticTexts[StaticTextCount++] = label;
    setPixelFont(label, captionHeight, page);
    setHint(label, hint);
    label->move(left - 3, top - 16);
    label->adjustSize();
    // A child added to a page that is already on screen appears only when shown.
    label->setVisible(page != nullptr);
    return label;
}

void TMainForm::CreateCheckBox(std::uint16_t width, std::uint16_t left, std::uint16_t top,
                               const QString& caption, std::uint8_t captionHeight,
                               const QString& hint, bool enabled, QCheckBox* checkBox,
                               std::uint8_t pageIndex, std::uint8_t pageSelector)
{
    if (captionHeight != 0 && !caption.isEmpty())
        CreateStaticText(left, top - 3, caption, captionHeight, hint, pageIndex, pageSelector);
    setHint(checkBox, hint);
    checkBox->setStyle(runtimeStyle(this));
    setEnabledState(checkBox, enabled);
    placeOnPage(checkBox, runtimePage(pageIndex, pageSelector),
                QRect(left, top - 5, width, kCheckBoxHeight));
}

void TMainForm::CreateEditBox(std::uint16_t width, std::uint16_t left, std::uint16_t top,
                              const QString& caption, std::uint8_t captionHeight,
                              const QString& hint, bool enabled, QLineEdit* edit,
                              std::uint8_t pageIndex, std::uint8_t pageSelector)
{
    if (captionHeight != 0 && !caption.isEmpty())
        CreateStaticText(left, top, caption, captionHeight, hint, pageIndex, pageSelector);
    setHint(edit, hint);
    setEnabledState(edit, enabled);
    edit->setStyle(runtimeStyle(this));
    QWidget* page = runtimePage(pageIndex, pageSelector);
    setPixelFont(edit, captionHeight, page);
    if (!enabled) {
        // Created read-only on purpose: grey, with black text that stays readable.
        QPalette palette = edit->palette();
        palette.setColor(QPalette::All, QPalette::Base, kDisabledEditBackground);
        palette.setColor(QPalette::All, QPalette::Text, Qt::black);
        edit->setPalette(palette);
    }
    placeOnPage(edit, page, QRect(left, top, width, kEditHeight));
}

void TMainForm::CreateComboBox(std::uint16_t width, std::uint16_t left, std::uint16_t top,
                               const QString& caption, std::uint8_t captionHeight,
                               const QString& hint, bool enabled, QComboBox* comboBox,
                               std::uint8_t pageIndex, std::uint8_t pageSelector)
{
    if (captionHeight != 0 && !caption.isEmpty())
        CreateStaticText(left, top, caption, captionHeight, hint, pageIndex, pageSelector);
    // A drop-down list with an edit field: the user may type, but typing adds no items.
    comboBox->setEditable(true);
    comboBox->setInsertPolicy(QComboBox::NoInsert);
    setPixelFont(comboBox, kComboFontPx, nullptr);
    setHint(comboBox, hint);
    setEnabledState(comboBox, enabled);
    setOnEnter(comboBox, [this, comboBox] {
        runGuarded(services().prompts, [this, comboBox] { ComboBoxEnter(comboBox); });
    });
    placeOnPage(comboBox, runtimePage(pageIndex, pageSelector),
                QRect(left, top, width, kComboHeight));
}

void TMainForm::CreateTrackBar(std::uint16_t width, std::uint16_t left, std::uint16_t top,
                               const QString& caption, std::uint8_t captionHeight,
                               const QString& hint, bool enabled, bool vertical,
                               QSlider* trackBar, std::uint8_t pageIndex,
                               std::uint8_t pageSelector)
{
    if (captionHeight != 0 && !caption.isEmpty())
        CreateStaticText(left, top, caption, captionHeight, hint, pageIndex, pageSelector);
    setHint(trackBar, hint);
    setEnabledState(trackBar, enabled);
    // `width` is the bar's length; it is as thick as the platform's track bar across.
    trackBar->setOrientation(vertical ? Qt::Vertical : Qt::Horizontal);
    // Position 0 stands at the top of a vertical bar.
    trackBar->setInvertedAppearance(vertical);
    trackBar->setRange(0, kTrackBarMaximum);
    trackBar->setCursor(Qt::PointingHandCursor);
    trackBar->setTickInterval(kTrackBarTicks);
    trackBar->setTickPosition(QSlider::TicksBelow);
    QObject::connect(trackBar, &QSlider::valueChanged, this, [this, trackBar] {
        runGuarded(services().prompts, [this, trackBar] { TrackBar03Change(trackBar); });
    });
    const QRect geometry = vertical ? QRect(left, top, kTrackBarThickness, width)
                                    : QRect(left, top, width, kTrackBarThickness);
    placeOnPage(trackBar, runtimePage(pageIndex, pageSelector), geometry);
}

void TMainForm::ComboBoxEnter(QComboBox* sender)
{
    const int row = tagOf(sender);
    if (row < 0 || row >= static_cast<int>(PhysButtonTypes.size())) return;
    QComboBox* typeList = nullptr;
    if (PageControl1->currentIndex() == 1)
        typeList = PhysButtonTypes[static_cast<std::size_t>(row)];
    else if (PageControl1->currentIndex() == 2)
        typeList = LogButtonTypes[static_cast<std::size_t>(row)];
    if (typeList != nullptr) setBackground(typeList, Qt::white);
}

void TMainForm::ShowField(QLineEdit* control, const QString& text, std::uint32_t colour)
{
    control->setText(text);
    control->setEnabled(!text.isEmpty());
    setBackground(control, QColor::fromRgb(colour));
}

void TMainForm::ShowButtonFields(std::uint8_t row, std::uint8_t page, const QString& firstText,
                                 const QString& secondText, std::uint32_t filledColour,
                                 std::uint32_t emptyColour)
{
    const bool physical = page == 1;
    QComboBox* typeList = (physical ? PhysButtonTypes : LogButtonTypes)[row];
    QLineEdit* first = (physical ? PhysButtonEdits1 : LogButtonEdits1)[row];
    QLineEdit* second = (physical ? PhysButtonEdits2 : LogButtonEdits2)[row];
    typeList->setEnabled(true);
    setBackground(typeList, windowColour());
    ShowField(first, firstText, firstText.isEmpty() ? emptyColour : filledColour);
    ShowField(second, secondText, secondText.isEmpty() ? emptyColour : filledColour);
}

void TMainForm::TabSheetClear()
{
    freeList(CommonEdits);
    freeList(CommonChecks);
    freeList(CommonCombos);
    freeList(StaticTexts);
    freeGrid(PhysAxisEdits);
    freeGrid(PhysAxisChecks);
    freeGrid(PhysAxisCombos);
    freeGrid(LogAxisEdits);
    freeGrid(LogAxisChecks);
    freeGrid(LogAxisCombos);
    freeGrid(EqPointEdits);
    freeGrid(EqPointBars);
    delete EqLinkedBox;
    EqLinkedBox = nullptr;
    StaticTextCount = 0;
}

void TMainForm::TabOption1Clear()
{
    GroupBox4->setTitle(QString());
    ButtonCLR->hide();
    freeList(PhysButtonEdits1);
    freeList(PhysButtonEdits2);
    freeList(PhysButtonTypes);
}

void TMainForm::TabOption2Clear()
{
    GroupBox5->setTitle(QString());
    ButtonCLR2->hide();
    freeList(LogButtonEdits1);
    freeList(LogButtonEdits2);
    freeList(LogButtonTypes);
}

void TMainForm::TabSheetActivate()
{
    if (GroupBoxCommon->parentWidget() != Parameters) {
        GroupBoxCommon->setParent(Parameters);
        GroupBoxCommon->show();
    }
    // Many values stand in disabled edits (the equalizer's points, pass-through fields): their
    // text must stay readable, also on the highlighted equalizer row.
    for (QWidget* page : {Parameters, PA_TAB, LA_TAB, EQ_TAB}) {
        QPalette palette = page->palette();
        palette.setColor(QPalette::Disabled, QPalette::Text, kDisabledText);
        page->setPalette(palette);
    }
    // The axes pages hold run-time controls only: they get the controls' font, at the height
    // the rest of the window has.
    for (QWidget* page : {PA_TAB, LA_TAB, EQ_TAB})
        page->setFont(runtimeFont(QFontInfo(Parameters->font()).pixelSize()));
    if (deviceKind() == LastKind) return;
    TabSheetClear();
    SheetOption0Activate();
    SheetOption1Activate();
    if (PageControl1->isTabEnabled(PageControl1->indexOf(Option1))) ShowSheetOption1();
    SheetOption2Activate();
    if (PageControl1->isTabEnabled(PageControl1->indexOf(Option2))) ShowSheetOption2();
}

void TMainForm::TabSheetAxesActivate(std::uint8_t logicalRows, std::uint8_t physicalRows)
{
    std::uint16_t x = 15;
    std::uint16_t y = 25;
    TabSheetLogicalAxesActivate(x, y, logicalRows);
    x = 15;
    y = 25;
    TabSheetPhysicalAxesActivate(x, y, physicalRows);
}

void TMainForm::TabSheetStandardActivate(std::uint16_t& x, std::uint16_t& y)
{
    QWidget* page = runtimePage(0, 0);
    auto* version = new QLineEdit(page);
    CreateEditBox(35, x, y, QString(), 13, QString(), false, version, 0, 0);
    CommonEdits[0] = version;
    version->hide();
    x += 53;

    auto* calibration = new QCheckBox(page);
    CreateCheckBox(15, x, y + 3, QStringLiteral("Clb"), 13, QStringLiteral("Калибровка"), false,
                   calibration, 0, 0);
    CommonChecks[0] = calibration;
    x += 26;

    auto* dynamicFilter = new QCheckBox(page);
    CreateCheckBox(15, x, y + 3, QStringLiteral("DF"), 13, QStringLiteral("Динамический фильтр"),
                   true, dynamicFilter, 0, 0);
    CommonChecks[1] = dynamicFilter;
    x += 26;
}

} // namespace orvex::app
