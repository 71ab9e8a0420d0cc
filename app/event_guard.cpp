#include "app/event_guard.h"
#include "app/prompts.h"

#include <QString>
#include <QTimer>

#include <exception>

namespace orvex::app {

void runGuarded(Prompts& prompts, const std::function<void()>& handler)
{
    QString message;
    try {
        handler();
        return;
    } catch (const std::exception& error) {
        message = QString::fromStdString(error.what());
    } catch (...) {
        // Anything else thrown is shown like an exception with an empty message.
    }
    QTimer::singleShot(0, [&prompts, message] { prompts.showException(message); });
}

} // namespace orvex::app
