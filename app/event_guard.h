#pragma once
// Event handlers run inside this guard. Qt here is built without exception tables, so nothing
// may unwind through Qt code: an exception stops the handler where it was thrown and its
// message goes to the standard exception display, queued on the event loop so the display
// never runs inside the handler that failed.
#include <functional>

namespace orvex::app {

class Prompts;

void runGuarded(Prompts& prompts, const std::function<void()>& handler);

} // namespace orvex::app
