#pragma once
// An emulated board: a HID device whose feature reports go to a firmware object instead of
// hardware. Tests and the demo mode use it through EmulatedBackend.
#include "hid/emulated/board_firmware.h"
#include "hid/hid_device.h"

#include <functional>
#include <memory>

namespace orvex::hid {

class EmulatedBoard final : public HidDevice {
public:
    /// A board with a fixed identity, plugged in, run by `firmware`.
    EmulatedBoard(HidIdentity identity, std::unique_ptr<BoardFirmware> firmware);

    bool isPluggedIn() const { return m_pluggedIn; }
    /// Plugs the board in (firmware powers up) and tells the backend, which raises a device
    /// change through the event loop. Nothing happens when it is plugged in already.
    void plugIn();
    /// Pulls the board out: every request fails from now on. The backend raises a device change.
    void unplug();
    /// Fault: the board is pulled out by itself after it has served `requests` more feature
    /// requests, so the next one fails (a cable pulled in the middle of a transfer). 0: never.
    void unplugAfterRequests(unsigned requests) { m_unplugCountdown = requests; }

    BoardFirmware& firmware() { return *m_firmware; }
    /// The firmware as its concrete class, or null when it is another one.
    template <class Firmware> Firmware* firmwareAs() { return dynamic_cast<Firmware*>(m_firmware.get()); }

    /// Called on every plug-in and unplugging (set by the backend the board is added to).
    void setPlugListener(std::function<void()> listener) { m_plugListener = std::move(listener); }

private:
    bool doSetFeature(const std::uint8_t* report, std::size_t length) override;
    bool doGetFeature(std::uint8_t* report, std::size_t length) override;
    /// True when a request of `length` bytes reaches the firmware now.
    bool accepts(std::size_t length) const;
    void countRequest();

    std::unique_ptr<BoardFirmware> m_firmware;
    bool m_pluggedIn = true;
    unsigned m_unplugCountdown = 0;
    std::function<void()> m_plugListener;
};

} // namespace orvex::hid
