// The run-time control factory: where controls and their caption labels stand, when a label is
// made, hints, the grey of read-only edits, the pages a selector picks, and clearing the grids.
#include "app/field_widgets.h"
#include "support/main_form_fixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QTabWidget>

namespace orvex::test {
namespace {

using PagesFactory = MainFormFixture;

QLabel* lastLabel(const app::TMainForm& form)
{
    return form.StaticTextCount == 0 ? nullptr : form.StaticTexts[form.StaticTextCount - 1u];
}

TEST_F(PagesFactory, StaticTextStandsAboveAndLeftOfItsPosition)
{
    QLabel* label = form->CreateStaticText(2, 10, "AC", 13, "Автоцентровка", 0, 1);
    EXPECT_EQ(form->StaticTextCount, 1);
    EXPECT_EQ(form->StaticTexts[0], label);
    EXPECT_EQ(label->parentWidget(), form->PageControl2->widget(0));
    EXPECT_EQ(label->pos(), QPoint(-1, -6)) << "both may come out negative";
    EXPECT_EQ(label->font().pixelSize(), 13);
    EXPECT_EQ(label->toolTip(), "Автоцентровка");
    EXPECT_EQ(label->size(), label->sizeHint()) << "sized to its caption";

    QLabel* empty = form->CreateStaticText(30, 40, "", 18, "", 3, 0);
    EXPECT_EQ(form->StaticTextCount, 2) << "made even without a caption";
    EXPECT_EQ(empty->parentWidget(), form->PageControl1->widget(3));
    EXPECT_TRUE(empty->toolTip().isEmpty());
}

// A check box gets a label only with a caption height and a caption; it stands 5 px higher.
TEST_F(PagesFactory, CheckBoxLabelRulesAndPosition)
{
    struct Case {
        std::uint8_t captionHeight;
        const char* caption;
        bool labelled;
    };
    const Case cases[] = {{13, "Dir", true}, {0, "Dir", false}, {13, "", false}};
    for (const Case& c : cases) {
        const std::uint16_t before = form->StaticTextCount;
        auto* box = new QCheckBox(form.get());
        form->CreateCheckBox(12, 82, 28, c.caption, c.captionHeight, "Направление", true, box, 0, 1);
        EXPECT_EQ(box->geometry().topLeft(), QPoint(82, 23));
        EXPECT_EQ(box->width(), 12);
        EXPECT_EQ(box->toolTip(), "Направление");
        EXPECT_EQ(box->parentWidget(), form->PA_TAB);
        ASSERT_EQ(form->StaticTextCount, before + (c.labelled ? 1 : 0)) << c.caption;
        if (c.labelled) {
            EXPECT_EQ(lastLabel(*form)->pos(), QPoint(79, 9));
            EXPECT_EQ(lastLabel(*form)->toolTip(), "Направление");
        }
    }
}

TEST_F(PagesFactory, EditBoxCreatedDisabledIsGreyWithBlackText)
{
    auto* grey = new QLineEdit(form.get());
    form->CreateEditBox(25, 205, 25, " Bind", 13, "hint", false, grey, 0, 1);
    EXPECT_EQ(grey->geometry().topLeft(), QPoint(205, 25));
    EXPECT_EQ(grey->width(), 25);
    EXPECT_FALSE(grey->isEnabled());
    EXPECT_EQ(grey->font().pixelSize(), 13);
    EXPECT_EQ(lastLabel(*form)->pos(), QPoint(202, 9));
    EXPECT_EQ(grey->palette().color(QPalette::Disabled, QPalette::Base), QColor(232, 232, 232));
    EXPECT_EQ(grey->palette().color(QPalette::Disabled, QPalette::Text), QColor(Qt::black));

    auto* plain = new QLineEdit(form.get());
    form->CreateEditBox(25, 230, 50, " MPL", 0, "", true, plain, 0, 1);
    EXPECT_TRUE(plain->isEnabled());
    EXPECT_EQ(plain->font().pixelSize(), QFontInfo(form->PA_TAB->font()).pixelSize())
        << "caption height 0: the page's font height";
    const QColor normal = plain->palette().color(QPalette::Active, QPalette::Base);
    plain->setEnabled(false);
    EXPECT_EQ(plain->palette().color(QPalette::Active, QPalette::Base), normal);
}

TEST_F(PagesFactory, ComboBoxIsAnEmptyEditableListWithSmallFont)
{
    auto* combo = new QComboBox(form.get());
    form->CreateComboBox(75, 122, 25, " Input", 13, "Тип входных данных", true, combo, 0, 1);
    EXPECT_TRUE(combo->isEditable());
    EXPECT_EQ(combo->insertPolicy(), QComboBox::NoInsert);
    EXPECT_EQ(combo->count(), 0);
    EXPECT_EQ(combo->font().pixelSize(), 10);
    EXPECT_EQ(combo->geometry().topLeft(), QPoint(122, 25));
    EXPECT_EQ(combo->width(), 75);
    EXPECT_EQ(lastLabel(*form)->font().pixelSize(), 13);
}

TEST_F(PagesFactory, VerticalTrackBarStandsAsHighAsItsWidth)
{
    auto* bar = new QSlider(form.get());
    form->CreateTrackBar(200, 416, 25, " 0%", 13, "", true, true, bar, 2, 1);
    EXPECT_EQ(bar->geometry(), QRect(416, 25, 45, 200));
    EXPECT_EQ(bar->orientation(), Qt::Vertical);
    EXPECT_EQ(bar->minimum(), 0);
    EXPECT_EQ(bar->maximum(), 255);
    EXPECT_EQ(bar->tickInterval(), 5);
    EXPECT_EQ(bar->cursor().shape(), Qt::PointingHandCursor);

    auto* flat = new QSlider(form.get());
    form->CreateTrackBar(200, 10, 10, "", 13, "", true, false, flat, 2, 1);
    EXPECT_EQ(flat->geometry(), QRect(10, 10, 200, 45));
}

TEST_F(PagesFactory, UnknownSelectorLeavesTheControlHiddenOffThePages)
{
    auto* edit = new QLineEdit(form.get());
    form->CreateEditBox(25, 10, 10, "x", 13, "", true, edit, 0, 2);
    EXPECT_EQ(edit->parentWidget(), form.get());
    EXPECT_TRUE(edit->isHidden());
    EXPECT_TRUE(lastLabel(*form)->isHidden());
}

TEST_F(PagesFactory, ClearingEmptyGridsFreesNothing)
{
    form->TabSheetClear();
    EXPECT_EQ(form->StaticTextCount, 0);
    form->TabOption1Clear();
    form->TabOption1Clear();
    EXPECT_TRUE(form->GroupBox4->title().isEmpty());
    EXPECT_TRUE(form->ButtonCLR->isHidden());
    form->TabOption2Clear();
    EXPECT_TRUE(form->ButtonCLR2->isHidden());
}

// The button pages' type lists turn white when entered on their own page only.
TEST_F(PagesFactory, ComboBoxEnterWhitensTheTypeListOfItsButtonRow)
{
    struct Case {
        int page;
        bool physicalWhite;
        bool logicalWhite;
    };
    const Case cases[] = {{0, false, false}, {1, true, false}, {2, false, true}, {3, false, false}};
    for (const Case& c : cases) {
        form->TabOption1Clear();
        form->TabOption2Clear();
        auto* physical = new QComboBox(form->Option1);
        auto* logical = new QComboBox(form->Option2);
        form->PhysButtonTypes[5] = physical;
        form->LogButtonTypes[5] = logical;
        app::setBackground(physical, Qt::red);
        app::setBackground(logical, Qt::red);
        auto* entered = new QComboBox(form.get());
        app::setTag(entered, 5);
        form->PageControl1->setCurrentIndex(c.page);
        form->ComboBoxEnter(entered);
        EXPECT_EQ(physical->palette().color(QPalette::Base) == Qt::white, c.physicalWhite) << c.page;
        EXPECT_EQ(logical->palette().color(QPalette::Base) == Qt::white, c.logicalWhite) << c.page;
        delete entered;
    }
}

TEST_F(PagesFactory, ShowButtonFieldsEnablesFilledFieldsOnly)
{
    auto* type = new QComboBox(form->Option1);
    auto* first = new QLineEdit(form->Option1);
    auto* second = new QLineEdit(form->Option1);
    form->PhysButtonTypes[3] = type;
    form->PhysButtonEdits1[3] = first;
    form->PhysButtonEdits2[3] = second;
    type->setEnabled(false);
    form->ShowButtonFields(3, 1, "12", "", qRgb(0, 255, 0), qRgb(200, 200, 200));
    EXPECT_TRUE(type->isEnabled());
    EXPECT_EQ(type->palette().color(QPalette::Base), app::windowColour());
    EXPECT_EQ(first->text(), "12");
    EXPECT_TRUE(first->isEnabled());
    EXPECT_EQ(first->palette().color(QPalette::Base), QColor(0, 255, 0));
    EXPECT_TRUE(second->text().isEmpty());
    EXPECT_FALSE(second->isEnabled());
    EXPECT_EQ(second->palette().color(QPalette::Disabled, QPalette::Base), QColor(200, 200, 200));
}

} // namespace
} // namespace orvex::test
