#include "hid/emulated/emulated_backend.h"

#include <QTimer>

namespace orvex::hid {

EmulatedBackend::EmulatedBackend() : m_alive(std::make_shared<bool>(true)) {}

EmulatedBackend::~EmulatedBackend()
{
    // Boards may outlive the backend (a test or a holder keeps them).
    for (auto& board : m_boards)
        board->setPlugListener(nullptr);
}

void EmulatedBackend::addBoard(std::shared_ptr<EmulatedBoard> board)
{
    board->setPlugListener([this, alive = std::weak_ptr<bool>(m_alive)] {
        if (alive.lock())
            postChange();
    });
    const bool arrives = board->isPluggedIn();
    m_boards.push_back(std::move(board));
    if (arrives)
        postChange();
}

std::shared_ptr<EmulatedBoard> EmulatedBackend::board(const std::string& path) const
{
    for (const auto& board : m_boards) {
        if (board->PnPInfo().DevicePath == path)
            return board;
    }
    return nullptr;
}

bool EmulatedBackend::setPlugged(const std::string& path, bool pluggedIn)
{
    const auto found = board(path);
    if (!found)
        return false;
    if (pluggedIn)
        found->plugIn();
    else
        found->unplug();
    return true;
}

std::vector<std::shared_ptr<HidDevice>> EmulatedBackend::enumerate()
{
    std::vector<std::shared_ptr<HidDevice>> present;
    for (const auto& board : m_boards) {
        if (board->isPluggedIn())
            present.push_back(board);
    }
    return present;
}

void EmulatedBackend::watch(std::function<void()> onChange)
{
    m_onChange = std::move(onChange);
}

void EmulatedBackend::postChange()
{
    if (!m_onChange)
        return;
    // A board may be pulled out inside a feature request; the notice still comes from the loop.
    QTimer::singleShot(0, [this, alive = std::weak_ptr<bool>(m_alive)] {
        if (alive.lock() && m_onChange)
            m_onChange();
    });
}

} // namespace orvex::hid
