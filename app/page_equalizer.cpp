// The equalizer page of the Kestrel32 board: a response curve of eleven points (0 % .. 100 %) per
// physical axis. Each axis row has eleven point edits; one shared set of vertical track bars
// mirrors the selected row, and "Linked" turns the middle points into a straight line between
// the first and the last point. Only the 0 % edit of a row takes typing and clicks; the other
// points change through the bars, "Linked" or a read. The 100 % point is always 255 and is not
// stored.
//
// Edits and bars keep each other in step through their change events, which fire only when a
// value really changes; that is what lets the chains below come to rest.
#include "app/TMainForm.h"
#include "app/event_guard.h"
#include "app/field_controls.h"
#include "app/field_layout.h"
#include "app/field_widgets.h"
#include "core/axis_fields.h"
#include "core/int_text.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QSlider>

namespace orvex::app {

namespace {

constexpr std::uint8_t kPageIndex = 2; // EQ_TAB
constexpr std::uint8_t kSelector = 1;
constexpr std::uint8_t kCaptionHeight = 13;
constexpr std::uint16_t kRowPitch = 25;
constexpr std::uint16_t kRowNumberWidth = 13;
constexpr std::uint16_t kPointWidth = 30;
constexpr std::uint16_t kPointPitch = 32;
constexpr std::uint16_t kBarPitch = 33;
constexpr std::uint16_t kBarLength = 200;
constexpr std::uint16_t kLinkedGap = 45;
constexpr unsigned kLastPoint = 10;
constexpr int kTopValue = 255;
constexpr int kTagRowFactor = 100; // an edit's Tag is axis * 100 + point
const QColor kHighlight(16, 192, 192);

/// Integer value of a point text; an empty text counts as 0.
int pointValue(const QLineEdit* edit)
{
    const QString text = edit->text();
    return text.isEmpty() ? 0 : StrToInt(text.toStdString());
}

GridControls rowControls(TMainForm& form, std::uint8_t axis)
{
    return GridControls(form.EqPointEdits, {}, {}, axis * 16u, 1);
}

} // namespace

void TMainForm::TabSheetEqualizerActivate(std::uint16_t& x, std::uint16_t& y, std::uint8_t rows)
{
    const std::uint16_t x0 = x;
    const std::uint16_t y0 = y;
    QWidget* page = runtimePage(kPageIndex, kSelector);
    for (std::uint8_t row = 0; row < rows; ++row) {
        const std::uint8_t captionHeight = row == 0 ? kCaptionHeight : 0;
        y = static_cast<std::uint16_t>(y0 + kRowPitch * row);
        x = x0;
        createRowNumber(*this, x, y, row, QStringLiteral("Phisical Axes"), kPageIndex);
        x += kRowNumberWidth;
        for (unsigned point = 0; point <= kLastPoint; ++point) {
            auto* edit = new QLineEdit(page);
            EqPointEdits[row * 16u + point] = edit;
            CreateEditBox(kPointWidth, x, y, QStringLiteral("   %1%").arg(point * 10),
                          captionHeight, QString(), true, edit, kPageIndex, kSelector);
            x += kPointPitch;
            setTag(edit, row * kTagRowFactor + static_cast<int>(point));
            if (point < kLastPoint)
                QObject::connect(edit, &QLineEdit::textChanged, this, [this, edit] {
                    runGuarded(services().prompts, [this, edit] { f_AXIS_Value_Change(edit); });
                });
            setOnClick(edit, [this, edit] {
                runGuarded(services().prompts, [this, edit] { f_AXIS_Click(edit); });
            });
            if (row == 0) setBackground(edit, kHighlight);
            if (point > 0) edit->setEnabled(false);
        }
        EqPointEdits[row * 16u + kLastPoint]->setText(QString::number(kTopValue));
    }

    for (unsigned point = 0; point <= kLastPoint; ++point) {
        y = y0;
        x += kBarPitch;
        auto* bar = new QSlider(page);
        EqPointBars[point] = bar;
        CreateTrackBar(kBarLength, x, y0, QStringLiteral(" %1%").arg(point * 10), kCaptionHeight,
                       QString(), true, true, bar, kPageIndex, kSelector);
        setTag(bar, static_cast<int>(point));
    }
    EqPointBars[kLastPoint]->setValue(0);
    EqPointBars[kLastPoint]->setEnabled(false);

    y = y0;
    x += kLinkedGap;
    EqLinkedBox = new QCheckBox(page);
    CreateCheckBox(12, x, y0 + 3, QStringLiteral("Linked"), kCaptionHeight,
                   QStringLiteral("Связанные значения"), true, EqLinkedBox, kPageIndex, kSelector);
    EqLinkedBox->setChecked(false);
}

void TMainForm::ShowEqualizerAxis(const std::uint8_t* record, std::uint8_t axis)
{
    // The texts' change events still select the row and move the bars, but "Linked" must not
    // turn the curve just read into a straight line: the next write would store the line.
    // (Showing converts no text, and the change handlers run guarded: nothing throws here.)
    const bool outer = m_showingEqualizer;
    m_showingEqualizer = true;
    GridControls row = rowControls(*this, axis);
    fields::showFields(fields::equalizerFields(), {record, fields::kEqualizerRecordSize}, row);
    m_showingEqualizer = outer;
}

void TMainForm::RefreshEqualizerAxis(std::uint8_t* record, std::uint8_t axis)
{
    const GridControls row = rowControls(*this, axis);
    fields::refreshFields(fields::equalizerFields(), {record, fields::kEqualizerRecordSize}, row);
}

void TMainForm::f_AXIS_Click(QLineEdit* sender)
{
    const auto paintRow = [this](std::uint8_t axis, const QColor& colour) {
        for (unsigned point = 0; point <= kLastPoint; ++point)
            if (QLineEdit* edit = EqPointEdits[axis * 16u + point]) setBackground(edit, colour);
    };
    const auto row = static_cast<std::uint8_t>(tagOf(sender) / kTagRowFactor);
    // Clicks within the selected row come with every value change: no need to repaint it white.
    if (row != EqSelectedAxis) paintRow(EqSelectedAxis, Qt::white);
    EqSelectedAxis = row;
    paintRow(EqSelectedAxis, kHighlight);
    f_AXIS_TrackBar_Refresh();
}

void TMainForm::f_AXIS_TrackBar_Refresh()
{
    for (unsigned point = 0; point < kLastPoint; ++point) {
        QLineEdit* edit = EqPointEdits[EqSelectedAxis * 16u + point];
        QSlider* bar = EqPointBars[point];
        if (edit == nullptr || bar == nullptr) continue;
        bar->setValue(kTopValue - pointValue(edit));
    }
}

void TMainForm::f_AXIS_Value_Change(QLineEdit* sender)
{
    const int point = tagOf(sender) % kTagRowFactor;
    const int value = pointValue(sender);
    f_AXIS_Click(sender);
    if (value > kTopValue) {
        sender->setText(QStringLiteral("0")); // comes back here with 0
    } else if (QSlider* bar = EqPointBars[static_cast<std::size_t>(point)]) {
        bar->setValue(kTopValue - pointValue(sender));
    }
}

void TMainForm::TrackBar03Change(QSlider* sender)
{
    const auto selected = EqSelectedAxis * 16u;
    const auto point = static_cast<unsigned>(tagOf(sender));
    // The selected row may lie beyond the rows built for this board.
    if (point > kLastPoint || EqPointEdits[selected + kLastPoint] == nullptr) return;
    EqPointEdits[selected + point]->setText(QString::number(kTopValue - sender->value()));
    const int first = pointValue(EqPointEdits[selected]);
    const int last = pointValue(EqPointEdits[selected + kLastPoint]);
    if (EqLinkedBox != nullptr && EqLinkedBox->isChecked() && !m_showingEqualizer) {
        for (unsigned k = 1; k < kLastPoint; ++k)
            EqPointEdits[selected + k]->setText(
                QString::number(first + (static_cast<int>(k) * (last - first)) / 10));
    }
}

} // namespace orvex::app
