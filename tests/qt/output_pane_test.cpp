// The output pane: text, lines, decoding across chunks, staying at the end, and the user's
// selection, copying and scrolling by mouse, keyboard and context menu.
#include "platform/qt/qt_output_pane.h"
#include "qt_test_support.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QMenu>
#include <QScrollBar>
#include <QTest>
#include <functional>
#include <optional>
#include <vector>

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

// Three lines, the second with a two-byte character inside a word.
constexpr char kThreeLines[] = "alpha beta\ncaf\xc3\xa9 gamma\ndelta_1 (x) end";
constexpr char kUntouched[] = "untouched";

// A shown pane with focus, and points on its lines for the mouse.
class ShownPane {
public:
    explicit ShownPane(std::string_view text, QSize size = QSize(400, 200)) {
        QGuiApplication::clipboard()->setText(QString::fromLatin1(kUntouched));
        pane.resize(size);
        pane.SetText(text);
        pane.show();
        pane.activateWindow();
        pane.setFocus();
        pane.Sync();
    }
    // The point on visible line `line` just after the text `before` (UTF-8).
    QPoint At(int line, const char* before) const {
        const QFontMetrics metrics = pane.fontMetrics();
        const int textLeft = 2;  // the pane's margin
        return QPoint(textLeft + metrics.horizontalAdvance(QString::fromUtf8(before)),
                      line * metrics.lineSpacing() + metrics.lineSpacing() / 2);
    }
    // A point inside the character that follows `before`.
    QPoint On(int line, const char* before) const { return At(line, before) + QPoint(2, 0); }
    QWidget* View() const { return pane.viewport(); }
    void Drag(QPoint from, QPoint to) {
        QTest::mousePress(View(), Qt::LeftButton, {}, from);
        QTest::mouseMove(View(), to);
        QTest::mouseRelease(View(), Qt::LeftButton, {}, to);
    }
    void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
        QTest::keyClick(&pane, key, modifiers);
    }
    QString CopyWithKeys() {
        Key(Qt::Key_C, Qt::ControlModifier);
        return QGuiApplication::clipboard()->text();
    }

    QtOutputPane pane;
};

