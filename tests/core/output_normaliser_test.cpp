// Line endings of the child's output, within one chunk and across chunks.
#include "launch/output_normaliser.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace velmora {
namespace {

struct NormaliseCase {
    std::vector<std::string> chunks;
    std::string expected;
};

class OutputNormaliserTest : public ::testing::TestWithParam<NormaliseCase> {};

TEST_P(OutputNormaliserTest, MakesEveryLineEndingOneBreakAndLosesNothing) {
    OutputNormaliser normaliser("\r\n");
    std::string out;
    for (const std::string& chunk : GetParam().chunks) {
        normaliser.Normalise(chunk, out);
    }
    EXPECT_EQ(out, GetParam().expected);
}

using S = std::string;
INSTANTIATE_TEST_SUITE_P(
    Chunks, OutputNormaliserTest,
    ::testing::Values(
        NormaliseCase{{"ab\rcd"}, "ab\r\ncd"}, NormaliseCase{{"ab\r\ncd"}, "ab\r\ncd"},
        NormaliseCase{{"ab\ncd"}, "ab\r\ncd"}, NormaliseCase{{"\n\rx"}, "\r\n\r\nx"},
        NormaliseCase{{"x\r\r\n"}, "x\r\n\r\n"}, NormaliseCase{{"x\r\ry"}, "x\r\n\r\ny"},
        NormaliseCase{{"\rab"}, "\r\nab"}, NormaliseCase{{"ab\r", "\ncd"}, "ab\r\ncd"},
        NormaliseCase{{"ab\r", "cd"}, "ab\r\ncd"},
        NormaliseCase{{"ab\r", "\r", "\n"}, "ab\r\n\r\n"},
        NormaliseCase{{"ab\n", "\ncd"}, "ab\r\n\r\ncd"}, NormaliseCase{{S("a\0b", 3)}, "ab"},
        NormaliseCase{{S("\0\0", 2), "x"}, "x"}, NormaliseCase{{"", "a"}, "a"}));

TEST(OutputNormaliserTest, UsesThePanesOwnLineBreak) {
    OutputNormaliser normaliser("\n");
    std::string out;
    normaliser.Normalise("a\r\nb\rc\n", out);
    EXPECT_EQ(out, "a\nb\nc\n");
}

// Long chunks take the wide scan; every special byte at every offset must still be found.
TEST(OutputNormaliserTest, FindsLineEndingsAtEveryOffsetOfLongChunks) {
    const std::string special("\r\n\0", 3);
    const std::string plain("abcdefghijklmnop");
    std::mt19937 random(7);
    for (int round = 0; round < 500; ++round) {
        std::string chunk(random() % 100, 'x');
        for (char& c : chunk) {
            c = random() % 4 == 0 ? special[random() % special.size()]
                                  : plain[random() % plain.size()];
        }
        std::string expected;
        bool afterCr = false;
        for (char c : chunk) {
            if (c == '\0') {
                continue;
            }
            if (c == '\r' || (c == '\n' && !afterCr)) {
                expected += "\r\n";
            } else if (c != '\n') {
                expected += c;
            }
            afterCr = c == '\r';
        }
        OutputNormaliser normaliser("\r\n");
        std::string out;
        normaliser.Normalise(chunk, out);
        ASSERT_EQ(out, expected) << "round " << round;
    }
}

}  // namespace
}  // namespace velmora
