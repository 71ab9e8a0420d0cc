#pragma once
// The registry of this system, as the registry clean-up file sees it.
#include "core/registry_script.h"

#include <memory>

namespace orvex::app {

/// Windows: the real registry, read only. Elsewhere there is no registry and every key is absent.
std::unique_ptr<KeyProbe> makeSystemKeyProbe();

} // namespace orvex::app
