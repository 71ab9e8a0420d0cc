// Systems without a registry: every candidate key is absent, so the clean-up file holds only its
// header. Built everywhere but on Windows.
#include "app/key_probe.h"

namespace orvex::app {

std::unique_ptr<KeyProbe> makeSystemKeyProbe() { return std::make_unique<AbsentKeys>(); }

} // namespace orvex::app
