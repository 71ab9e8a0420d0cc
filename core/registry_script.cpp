#include "core/registry_script.h"

#include <cstdio>
#include <filesystem>
#include <fstream>

namespace orvex {

namespace {

constexpr const char* kJoystickKey =
    "\\Control\\MediaProperties\\PrivateProperties\\Joystick\\OEM\\";
constexpr const char* kDirectInputKey =
    "\\Control\\MediaProperties\\PrivateProperties\\DirectInput\\";
constexpr const char* kLineEnd = "\r\n";

const char* rootName(RegistryRoot root)
{
    return root == RegistryRoot::CurrentUser ? "HKEY_CURRENT_USER\\" : "HKEY_LOCAL_MACHINE\\";
}

} // namespace

std::string registryDeviceIdentifier(std::uint16_t vendorId, std::uint16_t productId)
{
    char text[24];
    std::snprintf(text, sizeof text, "VID_%04X&PID_%04X", unsigned{vendorId}, unsigned{productId});
    return text;
}

std::string registryScriptFileName(std::uint16_t vendorId, std::uint16_t productId)
{
    return "del_" + registryDeviceIdentifier(vendorId, productId) + ".reg";
}

std::vector<CandidateKey> registryCandidateKeys(const std::string& identifier)
{
    // The user's hive keeps its own copies of the joystick keys under the same path.
    std::vector<CandidateKey> keys;
    for (RegistryRoot root : {RegistryRoot::CurrentUser, RegistryRoot::LocalMachine}) {
        const std::string controlSet = "SYSTEM\\CurrentControlSet";
        keys.push_back({root, controlSet + kJoystickKey + identifier});
        keys.push_back({root, controlSet + kDirectInputKey + identifier});
    }
    for (int n = 0; n <= 9; ++n) {
        const std::string controlSet = "SYSTEM\\ControlSet00" + std::to_string(n);
        keys.push_back({RegistryRoot::LocalMachine, controlSet + kJoystickKey + identifier});
        keys.push_back({RegistryRoot::LocalMachine, controlSet + kDirectInputKey + identifier});
    }
    return keys;
}

std::string registryScriptContent(const std::string& identifier, const KeyProbe& keys)
{
    std::string text = std::string("Windows Registry Editor Version 5.00") + kLineEnd + kLineEnd;
    for (const CandidateKey& key : registryCandidateKeys(identifier)) {
        if (keys.keyExists(key.root, key.path))
            text += std::string("[-") + rootName(key.root) + key.path + "]" + kLineEnd;
    }
    text += kLineEnd;
    return text;
}

bool writeRegistryScript(const std::string& folder, std::uint16_t vendorId,
                         std::uint16_t productId, const KeyProbe& keys)
{
    const std::filesystem::path path =
        std::filesystem::path(folder) / registryScriptFileName(vendorId, productId);
    // Binary mode: the line ends are already CR LF, as the registry editor expects them.
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    if (!file)
        return false;
    file << registryScriptContent(registryDeviceIdentifier(vendorId, productId), keys);
    return static_cast<bool>(file);
}

} // namespace orvex
