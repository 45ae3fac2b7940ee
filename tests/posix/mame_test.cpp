// The launch against Debian's real emulator, headless, without littering.
#include <sys/stat.h>
#include <unistd.h>

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "launch_fixture.h"

namespace velmora::testing {
namespace {

constexpr char kMame[] = "/usr/games/mame";
constexpr char kMameDir[] = "/usr/games";

// The names and modification times in the emulator's directory, to prove it is not written to.
std::vector<std::string> Snapshot(const std::string& directory) {
    std::vector<std::string> entries;
    struct stat info {};
    if (::stat(directory.c_str(), &info) == 0) {
        entries.push_back(". " + std::to_string(info.st_mtim.tv_sec) + "." +
                          std::to_string(info.st_mtim.tv_nsec));
    }
    for (const std::string& name : ListTree(directory)) {
        entries.push_back(name);
    }
    return entries;
}

struct MameCase {
    const char* name;
    const char* entryText;
    const char* options;
    const char* expectedText;
};

// Failure messages name the case rather than dumping its bytes.
void PrintTo(const MameCase& c, std::ostream* os) {
    *os << c.name;
}

// Debian's mame writes cfg/, nvram/ and snap/ under $HOME/.mame; without a display SDL needs
// its dummy drivers; without XDG_RUNTIME_DIR it complains. All of that stays in the test's tree.
class RealMameTest : public LaunchFixture, public ::testing::WithParamInterface<MameCase> {
protected:
    void SetUp() override {
        if (::access(kMame, X_OK) != 0) {
            GTEST_SKIP() << kMame << " is not installed (Debian package \"mame\")";
        }
        MakeDir(home, 0700);
        MakeDir(roms, 0755);
    }

    std::string home = root / "home";
    std::string roms = root / "roms";
    ScopedEnv homeEnv{"HOME", home};
    ScopedEnv videoEnv{"SDL_VIDEODRIVER", std::string("dummy")};
    ScopedEnv audioEnv{"SDL_AUDIODRIVER", std::string("dummy")};
    ScopedEnv displayEnv{"DISPLAY", std::nullopt};
    ScopedEnv waylandEnv{"WAYLAND_DISPLAY", std::nullopt};
};

TEST_P(RealMameTest, OutputOfTheEmulatorArrivesInThePane) {
    const std::vector<std::string> before = Snapshot(kMameDir);
    PathSettings settings;
    settings.MamePath = kMame;
    settings.RomPath = roms;
    settings.MameOptions = GetParam().options;

    Launch(GetParam().entryText, settings);

    EXPECT_TRUE(messageBox.shown.empty());
    EXPECT_NE(pane.Text().find(GetParam().expectedText), std::string::npos) << pane.Text();
    EXPECT_EQ(Snapshot(kMameDir), before);
}

INSTANTIATE_TEST_SUITE_P(
    Debian, RealMameTest,
    ::testing::Values(
        // mame prints its speed line only after a whole emulated second; a run of exactly one
        // second ends a hair short of that, so it runs two.
        MameCase{"PongRunsWithoutRomFiles", "pong.zip", "-video none -sound none -seconds_to_run 2",
                 "Average speed: "},
        MameCase{"PacmanWithoutRomFilesListsThem", "pacman.zip", "-video none -sound none",
                 "pacman.6e NOT FOUND"}),
    [](const ::testing::TestParamInfo<MameCase>& info) { return info.param.name; });

}  // namespace
}  // namespace velmora::testing
