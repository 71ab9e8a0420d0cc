#pragma once
// The backend of emulated boards: tests and the demo mode add boards to it and plug them in
// and out; it lists the plugged-in ones and raises device changes as a real backend does.
#include "hid/emulated/emulated_board.h"
#include "hid/hid_backend.h"

#include <string>

namespace orvex::hid {

class EmulatedBackend final : public HidBackend {
public:
    EmulatedBackend();
    ~EmulatedBackend() override;

    /// Adds a board. A board that is plugged in arrives like a real one: a device change is
    /// raised through the event loop. From now on its plugging in and out raises one too.
    void addBoard(std::shared_ptr<EmulatedBoard> board);
    /// The board with device path `path`, or null.
    std::shared_ptr<EmulatedBoard> board(const std::string& path) const;
    /// Plugs the board with device path `path` in or out; false when there is none.
    bool setPlugged(const std::string& path, bool pluggedIn);

    /// The boards plugged in now, in the order they were added.
    std::vector<std::shared_ptr<HidDevice>> enumerate() override;
    void watch(std::function<void()> onChange) override;

private:
    /// Posts a device change on the event loop when someone watches.
    void postChange();

    std::vector<std::shared_ptr<EmulatedBoard>> m_boards;
    std::function<void()> m_onChange;
    std::shared_ptr<bool> m_alive; ///< lets boards and queued notices see that the backend is gone
};

} // namespace orvex::hid
