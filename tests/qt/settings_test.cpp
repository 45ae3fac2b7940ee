// The settings key on a real INI file: what goes in comes back, byte for byte.
#include <QFile>

#include "platform/qt/qt_settings_registry.h"
#include "qt_test_support.h"

namespace velmora::qt::testing {
namespace {

constexpr char kKeyPath[] = "Software\\Tarnwick\\Velmora";
const std::vector<std::string> kNames = {"RomPath", "MamePath", "MameOptions"};

using SettingsTest = QtFixture;

std::vector<std::optional<std::string>> ReadBack() {
    QtSettingsRegistry registry;
    std::unique_ptr<SettingsKey> key = registry.OpenForReading(kKeyPath);
    if (!key) {
        ADD_FAILURE() << "the key cannot be opened";
        return {};
    }
    auto values = key->QueryValues(kNames);
    EXPECT_TRUE(key->Close());
    return values;
}

TEST_F(SettingsTest, ValuesRoundTripExactly) {
    const std::string values[] = {
        "",
        "-cheat 100% %s %d %1 %%",
        "-a,-b",
        "a, b ,c",
        "\"quoted\" and 'single'",
        "semi;colon = equals # hash",
        "C:\\MAME\\roms\\",
        "  leading and trailing spaces  ",
        "@ByteArray(not really)",
        "[General]",
        "caf\xc3\xa9 \xe6\x97\xa5\xe6\x9c\xac",
        "tab\there",
    };
    for (const std::string& value : values) {
        SCOPED_TRACE(value);
        QtSettingsRegistry registry;
        std::unique_ptr<SettingsKey> key = registry.CreateForWriting(kKeyPath);
        ASSERT_NE(key, nullptr);
        EXPECT_TRUE(key->SetValue("RomPath", "/roms/" + value));
        EXPECT_TRUE(key->SetValue("MamePath", value));
        EXPECT_TRUE(key->SetValue("MameOptions", value + ","));
        EXPECT_TRUE(key->Close());
        const auto read = ReadBack();
        ASSERT_EQ(read.size(), 3u);
        EXPECT_EQ(read[0], "/roms/" + value);
        EXPECT_EQ(read[1], value);
        EXPECT_EQ(read[2], value + ",");
    }
    QFile file(UserConfigFile());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().startsWith("[General]\n"));
}

TEST_F(SettingsTest, AMissingValueIsMissingAndTheOthersStillRead) {
    WriteSettings(UserConfigFile(), {"RomPath=/roms", "MameOptions=-window"});
    const auto read = ReadBack();
    ASSERT_EQ(read.size(), 3u);
    EXPECT_EQ(read[0], "/roms");
    EXPECT_EQ(read[1], std::nullopt);
    EXPECT_EQ(read[2], "-window");
}

TEST_F(SettingsTest, AHandWrittenListKeepsItsCommas) {
    WriteSettings(UserConfigFile(), {"RomPath=/roms", "MamePath=/mame", "MameOptions=-a,-b"});
    EXPECT_EQ(ReadBack()[2], "-a,-b");
}

TEST_F(SettingsTest, WhichFileIsOpened) {
    QtSettingsRegistry registry;
    EXPECT_EQ(registry.OpenForReading(kKeyPath), nullptr) << "no file at all";

    WriteSettings(SystemConfigFile(), {"RomPath=/machine"});
    EXPECT_EQ(ReadBack()[0], "/machine") << "the machine-wide file when the user has none";

    WriteSettings(UserConfigFile(), {"RomPath=/user"});
    EXPECT_EQ(ReadBack()[0], "/user") << "the user's file first";
}

TEST_F(SettingsTest, WritingFailsWhereTheFileCannotBeCreated) {
    WriteFile(m_config.filePath("Tarnwick"), "not a folder");
    QtSettingsRegistry registry;
    EXPECT_EQ(registry.CreateForWriting(kKeyPath), nullptr);
}

}  // namespace
}  // namespace velmora::qt::testing