TEST(OutputPaneSelectionTest, MouseSelectsAndCtrlCCopiesExactlyThat) {
    struct Case {
        const char* name;
        std::function<void(ShownPane&)> gesture;
        const char* selected;
    };
    const Case cases[] = {
        {"drag across two lines",
         [](ShownPane& p) { p.Drag(p.At(0, "alpha "), p.At(1, "caf\xc3\xa9 ga")); },
         "beta\ncaf\xc3\xa9 ga"},
        {"drag backwards", [](ShownPane& p) { p.Drag(p.At(1, "caf\xc3\xa9 g"), p.At(0, "alp")); },
         "ha beta\ncaf\xc3\xa9 g"},
        {"drag past the line's end and below the text",
         [](ShownPane& p) {
             p.Drag(p.At(0, "alpha "), QPoint(390, p.At(0, "").y()));
             QTest::mouseClick(p.View(), Qt::LeftButton, {}, p.At(2, "delta_1 (x) "));
             QTest::mouseClick(p.View(), Qt::LeftButton, Qt::ShiftModifier, QPoint(10, 190));
         },
         "end"},
        {"shift+click extends",
         [](ShownPane& p) {
             QTest::mouseClick(p.View(), Qt::LeftButton, {}, p.At(0, "alpha "));
             QTest::mouseClick(p.View(), Qt::LeftButton, Qt::ShiftModifier, p.At(1, "caf\xc3\xa9"));
         },
         "beta\ncaf\xc3\xa9"},
        {"double-click on a word with a two-byte character",
         [](ShownPane& p) { QTest::mouseDClick(p.View(), Qt::LeftButton, {}, p.On(1, "ca")); },
         "caf\xc3\xa9"},
        {"double-click on a word with an underscore",
         [](ShownPane& p) { QTest::mouseDClick(p.View(), Qt::LeftButton, {}, p.On(2, "del")); },
         "delta_1"},
        {"double-click on punctuation",
         [](ShownPane& p) {
             QTest::mouseDClick(p.View(), Qt::LeftButton, {}, p.On(2, "delta_1 "));
         },
         "("},
        {"triple-click selects the line and its break",
         [](ShownPane& p) {
             QTest::mouseDClick(p.View(), Qt::LeftButton, {}, p.On(1, "ca"));
             QTest::mousePress(p.View(), Qt::LeftButton, {}, p.On(1, "ca"));
             QTest::mouseRelease(p.View(), Qt::LeftButton, {}, p.On(1, "ca"));
         },
         "caf\xc3\xa9 gamma\n"},
        {"a click without a drag clears",
         [](ShownPane& p) {
             p.Key(Qt::Key_A, Qt::ControlModifier);
             QTest::mouseClick(p.View(), Qt::LeftButton, {}, p.At(0, "al"));
         },
         ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ShownPane p(kThreeLines);
        c.gesture(p);
        const QString selected = QString::fromUtf8(c.selected);
        EXPECT_EQ(p.pane.SelectedText(), selected);
        EXPECT_EQ(p.CopyWithKeys(),
                  selected.isEmpty() ? QString::fromLatin1(kUntouched) : selected);
    }
}

TEST(OutputPaneSelectionTest, CtrlACopiesEverythingAsItArrived) {
    ShownPane p("");
    Append(p.pane, "caf\xc3");
    Append(p.pane, "\xa9\n\xe6\x97");
    Append(p.pane, "\xa5 \xf0\x9f\x8e\xae\n\nlast");
    p.Key(Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(p.CopyWithKeys(),
              QString::fromUtf8("caf\xc3\xa9\n\xe6\x97\xa5 \xf0\x9f\x8e\xae\n\nlast"));
}

TEST(OutputPaneSelectionTest, OutputArrivingKeepsTheSelection) {
    struct Case {
        const char* name;
        std::function<void(ShownPane&)> select;
        std::function<void(QtOutputPane&)> output;
        const char* selected;
    };
    const auto dragged = [](ShownPane& p) { p.Drag(p.At(0, "alpha "), p.At(1, "caf\xc3\xa9")); };
    const auto appended = [](QtOutputPane& pane) {
        Append(pane, "\nmore output\n");
        Append(pane, "and more");
    };
    const Case cases[] = {
        {"appended after a dragged selection", dragged, appended, "beta\ncaf\xc3\xa9"},
        {"appended after selecting everything",
         [](ShownPane& p) { p.Key(Qt::Key_A, Qt::ControlModifier); }, appended, kThreeLines},
        {"inserted before the selection", dragged,
         [](QtOutputPane& pane) {
             pane.SetSel(0, 0);
             pane.ReplaceSel("first\n");
         },
         "beta\ncaf\xc3\xa9"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ShownPane p(kThreeLines);
        c.select(p);
        c.output(p.pane);
        QCoreApplication::processEvents();
        EXPECT_EQ(p.CopyWithKeys(), QString::fromUtf8(c.selected));
    }
}

TEST(OutputPaneSelectionTest, SetTextClearsTheSelection) {
    ShownPane p(kThreeLines);
    p.Key(Qt::Key_A, Qt::ControlModifier);
    p.pane.SetText("");
    EXPECT_EQ(p.pane.SelectedText(), "");
    p.pane.SetText("new text");
    EXPECT_EQ(p.pane.SelectedText(), "");
    EXPECT_EQ(p.CopyWithKeys(), kUntouched);
}

TEST(OutputPaneSelectionTest, TypingChangesNothing) {
    const std::pair<Qt::Key, Qt::KeyboardModifiers> keys[] = {
        {Qt::Key_X, {}},
        {Qt::Key_Space, {}},
        {Qt::Key_Return, {}},
        {Qt::Key_Delete, {}},
        {Qt::Key_Backspace, {}},
        {Qt::Key_V, Qt::ControlModifier},
        {Qt::Key_X, Qt::ControlModifier},
        {Qt::Key_Z, Qt::ControlModifier},
    };
    for (const auto& [key, modifiers] : keys) {
        SCOPED_TRACE(QKeySequence(key | modifiers).toString().toStdString());
        ShownPane p(kThreeLines);  // not asked to be read-only: the user may never edit
        p.Key(Qt::Key_A, Qt::ControlModifier);
        QGuiApplication::clipboard()->setText(QStringLiteral("pasted"));
        p.Key(key, modifiers);
        QCoreApplication::processEvents();
        EXPECT_EQ(p.pane.Text(), QString::fromUtf8(kThreeLines));
        EXPECT_EQ(p.pane.SelectedText(), QString::fromUtf8(kThreeLines));
        EXPECT_EQ(QGuiApplication::clipboard()->text(), "pasted");
    }
}

TEST(OutputPaneSelectionTest, KeysScrollTheView) {
    std::string text(300, 'w');
    for (int i = 0; i < 200; ++i) {
        text += "\nline " + std::to_string(i);
    }
    struct Case {
        const char* name;
        std::vector<std::pair<Qt::Key, Qt::KeyboardModifiers>> keys;
        bool vertical;
        std::function<int(const QScrollBar&)> expected;
    };
    const auto top = [](const QScrollBar&) { return 0; };
    const auto bottom = [](const QScrollBar& bar) { return bar.maximum(); };
    const Case cases[] = {
        {"Ctrl+End", {{Qt::Key_End, Qt::ControlModifier}}, true, bottom},
        {"Ctrl+End, Ctrl+Home",
         {{Qt::Key_End, Qt::ControlModifier}, {Qt::Key_Home, Qt::ControlModifier}},
         true,
         top},
        {"PageDown",
         {{Qt::Key_PageDown, {}}},
         true,
         [](const QScrollBar& bar) { return bar.pageStep(); }},
        {"PageDown, PageUp", {{Qt::Key_PageDown, {}}, {Qt::Key_PageUp, {}}}, true, top},
        {"Down, Down",
         {{Qt::Key_Down, {}}, {Qt::Key_Down, {}}},
         true,
         [](const QScrollBar&) { return 2; }},
        {"End", {{Qt::Key_End, {}}}, false, bottom},
        {"End, Home", {{Qt::Key_End, {}}, {Qt::Key_Home, {}}}, false, top},
        {"Right",
         {{Qt::Key_Right, {}}},
         false,
         [](const QScrollBar& bar) { return bar.singleStep(); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ShownPane p(text, QSize(300, 150));
        for (const auto& [key, modifiers] : c.keys) {
            p.Key(key, modifiers);
        }
        const QScrollBar& bar =
            c.vertical ? *p.pane.verticalScrollBar() : *p.pane.horizontalScrollBar();
        EXPECT_GT(bar.maximum(), 2);
        EXPECT_EQ(bar.value(), c.expected(bar));
        EXPECT_EQ(p.pane.SelectedText(), "");
    }
}

TEST(OutputPaneSelectionTest, DraggingPastTheBottomScrollsAndHoldsBackOutput) {
    std::string text;
    for (int i = 0; i < 100; ++i) {
        text += "line " + std::to_string(i) + "\n";
    }
    ShownPane p(text, QSize(300, 120));
    const int below = p.View()->height() + 5;
    QTest::mousePress(p.View(), Qt::LeftButton, {}, p.At(0, ""));
    QTest::mouseMove(p.View(), QPoint(10, below));
    QTest::mouseMove(p.View(), QPoint(10, below + 1));
    const std::size_t first = p.pane.FirstVisibleLine();
    EXPECT_EQ(first, 2u);
    // Output arriving mid-drag asks to scroll to the end; the view stays under the mouse.
    Append(p.pane, "more\n");
    QCoreApplication::processEvents();
    EXPECT_EQ(p.pane.FirstVisibleLine(), first);
    // The top visible line is now line 2.
    QTest::mouseRelease(p.View(), Qt::LeftButton, {}, p.At(0, "line"));
    EXPECT_EQ(p.pane.SelectedText(), "line 0\nline 1\nline");
}

TEST(OutputPaneSelectionTest, PaintsTheSelectionInTheHighlightColour) {
    ShownPane p("a          b\nc");
    const QPoint inBlanks = p.At(0, "a    ");
    const QPoint pastText(300, p.At(1, "").y());
    const QColor base = p.pane.palette().color(QPalette::Base);
    const QColor highlight = p.pane.palette().color(QPalette::Highlight);
    ASSERT_NE(base, highlight);
    EXPECT_EQ(p.View()->grab().toImage().pixelColor(inBlanks), base);
    p.Key(Qt::Key_A, Qt::ControlModifier);
    const QImage selected = p.View()->grab().toImage();
    EXPECT_EQ(selected.pixelColor(inBlanks), highlight);
    EXPECT_EQ(selected.pixelColor(pastText), base);
}

TEST(OutputPaneSelectionTest, ContextMenuCopiesOnlyWithASelection) {
    struct Case {
        const char* name;
        bool selectWord;
        bool copyEnabled;
        const char* trigger;
        const char* clipboard;
        const char* selected;
    };
    const Case cases[] = {
        {"nothing selected", false, false, "Select &All", kUntouched, kThreeLines},
        {"a word selected", true, true, "&Copy", "gamma", "gamma"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ShownPane p(kThreeLines);
        if (c.selectWord) {
            QTest::mouseDClick(p.View(), Qt::LeftButton, {}, p.On(1, "caf\xc3\xa9 g"));
            QTest::mouseRelease(p.View(), Qt::LeftButton, {}, p.On(1, "caf\xc3\xa9 g"));
        }
        std::optional<bool> copyEnabled;
        Later([&] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            ASSERT_NE(menu, nullptr);
            for (QAction* action : menu->actions()) {
                if (action->text() == "&Copy") {
                    copyEnabled = action->isEnabled();
                }
                if (action->text() == c.trigger) {
                    action->trigger();
                }
            }
            menu->close();
        });
        const QPoint at = p.At(0, "al");
        QContextMenuEvent event(QContextMenuEvent::Mouse, at, p.View()->mapToGlobal(at));
        QCoreApplication::sendEvent(p.View(), &event);
        EXPECT_EQ(copyEnabled, c.copyEnabled);
        EXPECT_EQ(QGuiApplication::clipboard()->text(), QString::fromUtf8(c.clipboard));
        EXPECT_EQ(p.pane.SelectedText(), QString::fromUtf8(c.selected));
    }
}

}  // namespace
}  // namespace velmora::qt::testing
