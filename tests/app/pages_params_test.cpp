// The whole image through the pages: worked records through ShowParam and RefreshParam, a Show
// followed by a Refresh that changes nothing, a conversion error half-way, and the demo boards'
// values going through Get, the pages and Set.
#include "core/axis_fields.h"
#include "core/common_fields.h"
#include "hid/emulated/kestrel32_firmware.h"
#include "pages_fixture.h"

#include <random>

namespace orvex::test {
namespace {

using PagesParams = PagesFixture;

// Random images whose list fields all hold values their lists have: Show then Refresh gives
// every byte back, the records of every page included.
TEST_F(PagesParams, ShowThenRefreshKeepsTheWholeImage)
{
    std::mt19937 random(7);
    for (const int kind : {6, 2}) {
        SCOPED_TRACE(kind);
        kind == 6 ? selectKestrel32() : selectFalconet();
        const fields::ImageLayout& layout = *fields::imageLayout(kind);
        std::span<std::uint8_t> image(form->ImagePtr, form->ImageSize);
        for (int round = 0; round < 3; ++round) {
            for (auto& b : image) b = static_cast<std::uint8_t>(random());
            for (const fields::Field& f : layout.common)
                if (f.control == fields::Control::List)
                    fields::writeField(image, f, fields::readField(image, f) % f.list.size());
            const std::vector<std::uint8_t> before(image.begin(), image.end());
            showParam();
            refreshParam();
            EXPECT_TRUE(std::equal(image.begin(), image.end(), before.begin()));
            EXPECT_TRUE(prompts.exceptions.isEmpty());
        }
    }
}

TEST_F(PagesParams, WorkedRecordsComeOutOfThePages)
{
    selectKestrel32();
    auto& image = form->Kestrel32Image;
    const std::uint8_t physical[] = {0x35, 0x45, 0x64, 0x0D, 0xC8, 0x0A, 0xE8, 0x86};
    const std::uint8_t logical[] = {0xB2, 0x15, 0x2A, 0x05, 0x0A, 0x00, 0x00, 0x00};
    std::copy(std::begin(physical), std::end(physical), image.begin() + 124 + 8 * 3);
    std::copy(std::begin(logical), std::end(logical), image.begin() + 60 + 8 * 5);
    showParam();
    EXPECT_EQ(form->PhysAxisCombos[3]->currentText(), "Analog-TS");
    EXPECT_EQ(form->PhysAxisEdits[6 * 16 + 3]->text(), "-31000");
    EXPECT_EQ(form->PhysAxisEdits[4 * 16 + 3]->text(), "200");
    EXPECT_TRUE(form->PhysAxisChecks[4 * 16 + 3]->isChecked());
    EXPECT_EQ(form->LogAxisCombos[5]->currentText(), "Rz");
    EXPECT_EQ(form->LogAxisEdits[2 * 16 + 5]->text(), "10");
    EXPECT_TRUE(form->LogAxisChecks[5 * 16 + 5]->isChecked());

    // Cleared records are rebuilt from the controls alone.
    std::fill_n(image.begin() + 124 + 8 * 3, 8, 0);
    std::fill_n(image.begin() + 60 + 8 * 5, 8, 0);
    refreshParam();
    EXPECT_TRUE(std::equal(std::begin(physical), std::end(physical), image.begin() + 124 + 8 * 3));
    EXPECT_TRUE(std::equal(std::begin(logical), std::end(logical), image.begin() + 60 + 8 * 5));

    // A usage typed that is no item stores 15; an empty edit stores 0.
    form->LogAxisCombos[5]->setEditText("Pedals");
    form->PhysAxisEdits[1 * 16 + 3]->clear();
    refreshParam();
    EXPECT_EQ(image[60 + 8 * 5 + 1] & 0x0F, 0x0F);
    EXPECT_EQ(image[124 + 8 * 3 + 1] & 0x1F, 0);
}

// Kind 6 copies byte 11's flags, then 20, 21, 22 and so on; the first unreadable text stops it.
TEST_F(PagesParams, ConversionErrorKeepsWhatWasStoredBeforeIt)
{
    selectKestrel32();
    auto& image = form->Kestrel32Image;
    image.fill(0);
    showParam();
    form->CommonChecks[2]->setChecked(true);    // "TB", byte 11 bit 7: stored
    form->CommonEdits[1]->setText("77");       // byte 20: stored
    form->CommonEdits[2]->setText("7x");       // byte 21: stops here
    form->CommonEdits[5]->setText("5");        // byte 22: not reached
    form->LogAxisEdits[3 * 16]->setText("9");  // a record: not reached
    refreshParam();
    EXPECT_EQ(prompts.exceptions, QStringList{"'7x' is not a valid integer value"});
    EXPECT_EQ(image[11], 0x80);
    EXPECT_EQ(image[20], 77);
    EXPECT_EQ(image[21], 0);
    EXPECT_EQ(image[22], 0);
    EXPECT_EQ(image[60 + 3], 0);
}

TEST_F(PagesParams, LedListsWithoutEntriesAndTheirTopBits)
{
    selectFalconet();
    auto& image = form->FalconetImage;
    image[5] = 0xFF;
    image[6] = 0x80;
    image[0] = 0xFF;
    image[1] = 0x00;
    showParam();
    EXPECT_EQ(form->CommonEdits[0]->text(), "00FF");
    EXPECT_TRUE(form->CommonCombos[0]->currentText().isEmpty());
    EXPECT_TRUE(form->CommonCombos[1]->currentText().isEmpty());
    EXPECT_EQ(form->CommonCombos[2]->currentText(), "Color1");
    EXPECT_EQ(form->CommonCombos[3]->currentText(), "OFF");
    form->CommonCombos[2]->setCurrentIndex(1); // "Color2"
    form->CommonCombos[3]->setCurrentIndex(4); // "Ultra fast"
    refreshParam();
    EXPECT_EQ(image[5], 0xFF);
    EXPECT_EQ(image[6], 0x8C);
}

// In demo mode: Get shows every page, an edit goes to the board with Set and comes back with a
// fresh Get; a text that is no integer is refused and nothing reaches the board.
TEST_F(PagesParams, DemoBoardsRoundTripThroughGetAndSet)
{
    struct Case {
        const char* board;
        int kind;
    };
    for (const Case& c : {Case{"Kestrel32", 6}, Case{"Falconet", 2}}) {
        SCOPED_TRACE(c.board);
        c.kind == 6 ? selectKestrel32() : selectFalconet();
        auto* board = (c.kind == 6 ? m_kestrel : m_falconet)->firmwareAs<hid::BlockFirmware>();
        get();
        ASSERT_TRUE(prompts.exceptions.isEmpty());
        ASSERT_TRUE(prompts.messages.empty());
        EXPECT_FALSE(form->CommonEdits[1]->text().isEmpty());
        EXPECT_FALSE(form->PhysAxisCombos[0]->currentText().isEmpty());
        EXPECT_FALSE(form->LogAxisCombos[0]->currentText().isEmpty());
        if (c.kind == 6) {
            EXPECT_FALSE(form->EqPointEdits[0]->text().isEmpty());
        }

        form->PhysAxisEdits[4 * 16 + 2]->setText("123"); // " KdHi" of axis 2
        set();
        ASSERT_TRUE(prompts.exceptions.isEmpty());
        form->PhysAxisEdits[4 * 16 + 2]->setText("1");
        get();
        EXPECT_EQ(form->PhysAxisEdits[4 * 16 + 2]->text(), "123");

        const std::vector<std::uint8_t> stored = board->nonVolatile();
        const auto writes = board->record().blockWrites.size();
        form->CommonEdits[1]->setText("x");
        set();
        EXPECT_EQ(prompts.exceptions, QStringList{"'x' is not a valid integer value"});
        EXPECT_EQ(board->nonVolatile(), stored);
        EXPECT_EQ(board->record().blockWrites.size(), writes);
        prompts.clear();
    }
}

} // namespace
} // namespace orvex::test
