// The equalizer page of the Kestrel32 board: point edits and track bars keep each other in step
// through their change events, "Linked" draws the straight line, and a read selects the last
// row it changed.
#include "pages_fixture.h"

namespace orvex::test {
namespace {

class PagesEqualizer : public PagesFixture {
protected:
    void SetUp() override
    {
        selectKestrel32();
        prompts.clear();
    }
    QSlider* bar(unsigned p) const { return form->EqPointBars[p]; }
    QColor background(unsigned axis, unsigned p) const
    {
        return point(axis, p)->palette().color(QPalette::Disabled, QPalette::Base);
    }
};

const QColor kHighlight(16, 192, 192);

TEST_F(PagesEqualizer, StartsWithRowZeroHighlightedAndTheTopPointFixed)
{
    for (unsigned axis = 0; axis < 8; ++axis) {
        EXPECT_EQ(point(axis, 10)->text(), "255");
        EXPECT_TRUE(point(axis, 0)->isEnabled());
        for (unsigned p = 1; p <= 10; ++p)
            EXPECT_FALSE(point(axis, p)->isEnabled());
    }
    EXPECT_EQ(background(0, 4), kHighlight);
    EXPECT_FALSE(form->EqLinkedBox->isChecked());
    EXPECT_FALSE(bar(10)->isEnabled());
    EXPECT_EQ(bar(10)->value(), 0);
}

TEST_F(PagesEqualizer, TypingAboveTheTopValueLeavesZero)
{
    type(point(2, 0), "256");
    EXPECT_EQ(point(2, 0)->text(), "0");
    EXPECT_EQ(bar(0)->value(), 255) << "the handle stands at the bottom";
    EXPECT_EQ(form->EqSelectedAxis, 2);
    EXPECT_EQ(background(2, 7), kHighlight);
    EXPECT_EQ(background(0, 7), QColor(Qt::white));
    EXPECT_TRUE(prompts.exceptions.isEmpty());
}

// Points 1..9 become first + k * (last - first) / 10, truncated, with the last point 255.
TEST_F(PagesEqualizer, LinkedDrawsTheLineFromThe0PercentPoint)
{
    struct Case {
        const char* first;
        QStringList line;
    };
    const Case cases[] = {
        {"100", {"100", "115", "131", "146", "162", "177", "193", "208", "224", "239", "255"}},
        {"255", {"255", "255", "255", "255", "255", "255", "255", "255", "255", "255", "255"}},
        {"0", {"0", "25", "51", "76", "102", "127", "153", "178", "204", "229", "255"}},
    };
    form->EqLinkedBox->setChecked(true);
    for (const Case& c : cases) {
        type(point(1, 0), c.first);
        EXPECT_EQ(row(1), c.line) << c.first;
        for (unsigned p = 0; p < 10; ++p)
            EXPECT_EQ(bar(p)->value(), 255 - c.line[static_cast<int>(p)].toInt()) << c.first << " bar " << p;
    }
    // A middle bar moved by the user springs back onto the line.
    bar(4)->setValue(0);
    settle();
    EXPECT_EQ(row(1), cases[2].line);
    EXPECT_EQ(bar(4)->value(), 255 - 102);
    // Moving bar 0 moves the whole line.
    bar(0)->setValue(155);
    settle();
    EXPECT_EQ(row(1), cases[0].line);
}

TEST_F(PagesEqualizer, WithoutLinkedEachBarMovesItsOwnPoint)
{
    click(point(3, 0));
    const QStringList before = row(3);
    bar(3)->setValue(100);
    settle();
    QStringList expected = before;
    expected[3] = "155";
    EXPECT_EQ(row(3), expected);
    EXPECT_EQ(bar(3)->value(), 100);
}

TEST_F(PagesEqualizer, OnlyThe0PercentEditTakesClicks)
{
    click(point(5, 0));
    EXPECT_EQ(form->EqSelectedAxis, 5);
    click(point(6, 3));
    EXPECT_EQ(form->EqSelectedAxis, 5) << "a disabled point edit";
}

// A read sets the texts row by row; each changed row is selected in turn, so the bars end up on
// the last row whose texts changed.
TEST_F(PagesEqualizer, ReadSelectsTheLastChangedRow)
{
    auto& image = form->Kestrel32Image;
    for (unsigned axis = 0; axis < 8; ++axis)
        for (unsigned p = 0; p < 10; ++p)
            image[188 + 10 * axis + p] = static_cast<std::uint8_t>(20 * axis + p);
    showParam();
    EXPECT_EQ(form->EqSelectedAxis, 7);
    for (unsigned axis = 0; axis < 8; ++axis)
        EXPECT_EQ(point(axis, 9)->text(), QString::number(20 * axis + 9));

    image[188 + 10 * 4 + 2] = 99; // only row 4 changes now
    showParam();
    EXPECT_EQ(form->EqSelectedAxis, 4);
    EXPECT_EQ(bar(2)->value(), 255 - 99);
    EXPECT_EQ(bar(1)->value(), 255 - 81);
}

// "Linked" shapes what the user drags, never what a read brings: with it checked, the curves
// read are shown as they are and written back unchanged.
TEST_F(PagesEqualizer, ReadWithLinkedCheckedShowsTheStoredCurves)
{
    form->EqLinkedBox->setChecked(true);
    auto& image = form->Kestrel32Image;
    for (unsigned axis = 0; axis < 8; ++axis)
        for (unsigned p = 0; p < 10; ++p)
            image[188 + 10 * axis + p] = static_cast<std::uint8_t>(p % 2 ? 200 : 10 + axis);
    const auto before = image;
    showParam();
    EXPECT_EQ(point(3, 1)->text(), "200");
    EXPECT_EQ(point(3, 2)->text(), "13");
    refreshParam();
    EXPECT_EQ(image, before);

    // The user's own moves still follow the line.
    type(point(3, 0), "100");
    EXPECT_EQ(point(3, 1)->text(), "115");
}

TEST_F(PagesEqualizer, NonIntegerTextStopsTheHandler)
{
    click(point(1, 0));
    type(point(6, 0), "x");
    EXPECT_EQ(prompts.exceptions, QStringList{"'x' is not a valid integer value"});
    EXPECT_EQ(form->EqSelectedAxis, 1) << "stopped before selecting the row";
}

} // namespace
} // namespace orvex::test
