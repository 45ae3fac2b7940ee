// Deriving the game name and the emulator's directory and base name.
#include "launch/launch_request.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

struct RequestCase {
    const char* entryText;
    const char* mamePath;
    char separator;
    const char* gameName;
    const char* emulatorDirectory;
    const char* emulatorBaseName;
};

class LaunchRequestTest : public ::testing::TestWithParam<RequestCase> {};

TEST_P(LaunchRequestTest, DerivesTheNames) {
    const RequestCase& c = GetParam();
    const DoubleByteCodePage codePage(IsShiftJisLeadByte);
    const LaunchRequest request = MakeLaunchRequest(c.entryText, c.mamePath, c.separator, codePage);
    EXPECT_EQ(request.gameName, c.gameName);
    EXPECT_EQ(request.emulatorDirectory, c.emulatorDirectory);
    EXPECT_EQ(request.emulatorBaseName, c.emulatorBaseName);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LaunchRequestTest,
    ::testing::Values(
        RequestCase{"pacman.zip", "C:\\MAME\\mame.exe", '\\', "pacman", "C:\\MAME", "mame"},
        RequestCase{"galaga", "C:\\MAME\\mame.exe", '\\', "galaga", "C:\\MAME", "mame"},
        RequestCase{"a.b.zip", "C:\\MAME\\mame.exe", '\\', "a.b", "C:\\MAME", "mame"},
        // A full stop only in a directory is not the extension.
        RequestCase{"pacman.zip", "C:\\MAME.37\\mame", '\\', "pacman", "C:\\MAME.37", "mame"},
        RequestCase{"pacman.zip", "mame.exe", '\\', "pacman", "mame.exe", "mame"},
        RequestCase{"pacman.zip", "C:\\MAME\\", '\\', "pacman", "C:\\MAME", ""},
        RequestCase{"", "C:\\MAME\\mame.exe", '\\', "", "C:\\MAME", "mame"},
        RequestCase{"pacman.zip", "/usr/games/mame", '/', "pacman", "/usr/games", "mame"},
        RequestCase{"pacman.zip", "/opt/mame.0251/mame.bin", '/', "pacman", "/opt/mame.0251",
                    "mame"}));

TEST(LaunchRequestTest, HasNoLengthCeiling) {
    const DoubleByteCodePage codePage(IsShiftJisLeadByte);
    const std::string longName(70000, 'g');
    const std::string longDirectory = "C:\\" + std::string(40000, 'd');
    const LaunchRequest request =
        MakeLaunchRequest(longName + ".zip", longDirectory + "\\mame.exe", '\\', codePage);
    EXPECT_EQ(request.gameName, longName);
    EXPECT_EQ(request.emulatorDirectory, longDirectory);
    EXPECT_EQ(request.emulatorBaseName, "mame");
}

}  // namespace
}  // namespace velmora
