// The output pane: a read-only, non-wrapping text view that draws only its visible lines.
#pragma once

#include <QAbstractScrollArea>
#include <QBasicTimer>
#include <QStringDecoder>
#include <QStringEncoder>

#include "launch/output_pane.h"
#include "platform/qt/pane_selection.h"
#include "platform/qt/pane_text.h"

class QMenu;
class QTextLayout;

namespace velmora::qt {

// The emulator can print hundreds of megabytes; a text document would spend far longer
// laying that out than the emulator takes to print it. This pane keeps the text as compact
// UTF-8 with a line index, and the widget catches up in one step when events are next
// processed. Positions count bytes of that UTF-8 text. The user can select and copy but
// never edit; the user's selection is separate from the runner's insertion point.
class QtOutputPane : public QAbstractScrollArea, public OutputPane {
    Q_OBJECT

public:
    explicit QtOutputPane(QWidget* parent = nullptr);

    void SetText(std::string_view text) override;
    std::size_t GetTextLength() const override { return m_text.Size(); }
    void SetSel(std::size_t start, std::size_t end) override;
    void ScrollCaret() override;
    void ReplaceSel(std::string_view text) override;
    std::size_t GetLineCount() const override { return m_text.LineCount(); }
    void LineScroll(int columns, std::size_t lines) override;
    void SetReadOnly(bool readOnly) override { m_readOnly = readOnly; }
    std::string_view LineBreak() const override { return "\n"; }

    bool IsReadOnly() const { return m_readOnly; }
    QString Text() const;
    std::size_t FirstVisibleLine() const;
    // Brings scroll bars and the visible lines up to date with the text now.
    void Sync();

    QString SelectedText() const;
    void SelectAll();
    // Puts the user's selection on the clipboard; without one the clipboard is left alone.
    void Copy();

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void timerEvent(QTimerEvent* event) override;

private:
    void Insert(std::string_view bytes);
    void ScheduleSync();
    int VisibleLines() const;
    int MeasureLine(std::size_t index) const;
    QString LineText(std::size_t index) const;
    void LayOut(QTextLayout& layout) const;
    int DrawLine(QPainter& painter, std::size_t index, QPoint origin) const;
    bool SelectsBreakAfter(std::size_t index) const;
    int TextLeft() const;

    // Where a point of the viewport falls: a line (or -1 above the text) and a column there.
    long long RowAt(int y) const;
    std::size_t PositionAt(QPoint point) const;
    std::size_t PositionOfColumn(std::size_t line, const QString& text, qsizetype column) const;
    void Select(std::size_t anchor, std::size_t cursor);
    void SelectWordAt(QPoint point);
    void SelectLineAt(QPoint point);
    bool IsTripleClick(const QMouseEvent& event) const;
    void DragTo(QPoint point);
    void AutoScrollStep();
    QMenu* CreateContextMenu();

    PaneText m_text;
    QStringDecoder m_decoder;
    QStringEncoder m_encoder;
    std::size_t m_selStart = 0;
    std::size_t m_selEnd = 0;
    bool m_readOnly = false;
    bool m_syncPending = false;
    bool m_caretToShow = false;
    std::size_t m_linesToScroll = 0;
    int m_columnsToScroll = 0;
    int m_contentWidth = 0;
    std::size_t m_measuredLongest = 0;

    PaneSelection m_userSelection;
    bool m_dragging = false;
    QPoint m_dragPoint;
    QBasicTimer m_autoScroll;
    ulong m_doubleClickTime = 0;
    QPoint m_doubleClickPoint;
    bool m_doubleClicked = false;
};

}  // namespace velmora::qt
