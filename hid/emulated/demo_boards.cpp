#include "hid/emulated/demo_boards.h"

#include "hid/emulated/demo_settings.h"

namespace orvex::hid {

namespace {

struct BoardIdentity {
    std::uint16_t productId;
    std::uint16_t version;
    std::uint16_t featureLength;
    const char* productName;
    const char* descriptor5;
    const char* description;
};

HidIdentity identityOf(const BoardIdentity& board, std::string path)
{
    HidIdentity id;
    id.attributes = {kOrvexVendorId, board.productId, board.version};
    id.caps.FeatureReportByteLength = board.featureLength;
    id.pnp = {std::move(path), board.description};
    id.productName = board.productName;
    id.descriptor5 = board.descriptor5;
    return id;
}

// The Kestrel32 feature report is 128 bytes so that a short command, which fills bytes up to
// 124, fits in one report.
constexpr BoardIdentity kFalconet{0x0109, 0x0105, 64, "Orvex Falconet", "Falconet 8A",
                                  "Orvex Falconet controller (emulated)"};
constexpr BoardIdentity kKestrel32{0x0115, 0x0203, 128, "Orvex Kestrel32", "Kestrel32 PRO",
                                   "Orvex Kestrel32 board (emulated)"};
constexpr BoardIdentity kBootLoader{0x0912, 0x0100, 64, "", "", "Orvex boot loader (emulated)"};

} // namespace

std::shared_ptr<EmulatedBoard> makeFalconetBoard(const Clock& clock, std::string path)
{
    auto firmware = std::make_unique<FalconetFirmware>(clock);
    fillFalconetDemoSettings(*firmware);
    return std::make_shared<EmulatedBoard>(identityOf(kFalconet, std::move(path)), std::move(firmware));
}

std::shared_ptr<EmulatedBoard> makeKestrel32Board(const Clock& clock, std::string path,
                                                  const Kestrel32Firmware::Seed& seed)
{
    auto firmware = std::make_unique<Kestrel32Firmware>(clock, seed);
    fillKestrel32DemoSettings(*firmware);
    firmware->setMaxReplySize(kDemoKestrel32MaxReply);
    return std::make_shared<EmulatedBoard>(identityOf(kKestrel32, std::move(path)), std::move(firmware));
}

std::shared_ptr<EmulatedBoard> makeBootLoaderBoard(std::string path)
{
    return std::make_shared<EmulatedBoard>(identityOf(kBootLoader, std::move(path)),
                                           std::make_unique<InertFirmware>());
}

std::unique_ptr<EmulatedBackend> makeDemoBackend(const Clock& clock)
{
    auto backend = std::make_unique<EmulatedBackend>();
    backend->addBoard(makeFalconetBoard(clock));
    backend->addBoard(makeKestrel32Board(clock));
    backend->addBoard(makeBootLoaderBoard());
    return backend;
}

} // namespace orvex::hid
