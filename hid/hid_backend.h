#pragma once
#include <functional>
#include <memory>
#include <vector>

namespace orvex::hid {

class HidDevice;

/// A source of HID devices: the hidapi backend for real boards, or the emulated boards.
class HidBackend {
public:
    virtual ~HidBackend() = default;

    /// The devices present now, one object per physical device, each opened where permitted.
    virtual std::vector<std::shared_ptr<HidDevice>> enumerate() = 0;

    /// Starts arrival and removal notices: `onChange` is called on the GUI thread, from the
    /// event loop, whenever a device of this backend comes or goes. Called once.
    virtual void watch(std::function<void()> onChange) = 0;
};

} // namespace orvex::hid
