#pragma once
// The registry clean-up script. Windows keeps joystick data (calibration, names of axes and
// buttons) per vendor and product ID under a few registry keys; when that data is stale the user
// merges this script with the registry editor to delete the keys, and Windows rebuilds them.
// The tool only reads the registry (through KeyProbe) and writes the script file.
#include <cstdint>
#include <string>
#include <vector>

namespace orvex {

enum class RegistryRoot { CurrentUser, LocalMachine };

/// Asks whether a registry key exists. A key that cannot be tested counts as absent.
class KeyProbe {
public:
    virtual ~KeyProbe() = default;
    /// `path` is relative to `root`, with backslashes and without a trailing one.
    virtual bool keyExists(RegistryRoot root, const std::string& path) const = 0;
};

/// A machine without a registry: every key is absent.
class AbsentKeys final : public KeyProbe {
public:
    bool keyExists(RegistryRoot, const std::string&) const override { return false; }
};

/// One key the script may delete.
struct CandidateKey {
    RegistryRoot root;
    std::string path;
};

/// "VID_7A5C&PID_0109": both IDs as four upper-case hexadecimal digits.
std::string registryDeviceIdentifier(std::uint16_t vendorId, std::uint16_t productId);

/// "del_" + identifier + ".reg", relative to the current folder.
std::string registryScriptFileName(std::uint16_t vendorId, std::uint16_t productId);

/// The 24 keys tested, in the order their lines appear: the Joystick OEM and DirectInput keys
/// under the current user, then under the current control set of the machine, then under
/// ControlSet000 .. ControlSet009 (Joystick before DirectInput for each).
std::vector<CandidateKey> registryCandidateKeys(const std::string& identifier);

/// The script text with CR LF line ends: the editor's header line, an empty line, one
/// "[-ROOT\path]" line per candidate key that exists now, and a closing empty line.
std::string registryScriptContent(const std::string& identifier, const KeyProbe& keys);

/// Writes the script for the device to `folder`/registryScriptFileName (replacing an existing
/// file). Returns false, silently, when the file cannot be written.
bool writeRegistryScript(const std::string& folder, std::uint16_t vendorId,
                         std::uint16_t productId, const KeyProbe& keys);

} // namespace orvex
