// "Get" and "Set" against the emulated boards, to non-volatile memory and to RAM: what the
// board holds arrives in the image, and what the image holds arrives on the board.
#include "protocol_fixture.h"

namespace orvex::test {
namespace {

class ProtocolCycle : public ProtocolFixture {};

/// Swaps two 8-byte axis records, so that the two memories of a board hold different but
/// equally plausible settings.
void swapRecords(std::vector<std::uint8_t>& memory, std::size_t at)
{
    std::swap_ranges(memory.begin() + static_cast<std::ptrdiff_t>(at), memory.begin() + static_cast<std::ptrdiff_t>(at + 8),
                     memory.begin() + static_cast<std::ptrdiff_t>(at + 8));
}

TEST_F(ProtocolCycle, GetAndSetRoundTrip)
{
    struct Case { const char* name; bool kestrel32; bool ram; };
    const Case cases[] = {{"Falconet EEPROM", false, false}, {"Falconet RAM", false, true},
                          {"Kestrel32 FLASH", true, false}, {"Kestrel32 RAM", true, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string path = std::string("tapped:") + c.name;
        hid::BlockFirmware* firmware = nullptr;
        if (c.kestrel32)
            firmware = select(tappedKestrel32(clock, 512, path)).firmware;
        else
            firmware = select(tappedFalconet(clock, 64, path)).firmware;
        // The physical axis records: Falconet image offset 80, Kestrel32 124.
        swapRecords(firmware->ram(), c.kestrel32 ? 124 : 80);
        auto& memory = c.ram ? firmware->ram() : firmware->nonVolatile();
        const std::vector<std::uint8_t> onBoard = memory;
        useRam(c.ram);

        get();
        const std::uint8_t* image = c.kestrel32 ? form->Kestrel32Image.data() : form->FalconetImage.data();
        EXPECT_TRUE(std::equal(onBoard.begin(), onBoard.end(), image));
        EXPECT_TRUE(prompts.messages.empty());

        std::fill(memory.begin(), memory.end(), 0);
        set();
        EXPECT_EQ(memory, onBoard) << "the board holds the image again";
        ASSERT_FALSE(firmware->record().blockWrites.empty());
        const auto& write = firmware->record().blockWrites.back();
        EXPECT_TRUE(write.accepted);
        EXPECT_EQ(write.command, (c.kestrel32 ? 0xA0 : 0x80) | (c.ram ? 8 : 7));
    }
}

// The working button blocks of a Kestrel32 board travel inside its image.
TEST_F(ProtocolCycle, Kestrel32ButtonBlocksTravelInTheImage)
{
    auto kestrel = select(tappedKestrel32(clock));
    get();
    // Every record moves one place on, so the blocks differ from what the image holds.
    std::rotate(form->PhysButtons.begin(), form->PhysButtons.begin() + 2, form->PhysButtons.end());
    std::rotate(form->LogButtons.begin(), form->LogButtons.begin() + 2, form->LogButtons.end());
    form->ShowSheetOption1();
    form->ShowSheetOption2();
    const auto phys = form->PhysButtons;
    const auto log = form->LogButtons;
    const auto image = form->Kestrel32Image;
    ASSERT_FALSE(std::equal(phys.begin(), phys.end(), image.begin() + 268));
    set();
    const auto& flash = kestrel.firmware->nonVolatile();
    EXPECT_TRUE(std::equal(phys.begin(), phys.end(), flash.begin() + 268));
    EXPECT_TRUE(std::equal(log.begin(), log.end(), flash.begin() + 524));
    EXPECT_EQ(form->Kestrel32Image, image) << "the image keeps its own bytes until the next read";
}

} // namespace
} // namespace orvex::test
