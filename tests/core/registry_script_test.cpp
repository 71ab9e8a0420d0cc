#include "core/registry_script.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>

namespace orvex {
namespace {

/// A registry holding exactly the given keys.
class FakeKeys final : public KeyProbe {
public:
    std::set<std::pair<RegistryRoot, std::string>> present;
    bool keyExists(RegistryRoot root, const std::string& path) const override
    {
        return present.count({root, path}) != 0;
    }
};

const std::string kOem = "\\Control\\MediaProperties\\PrivateProperties\\Joystick\\OEM\\";
const std::string kDirectInput = "\\Control\\MediaProperties\\PrivateProperties\\DirectInput\\";

TEST(RegistryScript, NamesFollowTheDeviceIds)
{
    EXPECT_EQ(registryDeviceIdentifier(0x7A5C, 0x0109), "VID_7A5C&PID_0109");
    EXPECT_EQ(registryDeviceIdentifier(0x00ab, 0x000c), "VID_00AB&PID_000C");
    EXPECT_EQ(registryScriptFileName(0x7A5C, 0x0912), "del_VID_7A5C&PID_0912.reg");
}

TEST(RegistryScript, CandidateKeysInTheOrderTheyAreTested)
{
    const auto keys = registryCandidateKeys("ID");
    ASSERT_EQ(keys.size(), 24u);
    EXPECT_EQ(keys[0].root, RegistryRoot::CurrentUser);
    EXPECT_EQ(keys[0].path, "SYSTEM\\CurrentControlSet" + kOem + "ID");
    EXPECT_EQ(keys[1].root, RegistryRoot::CurrentUser);
    EXPECT_EQ(keys[1].path, "SYSTEM\\CurrentControlSet" + kDirectInput + "ID");
    EXPECT_EQ(keys[2].root, RegistryRoot::LocalMachine);
    EXPECT_EQ(keys[2].path, "SYSTEM\\CurrentControlSet" + kOem + "ID");
    EXPECT_EQ(keys[3].path, "SYSTEM\\CurrentControlSet" + kDirectInput + "ID");
    for (int n = 0; n <= 9; ++n) {
        const std::string set = "SYSTEM\\ControlSet00" + std::to_string(n);
        EXPECT_EQ(keys[4 + 2 * n].root, RegistryRoot::LocalMachine);
        EXPECT_EQ(keys[4 + 2 * n].path, set + kOem + "ID");
        EXPECT_EQ(keys[5 + 2 * n].path, set + kDirectInput + "ID");
    }
}

TEST(RegistryScript, ContentWithoutKeysIsTheHeaderAndTwoEmptyLines)
{
    EXPECT_EQ(registryScriptContent("VID_7A5C&PID_0109", AbsentKeys{}),
              "Windows Registry Editor Version 5.00\r\n\r\n\r\n");
}

TEST(RegistryScript, ContentListsThePresentKeysInOrderWithTheirRoots)
{
    const std::string id = "VID_7A5C&PID_0109";
    FakeKeys keys;
    keys.present = {{RegistryRoot::LocalMachine, "SYSTEM\\ControlSet001" + kDirectInput + id},
                    {RegistryRoot::CurrentUser, "SYSTEM\\CurrentControlSet" + kOem + id},
                    {RegistryRoot::LocalMachine, "SYSTEM\\CurrentControlSet" + kOem + id}};
    EXPECT_EQ(registryScriptContent(id, keys),
              "Windows Registry Editor Version 5.00\r\n\r\n"
              "[-HKEY_CURRENT_USER\\SYSTEM\\CurrentControlSet" + kOem + id + "]\r\n"
              "[-HKEY_LOCAL_MACHINE\\SYSTEM\\CurrentControlSet" + kOem + id + "]\r\n"
              "[-HKEY_LOCAL_MACHINE\\SYSTEM\\ControlSet001" + kDirectInput + id + "]\r\n"
              "\r\n");
}

TEST(RegistryScript, FileIsReplacedAndAnUnwritableFolderIsSkipped)
{
    const auto folder = std::filesystem::temp_directory_path() / "orvex-registry-script-test";
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    const auto path = folder / "del_VID_7A5C&PID_0109.reg";
    std::ofstream(path) << "an older and much longer file that must not survive in any part";

    ASSERT_TRUE(writeRegistryScript(folder.string(), 0x7A5C, 0x0109, AbsentKeys{}));
    std::ifstream in(path, std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(in), {}};
    EXPECT_EQ(bytes, "Windows Registry Editor Version 5.00\r\n\r\n\r\n");

    EXPECT_FALSE(writeRegistryScript((folder / "missing").string(), 0x7A5C, 0x0109, AbsentKeys{}));
    std::filesystem::remove_all(folder);
}

} // namespace
} // namespace orvex
