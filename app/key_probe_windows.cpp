// The Windows registry behind KeyProbe. Built on Windows only.
#include "app/key_probe.h"

#include <windows.h>

namespace orvex::app {

namespace {

class RegistryKeys final : public KeyProbe {
public:
    bool keyExists(RegistryRoot root, const std::string& path) const override
    {
        const HKEY base = root == RegistryRoot::CurrentUser ? HKEY_CURRENT_USER : HKEY_LOCAL_MACHINE;
        HKEY key = nullptr;
        // The least access that opens a key: a key we may not read still exists and still goes
        // into the script, whose user merges it with the rights needed to delete it.
        if (RegOpenKeyExA(base, path.c_str(), 0, STANDARD_RIGHTS_READ, &key) != ERROR_SUCCESS)
            return false;
        RegCloseKey(key);
        return true;
    }
};

} // namespace

std::unique_ptr<KeyProbe> makeSystemKeyProbe() { return std::make_unique<RegistryKeys>(); }

} // namespace orvex::app
