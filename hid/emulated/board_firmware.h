#pragma once
// The firmware of an emulated board: what the board does with each feature report it is sent
// and what it answers to each get-feature request. EmulatedBoard passes reports on only while
// the board is plugged in and only with the board's full feature report length.
#include <cstdint>
#include <span>

namespace orvex::hid {

class BoardFirmware {
public:
    virtual ~BoardFirmware() = default;

    /// A report sent with the set-feature request, report ID in byte 0. False fails the request.
    virtual bool onSetFeature(std::span<const std::uint8_t> report) = 0;
    /// Fills `report` (report ID asked for in byte 0) for a get-feature request; false fails it.
    virtual bool onGetFeature(std::span<std::uint8_t> report) = 0;
    /// The board was plugged in: power-up state (RAM reloaded, any transfer forgotten).
    virtual void onPowerUp() {}
};

/// A board that takes every report and answers every request with zeros after the report ID:
/// the boot loader, which speaks no protocol of this tool.
class InertFirmware final : public BoardFirmware {
public:
    bool onSetFeature(std::span<const std::uint8_t>) override { return true; }
    bool onGetFeature(std::span<std::uint8_t> report) override;
};

} // namespace orvex::hid
