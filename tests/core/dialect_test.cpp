// The launch line in the batch-file and shell dialects.
#include <gtest/gtest.h>

#include "launch/cmd_dialect.h"
#include "launch/sh_dialect.h"

namespace velmora {
namespace {

struct LineCase {
    const char* baseName;
    const char* gameName;
    const char* romPath;
    const char* options;
    const char* line;
};

class CmdLineTest : public ::testing::TestWithParam<LineCase> {};

TEST_P(CmdLineTest, BuildsTheBatchLine) {
    const LineCase& c = GetParam();
    const LaunchRequest request{c.gameName, "C:\\MAME", c.baseName};
    const PathSettings settings{"C:\\MAME\\mame.exe", c.romPath, c.options};
    EXPECT_EQ(CmdDialect().ScriptText(request, settings), c.line);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, CmdLineTest,
    ::testing::Values(
        LineCase{"mame", "pacman", "C:\\MAME\\roms", "-window",
                 "mame pacman -rp \"C:\\MAME\\roms\" -window\r\n"},
        LineCase{"mame", "pacman", "C:\\MAME\\roms", "", "mame pacman -rp \"C:\\MAME\\roms\" \r\n"},
        LineCase{"mame", "pacman", "", "-window", "mame pacman -rp \"\" -window\r\n"},
        LineCase{"mame", "", "C:\\roms", "", "mame  -rp \"C:\\roms\" \r\n"},
        LineCase{"", "pacman", "C:\\roms", "", " pacman -rp \"C:\\roms\" \r\n"},
        // Per-cent signs are doubled so that cmd.exe hands one to the emulator.
        LineCase{"mame", "100%", "C:\\50%", "-x %TEMP%",
                 "mame 100%% -rp \"C:\\50%%\" -x %TEMP%\r\n"},
        LineCase{"mame", "%PATH%", "C:\\roms", "", "mame %%PATH%% -rp \"C:\\roms\" \r\n"},
        // Names that cmd.exe would split or act on are quoted.
        LineCase{"mame", "a&b", "C:\\roms", "", "mame \"a&b\" -rp \"C:\\roms\" \r\n"},
        LineCase{"mame", "a^b", "C:\\roms", "", "mame \"a^b\" -rp \"C:\\roms\" \r\n"},
        LineCase{"mame", "(x)", "C:\\roms", "", "mame \"(x)\" -rp \"C:\\roms\" \r\n"},
        LineCase{"mame", "!x!", "C:\\roms", "", "mame \"!x!\" -rp \"C:\\roms\" \r\n"},
        LineCase{"mame", "my game", "C:\\roms", "", "mame \"my game\" -rp \"C:\\roms\" \r\n"},
        LineCase{"my mame", "pacman", "C:\\roms", "", "\"my mame\" pacman -rp \"C:\\roms\" \r\n"},
        // A trailing backslash would otherwise escape the closing quote for the emulator.
        LineCase{"mame", "pacman", "C:\\", "", "mame pacman -rp \"C:\\\\\" \r\n"}));

TEST(CmdDialectTest, QuotesTheScriptPathOnlyWhenItHoldsASpace) {
    EXPECT_EQ(CmdDialect().ChildCommandLine("C:\\TEMP\\mame.bat"), "C:\\TEMP\\mame.bat");
    EXPECT_EQ(CmdDialect().ChildCommandLine("C:\\Documents and Settings\\Temp\\mame.bat"),
              "\"C:\\Documents and Settings\\Temp\\mame.bat\"");
}

struct ShCase {
    const char* mamePath;
    const char* gameName;
    const char* romPath;
    const char* options;
    const char* line;
};

class ShLineTest : public ::testing::TestWithParam<ShCase> {};

TEST_P(ShLineTest, BuildsTheShellLine) {
    const ShCase& c = GetParam();
    const LaunchRequest request{c.gameName, "/usr/games", "mame"};
    const PathSettings settings{c.mamePath, c.romPath, c.options};
    EXPECT_EQ(ShDialect().ScriptText(request, settings), c.line);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, ShLineTest,
    ::testing::Values(
        ShCase{"/usr/games/mame", "pacman", "/home/u/roms", "-window",
               "/usr/games/mame pacman -rp \"/home/u/roms\" -window\n"},
        ShCase{"/usr/games/mame", "", "/roms", "", "/usr/games/mame  -rp \"/roms\" \n"},
        ShCase{"/usr/games/mame", "pac man", "/my roms", "-x $HOME",
               "/usr/games/mame 'pac man' -rp \"/my roms\" -x $HOME\n"},
        ShCase{"/opt/my mame/mame", "$(touch CANARY)", "/r/$(id)`id`\"\\", "",
               "'/opt/my mame/mame' '$(touch CANARY)' -rp \"/r/\\$(id)\\`id\\`\\\"\\\\\" \n"},
        ShCase{"/usr/games/mame", "it's", "/roms", "",
               "/usr/games/mame 'it'\\''s' -rp \"/roms\" \n"},
        ShCase{"/usr/games/mame", "a\nb;c", "/roms", "",
               "/usr/games/mame 'a\nb;c' -rp \"/roms\" \n"},
        ShCase{"/usr/games/mame", "\xff\xfe", "/roms", "",
               "/usr/games/mame '\xff\xfe' -rp \"/roms\" \n"}));

}  // namespace
}  // namespace velmora
