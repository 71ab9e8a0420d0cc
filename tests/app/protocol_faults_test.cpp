// Boards that answer badly, or not at all, and requests that do not fit: the tool must refuse
// or fail the whole read, never write out of bounds, and never lose the image or the buttons.
#include "core/int_text.h"
#include "protocol_fixture.h"

#include <QCheckBox>

namespace orvex::test {
namespace {

/// The image and button blocks as they stood, to show that a failure changed none of them.
struct Snapshot {
    std::array<std::uint8_t, 144> falconet;
    std::array<std::uint8_t, 1024> kestrel32;
    std::array<std::uint8_t, 256> phys;
    std::array<std::uint8_t, 256> log;
    bool operator==(const Snapshot&) const = default;
};

class ProtocolFaults : public ProtocolFixture {
protected:
    Snapshot snapshot() const
    {
        return {form->FalconetImage, form->Kestrel32Image, form->PhysButtons, form->LogButtons};
    }
    /// Changes every byte the board would send, so that any byte taken from a failed read shows.
    static void alter(std::vector<std::uint8_t>& memory)
    {
        for (auto& b : memory)
            b = static_cast<std::uint8_t>(b ^ 0x5A);
    }
};

/// Sets a 16-bit field of a reply's header (offset 3: length) and leaves the CRC as it was.
void setReplyLength(std::span<std::uint8_t> reply, std::uint16_t length)
{
    reply[3] = static_cast<std::uint8_t>(length & 0xFF);
    reply[4] = static_cast<std::uint8_t>(length >> 8);
}

TEST_F(ProtocolFaults, AFailedExchangeFailsTheWholeReadAndChangesNothing)
{
    struct Case {
        const char* name;
        bool kestrel32;
        hid::FaultPlan faults;
        WireTap::Tamper tamper;
        bool readFaultLine;
    };
    const Case cases[] = {
        {"no marker in the first reply", true, {.noMarkerOnExchange = 1}, nullptr, true},
        {"bad CRC in a later exchange", true, {.badCrcOnExchange = 2}, nullptr, false},
        {"empty reply while bytes are wanted", true, {.emptyReplyOnExchange = 2}, nullptr, false},
        {"empty first reply", false, {.emptyReplyOnExchange = 1}, nullptr, false},
        {"get-feature fails in the middle of a reply", false, {.failGetOnRequest = 2}, nullptr, false},
        {"reply longer than asked", false, {},
         [](std::span<std::uint8_t> reply, unsigned n, bool ok) {
             if (n == 1)
                 setReplyLength(reply, 200);
             return ok;
         },
         false},
        {"get-feature returns fewer bytes", false, {},
         [](std::span<std::uint8_t> reply, unsigned n, bool ok) {
             if (n == 2)
                 std::fill(reply.begin() + 20, reply.end(), 0);
             return ok;
         },
         false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string path = std::string("tapped:") + c.name;
        WireTap* tap = nullptr;
        if (c.kestrel32) {
            auto board = select(tappedKestrel32(clock, 512, path));
            get();
            alter(board.firmware->nonVolatile());
            board.firmware->setFaults(c.faults);
            tap = board.tap;
        } else {
            auto board = select(tappedFalconet(clock, 64, path));
            get();
            alter(board.firmware->nonVolatile());
            board.firmware->setFaults(c.faults);
            tap = board.tap;
        }
        tap->clear();
        tap->tamper = c.tamper;
        prompts.clear();
        form->HistoryListBox->clear();
        const Snapshot before = snapshot();

        get();
        EXPECT_EQ(shownMessages(), QStringList{readError()});
        EXPECT_TRUE(snapshot() == before);
        EXPECT_EQ(historyLines().contains("Read fault!!!"), c.readFaultLine);
    }
}

// A report longer than the tool's transfer report, or too short to carry a block behind its
// header, is refused with a message; nothing is sent that would not fit.
TEST_F(ProtocolFaults, UnusableFeatureReportLengthsAreRefused)
{
    struct Case { std::uint16_t length; std::vector<void (app::TMainForm::*)()> handlers; };
    const Case cases[] = {
        {1100, {&app::TMainForm::btnReadParamClick, &app::TMainForm::btnWriteParamClick, &app::TMainForm::btnResetClick}},
        {9, {&app::TMainForm::btnReadParamClick, &app::TMainForm::btnWriteParamClick}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.length);
        auto falconet = select(tappedFalconet(clock, c.length, "tapped:length-" + std::to_string(c.length)));
        const Snapshot before = snapshot();
        for (auto handler : c.handlers)
            run(handler);
        EXPECT_TRUE(falconet.tap->reports.empty());
        EXPECT_TRUE(snapshot() == before);
        ASSERT_FALSE(prompts.messages.empty());
        for (const auto& message : prompts.messages) {
            EXPECT_EQ(message.title, "!!! Transfer Error !!!");
            EXPECT_TRUE(message.text.contains(QString::number(c.length))) << message.text.toStdString();
        }
    }
}

// Requests the buffers cannot hold are refused before anything is sent.
TEST_F(ProtocolFaults, RequestsBeyondTheBuffersAreRefused)
{
    auto falconet = select(tappedFalconet(clock));
    std::array<std::uint8_t, 256> small{};
    struct Case { const char* name; std::function<void()> call; };
    const Case cases[] = {
        {"parameter read beyond the image", [&] { form->ReadParameters(5, 100, 100); }},
        {"parameter read beyond the scratch buffer", [&] { form->ReadParameters(5, 100, 2000); }},
        {"read beyond the block buffer", [&] { form->ReadDATA(19, 200, small.data(), 4096, 2000); }},
        {"read beyond the destination", [&] { form->ReadDATA(19, 256, small.data(), small.size(), 256); }},
        {"write beyond the block buffer", [&] { form->LongTransferWrite(7, 0, 3000); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        prompts.clear();
        const Snapshot before = snapshot();
        app::runGuarded(prompts, c.call);
        EXPECT_TRUE(falconet.tap->reports.empty());
        EXPECT_TRUE(snapshot() == before);
        ASSERT_EQ(prompts.messages.size(), 1u);
        EXPECT_EQ(prompts.messages[0].title, "!!! Transfer Error !!!");
    }
}

// The image and "Set" of a Falconet stay after the selection turns to a boot loader; nothing
// may reach the boot loader, neither the image nor a short command.
TEST_F(ProtocolFaults, NothingReachesADeviceTheToolDoesNotKnow)
{
    auto falconet = select(tappedFalconet(clock));
    get();
    auto loader = select(tappedBootLoader(clock));
    const Snapshot before = snapshot();
    for (auto handler : {&app::TMainForm::btnWriteParamClick, &app::TMainForm::btnReadParamClick,
                         &app::TMainForm::btnResetClick, &app::TMainForm::btnSTARTClbClick,
                         &app::TMainForm::btnENDClbClick, &app::TMainForm::btnCANCELClbClick,
                         &app::TMainForm::btnBootloaderClick, &app::TMainForm::Timer2Timer,
                         &app::TMainForm::WritePhysicalButtons, &app::TMainForm::WriteLogicalButtons})
        run(handler);
    EXPECT_TRUE(loader.tap->reports.empty());
    EXPECT_TRUE(snapshot() == before);
}

// Pages freshly built for a board hold no values of it: "Set" stays off until a read fills
// them, so a failed Get cannot lead to the empty fields being written over the board's settings.
TEST_F(ProtocolFaults, SetWaitsForPagesFilledFromTheBoard)
{
    auto falconet = select(tappedFalconet(clock));
    get();
    ASSERT_TRUE(form->btnWriteParam->isEnabled());

    auto kestrel = select(tappedKestrel32(clock));
    EXPECT_FALSE(form->btnWriteParam->isEnabled()) << "pages rebuilt for another kind";
    kestrel.firmware->setFaults({.badCrcOnExchange = 1});
    get();
    EXPECT_FALSE(form->btnWriteParam->isEnabled()) << "the failed read filled nothing";
    kestrel.firmware->setFaults({});
    get();
    EXPECT_TRUE(form->btnWriteParam->isEnabled());
}

TEST_F(ProtocolFaults, TransferRangeFieldsAreKeptInsideTheImage)
{
    auto falconet = select(tappedFalconet(clock));
    struct Case { const char* size; const char* address; const char* sizeAfter; const char* addressAfter; int length; int at; };
    const Case cases[] = {
        {"200", "0", "144", "0", 144, 0},
        {"10", "200", "144", "0", 144, 0},
        {"50", "100", "44", "100", 44, 100},
        {"", "", "0", "0", 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.size) + " @ " + c.address);
        form->Edit_SIZE->setText(c.size);
        form->Edit_ADR->setText(c.address);
        falconet.tap->clear();
        get();
        EXPECT_EQ(form->Edit_SIZE->text(), c.sizeAfter);
        EXPECT_EQ(form->Edit_ADR->text(), c.addressAfter);
        const auto sent = falconet.tap->sent();
        if (c.length == 0) {
            EXPECT_TRUE(sent.empty());
            continue;
        }
        ASSERT_EQ(sent.size(), 1u);
        EXPECT_EQ(head(sent[0].bytes, 7), bytesOf({0x59, 0xA5, 0xC5, c.length, 0, c.at, 0}));
    }

    form->Edit_SIZE->setText("abc");
    falconet.tap->clear();
    get();
    set();
    EXPECT_EQ(prompts.exceptions, (QStringList{"'abc' is not a valid integer value", "'abc' is not a valid integer value"}));
    EXPECT_TRUE(falconet.tap->reports.empty());
}

// Identification asks a Kestrel32 board for its processor identifier up to three times.
TEST_F(ProtocolFaults, ProcessorIdentifierIsAskedForUpToThreeTimes)
{
    for (const unsigned failures : {0u, 1u, 2u, 3u}) {
        SCOPED_TRACE(failures);
        auto kestrel = tappedKestrel32(clock, 512, "tapped:cpuid-" + std::to_string(failures));
        kestrel.tap->tamper = [failures](std::span<std::uint8_t> reply, unsigned n, bool ok) {
            if (n <= failures)
                reply[1] = 0xA5;
            return ok;
        };
        addBoard(kestrel.board); // the arrival identifies the board selected before once more
        prompts.clear();
        clock.clearPauses();
        selectBoard(kestrel.board->PnPInfo().DevicePath);

        const auto sent = kestrel.tap->sent();
        const unsigned attempts = std::min(failures + 1, 3u);
        ASSERT_EQ(sent.size(), attempts);
        // 100 ms after the pages are built and after each attempt; 1 ms after each request and
        // after each of the two reports of a reply (a failed reply ends at its first report).
        std::vector<std::uint32_t> pauses{100};
        for (unsigned attempt = 1; attempt <= attempts; ++attempt) {
            pauses.push_back(1);
            if (attempt > failures)
                pauses.insert(pauses.end(), {1, 1});
            pauses.push_back(100);
        }
        EXPECT_EQ(clock.pauses(), pauses);
        for (const auto& request : sent)
            EXPECT_EQ(head(request.bytes, 9), bytesOf({0x59, 0xA5, 0xCA, 120, 0, 0, 0, 0, 0}));
        EXPECT_EQ(prompts.messages.size(), std::min(failures, 3u));
        EXPECT_EQ(form->CpuIdValid, failures < 3);
        if (failures < 3) {
            EXPECT_EQ(form->TransferKey, kestrel.firmware->transferKey());
        }

        // Without the key the parameter block is neither read nor written, silently.
        kestrel.tap->clear();
        prompts.clear();
        if (!form->CpuIdValid) {
            get();
            set();
            EXPECT_TRUE(kestrel.tap->reports.empty());
            EXPECT_TRUE(prompts.messages.empty());
        }
    }
}

} // namespace
} // namespace orvex::test
