// Building the pages for each board: which slots are filled, where the rows stand, what each
// kind shows or hides, rebuilding only for a new kind, and the HID usage warning.
#include "pages_fixture.h"

#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>

#include <vector>

namespace orvex::test {
namespace {

using PagesBuild = PagesFixture;

template <typename T, std::size_t N>
int filledSlots(const std::array<T*, N>& list)
{
    int count = 0;
    while (count < static_cast<int>(N) && list[static_cast<std::size_t>(count)] != nullptr) ++count;
    for (std::size_t i = static_cast<std::size_t>(count); i < N; ++i)
        if (list[i] != nullptr) return -1; // a gap: clearing would leave controls behind
    return count;
}

TEST_F(PagesBuild, EachKindFillsItsSlotsWithoutGaps)
{
    struct Case {
        const char* board;
        int edits, checks, combos;
        std::uint16_t imageSize;
    };
    const Case cases[] = {{"Kestrel32", 15, 7, 15, 1024}, {"Falconet", 7, 7, 8, 144}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.board);
        std::string(c.board) == "Kestrel32" ? selectKestrel32() : selectFalconet();
        EXPECT_EQ(filledSlots(form->CommonEdits), c.edits);
        EXPECT_EQ(filledSlots(form->CommonChecks), c.checks);
        EXPECT_EQ(filledSlots(form->CommonCombos), c.combos);
        EXPECT_EQ(form->ImageSize, c.imageSize);
        EXPECT_EQ(form->Edit_SIZE->text(), QString::number(c.imageSize));
        EXPECT_EQ(form->Edit_ADR->text(), "0");
        EXPECT_EQ(form->FEATURE_REPORT_ID->text(), "89");
        EXPECT_FALSE(form->GroupBoxCommon->isHidden());
        EXPECT_FALSE(form->PageControl2->isHidden());
        EXPECT_EQ(form->PageControl2->currentWidget(), form->PA_TAB);
        EXPECT_TRUE(form->CommonEdits[0]->isHidden()) << "the version word is a value carrier";
        EXPECT_EQ(filledSlots(form->StaticTexts), form->StaticTextCount);
    }
}

// Column lefts of row 0 from the start x = 15; rows stand 25 px apart from y = 25.
TEST_F(PagesBuild, AxesRowsStandAtTheirColumns)
{
    selectKestrel32();
    struct Cell {
        QWidget* control;
        int left, top;
    };
    const auto& f = *form;
    const std::vector<Cell> cells = {
        {f.PhysAxisChecks[0 * 16], 28, 23},  {f.PhysAxisChecks[4 * 16], 82, 23},
        {f.PhysAxisChecks[6 * 16], 102, 23}, {f.PhysAxisCombos[0], 122, 25},
        {f.PhysAxisEdits[0 * 16], 205, 25},  {f.PhysAxisEdits[3 * 16], 283, 25},
        {f.PhysAxisEdits[6 * 16], 380, 25},  {f.PhysAxisEdits[8 * 16 + 7], 447, 25 + 7 * 25},
        {f.LogAxisChecks[7 * 16], 145, 23},  {f.LogAxisEdits[0], 167, 25},
        {f.LogAxisCombos[1], 266, 50},       {f.LogAxisEdits[7 * 16], 496, 25},
        {f.EqPointEdits[0], 31, 25},         {f.EqPointEdits[7 * 16 + 10], 351, 200},
        {f.EqPointBars[0], 416, 25},         {f.EqPointBars[10], 746, 25},
        {f.EqLinkedBox, 791, 23},
    };
    for (const Cell& cell : cells) {
        ASSERT_NE(cell.control, nullptr);
        EXPECT_EQ(cell.control->pos(), QPoint(cell.left, cell.top));
    }
    EXPECT_EQ(f.PhysAxisEdits[6 * 16]->width(), 38);
    EXPECT_EQ(f.EqPointBars[3]->size(), QSize(45, 200));
    EXPECT_EQ(f.PhysAxisChecks[3 * 16], nullptr);
    EXPECT_EQ(f.PhysAxisChecks[5 * 16], nullptr);

    // Captions only above row 0, 16 px up; edits of row 0 take the caption font.
    EXPECT_EQ(f.PhysAxisEdits[0]->font().pixelSize(), 13);
    EXPECT_EQ(f.PhysAxisEdits[1]->font().pixelSize(), QFontInfo(f.PA_TAB->font()).pixelSize())
        << "other rows: the page's font height";
    EXPECT_EQ(f.LogAxisEdits[0]->font().pixelSize(), 9);
    int eqCaptions = 0;
    for (std::uint16_t i = 0; i < f.StaticTextCount; ++i) {
        const QLabel* label = f.StaticTexts[i];
        if (label->parentWidget() == f.EQ_TAB && label->text().endsWith('%')) {
            EXPECT_EQ(label->y(), 9) << label->text().toStdString();
            ++eqCaptions;
        }
    }
    EXPECT_EQ(eqCaptions, 22) << "11 point captions and 11 bar captions";
}

TEST_F(PagesBuild, CommonControlsStandOverTheirGroupBoxes)
{
    selectKestrel32();
    const QPoint common = form->GroupBoxCommon->pos() + QPoint(0, 30);
    const QPoint strip = form->GroupBox6->pos() + QPoint(0, 28);
    EXPECT_EQ(form->CommonChecks[1]->pos(), common + QPoint(94, -2)) << "\"DF\" of the standard strip";
    EXPECT_EQ(form->CommonEdits[7]->pos(), common + QPoint(811, 0));
    EXPECT_EQ(form->CommonCombos[11]->pos(), common + QPoint(143, 40));
    EXPECT_EQ(form->CommonCombos[12]->pos(), strip + QPoint(15, 0));
    EXPECT_EQ(form->CommonCombos[14]->pos(), strip + QPoint(221, 0));

    // Disabled after creation: normal colours, unlike the grey of controls created disabled.
    EXPECT_FALSE(form->CommonEdits[9]->isEnabled());
    EXPECT_NE(form->CommonEdits[9]->palette().color(QPalette::Disabled, QPalette::Base), QColor(232, 232, 232));
    EXPECT_TRUE(form->CommonEdits[6]->isHidden()) << "CPU ID";
}

TEST_F(PagesBuild, FalconetHasNoEqualizer)
{
    selectFalconet();
    EXPECT_EQ(form->EqLinkedBox, nullptr);
    EXPECT_EQ(form->EqPointEdits[0], nullptr);
    EXPECT_FALSE(form->PageControl2->isTabVisible(form->PageControl2->indexOf(form->EQ_TAB)));
    for (unsigned axis = 0; axis < 8; ++axis)
        EXPECT_FALSE(form->PhysAxisChecks[6 * 16 + axis]->isEnabled()) << "\"Eq\" of axis " << axis;

    // Its bit still goes through unchanged.
    form->FalconetImage[80 + 3] = 0x10;
    showParam();
    EXPECT_TRUE(form->PhysAxisChecks[6 * 16]->isChecked());
    refreshParam();
    EXPECT_EQ(form->FalconetImage[80 + 3] & 0x10, 0x10);
}

// Selecting a board of the kind the pages were built for keeps every control and value.
TEST_F(PagesBuild, SameKindKeepsThePages)
{
    selectKestrel32();
    get();
    QLineEdit* edit = form->PhysAxisEdits[16];
    const QString shown = edit->text();
    const std::uint16_t labels = form->StaticTextCount;
    edit->setText("77");
    run([this] { form->TabSheetActivate(); });
    EXPECT_EQ(form->PhysAxisEdits[16], edit);
    EXPECT_EQ(edit->text(), "77");
    EXPECT_EQ(form->StaticTextCount, labels);

    selectFalconet();
    EXPECT_NE(form->StaticTextCount, labels) << "another kind rebuilds";
    EXPECT_FALSE(shown.isEmpty());
}

TEST_F(PagesBuild, UnknownKindLeavesThePageEmpty)
{
    selectKestrel32();
    form->TabSheetClear();
    form->ComboBox1->setCurrentIndex(0);
    form->SheetOption0Activate();
    EXPECT_TRUE(form->GroupBoxCommon->isHidden());
    EXPECT_EQ(form->ImageSize, 0);
    EXPECT_EQ(form->Edit_SIZE->text(), "0");
    EXPECT_EQ(form->CommonEdits[0], nullptr);
    EXPECT_EQ(form->StaticTextCount, 0);
}

// The warning comes once per run: later entries, on any row and after a rebuild, stay silent.
TEST_F(PagesBuild, HidUsageWarningIsShownOncePerRun)
{
    selectKestrel32();
    prompts.clear();
    enter(form->LogAxisCombos[0]);
    settle();
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0].title, "!!! Внимание !!!");
    EXPECT_EQ(prompts.messages[0].icon, app::Prompts::Icon::Error);
    EXPECT_TRUE(prompts.messages[0].text.startsWith("Операционная система Windows не всегда"));

    enter(form->LogAxisCombos[0]);
    enter(form->LogAxisCombos[3]);
    selectFalconet();
    enter(form->LogAxisCombos[0]);
    settle();
    EXPECT_EQ(prompts.messages.size(), 1u);

    // Other lists of the parameter page colour nothing and warn about nothing.
    enter(form->PhysAxisCombos[0]);
    enter(form->CommonCombos[0]);
    settle();
    EXPECT_EQ(prompts.messages.size(), 1u);
}

} // namespace
} // namespace orvex::test
