// The pages as a user sees them after a Get from each demo board: no caption may run into
// another caption or into a control. With ORVEX_SCREENSHOT_DIR set, pictures of the window with
// each axes page are saved there.
#include "pages_fixture.h"

#include <QDir>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QStyle>
#include <QStyleOptionButton>

#include <algorithm>

namespace orvex::test {
namespace {

using PagesLayout = PagesFixture;

struct Overlap {
    QString first, second;
};

QString describe(const QWidget* w)
{
    const auto* label = qobject_cast<const QLabel*>(w);
    const QRect g = w->geometry();
    return QStringLiteral("%1 '%2' at %3,%4 %5x%6")
        .arg(QString::fromLatin1(w->metaObject()->className()), label ? label->text() : QString())
        .arg(g.x()).arg(g.y()).arg(g.width()).arg(g.height());
}

/// Where a caption's letters stand: a label sized to its text draws it from its top-left,
/// with the line's leading and descent below the letters.
QRect ink(const QLabel* label)
{
    const QFontMetrics metrics(label->font());
    return metrics.tightBoundingRect(label->text()).translated(label->x(), label->y() + metrics.ascent());
}

/// The same without descenders, which may reach into the frame of the control below.
QRect body(const QLabel* label)
{
    QRect letters = ink(label);
    letters.setBottom(std::min(letters.bottom(), label->y() + QFontMetrics(label->font()).ascent()));
    return letters;
}

/// What a control shows: a check box only its mark, which its style centres in the box.
QRect face(const QWidget* control)
{
    const auto* box = qobject_cast<const QCheckBox*>(control);
    if (box == nullptr) return control->geometry();
    QStyleOptionButton option;
    option.initFrom(box);
    return box->style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, box).translated(box->pos());
}

/// Captions whose letters run into another caption's letters or into a control on `page`.
/// The group boxes the common settings lie over are frames, not controls.
std::vector<Overlap> overlaps(const QWidget* page)
{
    std::vector<Overlap> found;
    const auto children = page->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    for (const QWidget* widget : children) {
        const auto* label = qobject_cast<const QLabel*>(widget);
        if (label == nullptr || label->isHidden()) continue;
        for (const QWidget* other : children) {
            if (other == label || other->isHidden() || qobject_cast<const QGroupBox*>(other)) continue;
            const auto* otherLabel = qobject_cast<const QLabel*>(other);
            if (otherLabel != nullptr && other < widget) continue; // each pair of captions once
            const bool hit = otherLabel != nullptr ? ink(label).intersects(ink(otherLabel))
                                                   : body(label).intersects(face(other));
            if (hit) found.push_back({describe(label), describe(other)});
        }
    }
    return found;
}

TEST_F(PagesLayout, CaptionsRunIntoNothing)
{
    const QString folder = qEnvironmentVariable("ORVEX_SCREENSHOT_DIR");
    for (const char* board : {"kestrel32", "falconet"}) {
        SCOPED_TRACE(board);
        std::string(board) == "kestrel32" ? selectKestrel32() : selectFalconet();
        get();
        for (QWidget* page : {form->Parameters, form->PA_TAB, form->LA_TAB, form->EQ_TAB}) {
            for (const Overlap& o : overlaps(page))
                ADD_FAILURE() << page->objectName().toStdString() << ": " << o.first.toStdString()
                              << " overlaps " << o.second.toStdString();
        }
        if (folder.isEmpty()) continue;
        for (QWidget* tab : {form->PA_TAB, form->LA_TAB, form->EQ_TAB}) {
            const int index = form->PageControl2->indexOf(tab);
            if (!form->PageControl2->isTabVisible(index)) continue;
            form->PageControl2->setCurrentIndex(index);
            settle();
            const QString file = QDir(folder).filePath(
                QStringLiteral("pages-%1-%2.png").arg(QLatin1String(board), tab->objectName().toLower()));
            EXPECT_TRUE(form->grab().save(file)) << file.toStdString();
        }
    }
}

} // namespace
} // namespace orvex::test
