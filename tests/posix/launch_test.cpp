// File names are data: hostile names reach a real program through the real script, byte for byte.
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "launch_fixture.h"

namespace velmora::testing {
namespace {

struct HostileCase {
    const char* name;
    std::string entryText;
    std::string gameName;  // what the emulator must receive; empty: no game argument at all
    std::string romDirName;
    std::string emulatorDirName;
    std::string emulatorFileName;
};

// Failure messages name the case rather than dumping its bytes.
void PrintTo(const HostileCase& c, std::ostream* os) {
    *os << c.name;
}

class HostileNamesTest : public LaunchFixture, public ::testing::WithParamInterface<HostileCase> {
protected:
    // Any file called CANARY, in the test's tree or where the test runs, means a name was run
    // as a command.
    void ExpectNoCanary() {
        for (const std::string& name : ListTree(root.Path())) {
            EXPECT_NE(std::filesystem::path(name).filename().string(), "CANARY") << name;
        }
        EXPECT_FALSE(Exists("CANARY"));
    }
};

TEST_P(HostileNamesTest, EachNameReachesTheEmulatorAsOneArgumentByteForByte) {
    const HostileCase& c = GetParam();
    PathSettings settings;
    settings.MamePath = InstallEchoEmulator(c.emulatorDirName, c.emulatorFileName);
    settings.RomPath = root / c.romDirName;
    settings.MameOptions = "-window -x";

    Launch(c.entryText, settings);

    ASSERT_TRUE(messageBox.shown.empty()) << messageBox.shown[0].first;
    const EchoReport echo = ParseEcho(pane.Text());
    std::vector<std::string> expected = {settings.MamePath};
    if (!c.gameName.empty()) {
        expected.push_back(c.gameName);
    }
    expected.insert(expected.end(), {"-rp", settings.RomPath, "-window", "-x"});
    EXPECT_EQ(echo.args, expected);
    EXPECT_EQ(echo.cwd, std::filesystem::canonical(root / c.emulatorDirName).string());
    ExpectNoCanary();
}

INSTANTIATE_TEST_SUITE_P(
    EndToEnd, HostileNamesTest,
    ::testing::Values(
        HostileCase{"Ampersand", "a&b.zip", "a&b", "roms a&b", "emu a&b", "mame&b"},
        HostileCase{"CommandSubstitution", "$(touch CANARY).zip", "$(touch CANARY)",
                    "$(touch CANARY)", "$(touch CANARY)", "$(touch CANARY)"},
        HostileCase{"Backquotes", "`id`.zip", "`id`", "`touch CANARY`", "`touch CANARY`", "`id`"},
        HostileCase{"Semicolon", "a;touch CANARY.zip", "a;touch CANARY", "r;touch CANARY",
                    "e;touch CANARY", "m;touch CANARY"},
        HostileCase{"Quotes", "it's.zip", "it's", "say \"hi\"", "'\"'", "o'q\""},
        HostileCase{"CmdPercentAndBang", "%PATH%.zip", "%PATH%", "!x!", "%TEMP% !y!", "%x%!z!"},
        HostileCase{"Newline", "line1\nline2.zip", "line1\nline2", "roms\nmore", "emu\ndir",
                    "ma\nme"},
        HostileCase{"NotUtf8", "\xff\xfe.zip", "\xff\xfe", "r\xff\xfe", "e\xc3\x28", "\xfe"},
        HostileCase{"LeadingAndInnerSpaces", "  lead ing.zip", "  lead ing", " roms with spaces ",
                    "  emu dir", " mame "},
        HostileCase{"Backslashes", "a\\b.zip", "a\\b", "roms\\", "e\\\\d", "\\mame"},
        HostileCase{"Dollars", "$HOME.zip", "$HOME", "$HOME${PATH}", "${HOME}", "$PATH"},
        HostileCase{"GlobAndTilde", "*.zip", "*", "~ roms *", "~", "?"},
        HostileCase{"SeveralFullStops", "a.b.zip", "a.b", "r.o.m.s", "emu.d", "mame.exe"},
        HostileCase{"NoEntrySelected", "", "", "roms", "emu", "mame"}),
    [](const ::testing::TestParamInfo<HostileCase>& info) { return info.param.name; });

struct OptionsCase {
    const char* name;
    std::string options;
    std::vector<std::string> expectedTail;  // the arguments after the ROM directory
};

void PrintTo(const OptionsCase& c, std::ostream* os) {
    *os << c.name;
}

class OptionsTest : public LaunchFixture, public ::testing::WithParamInterface<OptionsCase> {};

// The options are the user's own command-line text: the shell splits and unquotes them.
TEST_P(OptionsTest, OptionsArePassedAsTheUsersCommandLineText) {
    PathSettings settings;
    settings.MamePath = InstallEchoEmulator("emu", "mame");
    settings.RomPath = root / "roms";
    settings.MameOptions = GetParam().options;

    Launch("pacman.zip", settings);

    std::vector<std::string> expected = {settings.MamePath, "pacman", "-rp", settings.RomPath};
    expected.insert(expected.end(), GetParam().expectedTail.begin(), GetParam().expectedTail.end());
    EXPECT_EQ(ParseEcho(pane.Text()).args, expected);
}

INSTANTIATE_TEST_SUITE_P(
    EndToEnd, OptionsTest,
    ::testing::Values(OptionsCase{"None", "", {}},
                      OptionsCase{"TwoWords", "-window -x", {"-window", "-x"}},
                      OptionsCase{"QuotedWord", "-state \"my slot\"", {"-state", "my slot"}}),
    [](const ::testing::TestParamInfo<OptionsCase>& info) { return info.param.name; });

using LaunchTest = LaunchFixture;

TEST_F(LaunchTest, GameNameThatLooksLikeAnOptionIsRefused) {
    PathSettings settings;
    settings.MamePath = InstallEchoEmulator("emu", "mame");
    settings.RomPath = root / "roms";
    pane.SetText("text of the previous launch");

    Launch("-listxml.zip", settings);

    ASSERT_EQ(messageBox.shown.size(), 1u);
    EXPECT_EQ(messageBox.shown[0].first, OptionLikeGameText("-listxml"));
    EXPECT_EQ(messageBox.shown[0].second, MessageIcon::Exclamation);
    EXPECT_EQ(processes.created, 0);
    EXPECT_FALSE(Exists(ScriptPath()));
    EXPECT_EQ(pane.Text(), "text of the previous launch");
}

}  // namespace
}  // namespace velmora::testing
