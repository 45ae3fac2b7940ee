// Cutting at the last character, with single-byte and double-byte code pages.
#include "text/cut.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

const DoubleByteCodePage kShiftJis(IsShiftJisLeadByte);
const DoubleByteCodePage kSingleByte([](unsigned char) { return false; });

struct CutCase {
    const char* text;
    char c;
    const char* keptBefore;
    const char* droppedThrough;
};

class CutTest : public ::testing::TestWithParam<CutCase> {};

TEST_P(CutTest, KeepsBeforeAndDropsThroughTheLastOccurrence) {
    const CutCase& cut = GetParam();
    EXPECT_EQ(KeepBeforeLast(cut.text, cut.c, kShiftJis), cut.keptBefore);
    EXPECT_EQ(DropThroughLast(cut.text, cut.c, kShiftJis), cut.droppedThrough);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, CutTest,
    ::testing::Values(CutCase{"pacman.zip", '.', "pacman", "zip"},
                      CutCase{"a.b.zip", '.', "a.b", "zip"},
                      CutCase{"galaga", '.', "galaga", "galaga"}, CutCase{"", '.', "", ""},
                      CutCase{"C:\\MAME\\mame.exe", '\\', "C:\\MAME", "mame.exe"},
                      CutCase{"C:\\", '\\', "C:", ""}, CutCase{"\\", '\\', "", ""},
                      // 0x95 0x5C is one Shift-JIS character whose trail byte looks like '\'.
                      CutCase{"C:\\\x95\x5C", '\\', "C:", "\x95\x5C"},
                      CutCase{"\x95\x5C", '\\', "\x95\x5C", "\x95\x5C"},
                      CutCase{"\x81\x2E"
                              "a.b",
                              '.',
                              "\x81\x2E"
                              "a",
                              "b"},
                      // A lead byte at the end has no trail; the search must not run past it.
                      CutCase{"a\\\x95", '\\', "a", "\x95"}));

TEST(CutTest, TrailBytesMatchOnlyInASingleByteCodePage) {
    EXPECT_EQ(KeepBeforeLast("dir\\\x95\x5C", '\\', kSingleByte), "dir\\\x95");
    EXPECT_EQ(KeepBeforeLast("dir\\\x95\x5C", '\\', kShiftJis), "dir");
}

TEST(CutTest, LocaleCodePageWalksUtf8ByCharacters) {
    const LocaleCodePage locale;
    EXPECT_EQ(KeepBeforeLast("/roms/\xC3\xA9t\xC3\xA9.zip", '.', locale),
              "/roms/\xC3\xA9t\xC3\xA9");
    EXPECT_EQ(DropThroughLast("/usr/games/mame", '/', locale), "mame");
}

}  // namespace
}  // namespace velmora
