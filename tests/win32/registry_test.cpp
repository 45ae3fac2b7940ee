// Settings saved and loaded through the real registry of the Wine prefix.
#include <gtest/gtest.h>

#include "fakes/fake_app.h"
#include "platform/win32/win32_registry.h"
#include "res/resource.h"
#include "ui/velmora_dlg.h"
#include "win32_test_support.h"

namespace velmora::testing {
namespace {

constexpr char kKeyPath[] = "Software\\Tarnwick\\Velmora";

// Each test works under a key of its own, so tests may run side by side.
class RegistryTest : public ::testing::Test {
protected:
    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        m_rootPath =
            std::string("Software\\VelmoraTests\\") + info->test_suite_name() + "." + info->name();
        ::RegDeleteTreeA(HKEY_CURRENT_USER, m_rootPath.c_str());
        ::RegCreateKeyExA(HKEY_CURRENT_USER, m_rootPath.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS,
                          nullptr, &m_root, nullptr);
        m_registry = win32::Win32SettingsRegistry(m_root);
    }
    void TearDown() override {
        ::RegCloseKey(m_root);
        ::RegDeleteTreeA(HKEY_CURRENT_USER, m_rootPath.c_str());
    }

    void Save(const PathSettings& settings) {
        CVelmoraDlg dialog(m_services);
        dialog.m_strMamePath = settings.MamePath;
        dialog.m_strRomPath = settings.RomPath;
        dialog.m_strMameOptions = settings.MameOptions;
        dialog.SaveSettings();
    }
    PathSettings Load() {
        CVelmoraDlg dialog(m_services);
        dialog.LoadSettings();
        return {dialog.m_strMamePath, dialog.m_strRomPath, dialog.m_strMameOptions};
    }
    void SetRaw(const char* name, const std::string& data) {
        HKEY key = nullptr;
        ::RegCreateKeyExA(m_root, kKeyPath, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr);
        ::RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(data.c_str()),
                         static_cast<DWORD>(data.size() + 1));
        ::RegCloseKey(key);
    }
    // The stored bytes of a value and its type.
    std::pair<std::string, DWORD> GetRaw(const char* name) {
        DWORD type = 0;
        DWORD size = 0;
        ::RegGetValueA(m_root, kKeyPath, name, RRF_RT_ANY | RRF_NOEXPAND, &type, nullptr, &size);
        std::string data(size, '\0');
        ::RegGetValueA(m_root, kKeyPath, name, RRF_RT_ANY | RRF_NOEXPAND, &type, data.data(),
                       &size);
        data.resize(size);
        return {data, type};
    }

    std::string m_rootPath;
    HKEY m_root = nullptr;
    FakeApp m_app;
    win32::Win32SettingsRegistry m_registry{nullptr};  // rooted at m_root once it exists
    AppServices m_services{m_app.dialogs, m_app.picker, m_registry, m_app.services.launch};
};

bool operator==(const PathSettings& a, const PathSettings& b) {
    return a.MamePath == b.MamePath && a.RomPath == b.RomPath && a.MameOptions == b.MameOptions;
}

TEST_F(RegistryTest, SavedSettingsLoadBackUnchanged) {
    const PathSettings cases[] = {
        {"C:\\MAME\\mame.exe", "C:\\MAME\\roms", "-window"},
        {"C:\\100%\\mame.exe", "%PATH%", "-str %d %s %%"},
        {"", "", ""},
        // Together far beyond what one 2048-byte query could hold.
        {std::string(1500, 'm'), std::string(1500, 'r'), std::string(3000, 'o')},
    };
    for (const PathSettings& settings : cases) {
        Save(settings);
        EXPECT_TRUE(Load() == settings) << settings.MamePath.substr(0, 40);
    }
    EXPECT_TRUE(m_app.messageBox.shown.empty());
    EXPECT_TRUE(m_app.dialogs.events.empty());  // the key existed, so no path setup opened
}

TEST_F(RegistryTest, ValuesAreStringsWithTheirTerminatorCounted) {
    Save({"", "C:\\roms", ""});
    for (const char* name : {"MamePath", "MameOptions"}) {
        EXPECT_EQ(GetRaw(name), std::make_pair(std::string(1, '\0'), DWORD{REG_SZ})) << name;
    }
    EXPECT_EQ(GetRaw("RomPath"), std::make_pair(std::string("C:\\roms\0", 8), DWORD{REG_SZ}));
}

TEST_F(RegistryTest, MissingValueStaysEmptyAndTheOthersLoad) {
    SetRaw("RomPath", "C:\\roms");
    SetRaw("MameOptions", "-window");
    EXPECT_TRUE(Load() == (PathSettings{"", "C:\\roms", "-window"}));
}

TEST_F(RegistryTest, MissingKeyOpensThePathSetupInstead) {
    EXPECT_TRUE(Load() == PathSettings{});
    EXPECT_EQ(m_app.dialogs.events,
              (std::vector<std::string>{"show " + std::to_string(IDD_PATHSETUP),
                                        "end " + std::to_string(IDD_PATHSETUP)}));
    HKEY key = nullptr;
    EXPECT_NE(::RegOpenKeyExA(m_root, kKeyPath, 0, KEY_READ, &key), ERROR_SUCCESS);
}

}  // namespace
}  // namespace velmora::testing
