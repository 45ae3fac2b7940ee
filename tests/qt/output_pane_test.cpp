// The output pane: text, lines, decoding across chunks and staying at the end.
#include "platform/qt/qt_output_pane.h"
#include "qt_test_support.h"

namespace velmora::qt::testing {
namespace {

// What the runner does with each chunk.
void Append(OutputPane& pane, std::string_view text) {
    const std::size_t length = pane.GetTextLength();
    pane.SetSel(length, length);
    pane.ScrollCaret();
    pane.ReplaceSel(text);
    pane.LineScroll(0, pane.GetLineCount());
}

TEST(OutputPaneTest, ACharacterSplitAcrossChunksShowsOnce) {
    QtOutputPane pane;
    Append(pane, "caf\xc3");
    Append(pane, "\xa9 \xe6\x97");
    Append(pane, "\xa5\n");
    EXPECT_EQ(pane.Text(), QString::fromUtf8("caf\xc3\xa9 \xe6\x97\xa5\n"));
}

TEST(OutputPaneTest, CountsLinesAndLengthAndResets) {
    QtOutputPane pane;
    EXPECT_EQ(pane.GetLineCount(), 1u);
    EXPECT_EQ(pane.LineBreak(), "\n");
    Append(pane, "one\ntwo\nthr");
    Append(pane, "ee");
    EXPECT_EQ(pane.GetLineCount(), 3u);
    EXPECT_EQ(pane.GetTextLength(), 13u);
    pane.SetText("");
    EXPECT_EQ(pane.GetTextLength(), 0u);
    EXPECT_EQ(pane.GetLineCount(), 1u);
    EXPECT_EQ(pane.Text(), "");
}

TEST(OutputPaneTest, ReplacesASelectionInTheMiddle) {
    QtOutputPane pane;
    pane.SetText("abc\ndef\nghi");
    pane.SetSel(2, 6);
    pane.ReplaceSel("X\nY\nZ");
    EXPECT_EQ(pane.Text(), "abX\nY\nZf\nghi");
    EXPECT_EQ(pane.GetLineCount(), 4u);
}

TEST(OutputPaneTest, StaysScrolledToTheEnd) {
    QtOutputPane pane;
    pane.resize(300, 120);
    pane.show();
    std::string lines;
    for (int i = 0; i < 500; ++i) {
        lines += "line " + std::to_string(i) + "\n";
    }
    Append(pane, lines);
    pane.Sync();
    const std::size_t visible = pane.GetLineCount() - pane.FirstVisibleLine();
    EXPECT_GT(visible, 1u);
    EXPECT_LT(visible, 20u);
}

TEST(OutputPaneTest, ReadOnlyOnceAsked) {
    QtOutputPane pane;
    EXPECT_FALSE(pane.IsReadOnly());
    pane.SetReadOnly(true);
    EXPECT_TRUE(pane.IsReadOnly());
}

}  // namespace
}  // namespace velmora::qt::testing
