// Decoding, the deferred view update, the drawing of the visible lines and the user's selection.
#include "platform/qt/qt_output_pane.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyleHints>
#include <QTextLayout>
#include <algorithm>
#include <climits>
#include <cmath>
#include <memory>

namespace velmora::qt {
namespace {

// A line longer than this is drawn only up to here; no screen is that wide.
constexpr qsizetype kDrawnLineLimit = 4096;
// Enough bytes of UTF-8 to decode to at least kDrawnLineLimit UTF-16 code units.
constexpr std::size_t kDrawnByteLimit = kDrawnLineLimit * 4;
constexpr int kMargin = 2;
constexpr int kAutoScrollMilliseconds = 50;

// Rounds towards minus infinity, so the rows above the viewport count from -1.
long long FloorDivide(int value, int divisor) {
    return value >= 0 ? value / divisor : -((-value + divisor - 1) / divisor);
}

// One step of auto-scrolling towards a point outside [0, size): faster further out.
int StepsPast(int value, int size, int unit) {
    if (value < 0) {
        return -1 - (-value) / (4 * unit);
    }
    return value >= size ? 1 + (value - size) / (4 * unit) : 0;
}

}  // namespace

QtOutputPane::QtOutputPane(QWidget* parent)
    : QAbstractScrollArea(parent),
      m_decoder(QStringConverter::System),
      m_encoder(QStringConverter::Utf8) {
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    setFocusPolicy(Qt::StrongFocus);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    viewport()->setBackgroundRole(QPalette::Base);
    viewport()->setAutoFillBackground(true);
    viewport()->setCursor(Qt::IBeamCursor);
    Sync();
}

void QtOutputPane::SetText(std::string_view text) {
    m_text.Clear();
    m_decoder = QStringDecoder(QStringConverter::System);
    m_selStart = m_selEnd = 0;
    m_userSelection.Clear();
    m_contentWidth = 0;
    m_measuredLongest = 0;
    verticalScrollBar()->setValue(0);
    horizontalScrollBar()->setValue(0);
    Insert(text);
}

void QtOutputPane::SetSel(std::size_t start, std::size_t end) {
    m_selStart = std::min(start, m_text.Size());
    m_selEnd = std::clamp(end, m_selStart, m_text.Size());
}

void QtOutputPane::ScrollCaret() {
    m_caretToShow = true;
    ScheduleSync();
}

void QtOutputPane::ReplaceSel(std::string_view text) {
    Insert(text);
}

void QtOutputPane::Insert(std::string_view bytes) {
    // The decoder keeps an incomplete character from the end of one chunk for the next.
    const qsizetype inLength = static_cast<qsizetype>(bytes.size());
    QVarLengthArray<QChar, 8192> utf16(m_decoder.requiredSpace(inLength));
    QChar* utf16End =
        m_decoder.appendToBuffer(utf16.data(), QByteArrayView(bytes.data(), inLength));
    const QStringView decoded(utf16.data(), utf16End - utf16.data());
    std::string utf8(static_cast<std::size_t>(m_encoder.requiredSpace(decoded.size())), '\0');
    char* utf8End = m_encoder.appendToBuffer(utf8.data(), decoded);
    utf8.resize(static_cast<std::size_t>(utf8End - utf8.data()));

    m_text.Replace(m_selStart, m_selEnd, utf8);
    m_userSelection.Replaced(m_selStart, m_selEnd, utf8.size());
    m_selStart = m_selEnd = m_selStart + utf8.size();
    ScheduleSync();
}

void QtOutputPane::LineScroll(int columns, std::size_t lines) {
    m_columnsToScroll += columns;
    m_linesToScroll += lines;
    ScheduleSync();
}

void QtOutputPane::ScheduleSync() {
    if (m_syncPending) {
        return;
    }
    m_syncPending = true;
    QMetaObject::invokeMethod(this, &QtOutputPane::Sync, Qt::QueuedConnection);
}

int QtOutputPane::VisibleLines() const {
    return std::max(1, viewport()->height() / fontMetrics().lineSpacing());
}

QString QtOutputPane::LineText(std::size_t index) const {
    const std::string_view line = m_text.Line(index);
    QString text = QString::fromUtf8(
        line.data(), static_cast<qsizetype>(std::min(line.size(), kDrawnByteLimit)));
    if (text.size() > kDrawnLineLimit) {
        text.truncate(kDrawnLineLimit);
        // Half a surrogate pair would map back to the middle of a UTF-8 character.
        if (text.back().isHighSurrogate()) {
            text.chop(1);
        }
    }
    return text;
}

// Drawing and hit-testing share this layout, so tabs and wide characters agree in both.
void QtOutputPane::LayOut(QTextLayout& layout) const {
    QTextOption option;
    option.setWrapMode(QTextOption::NoWrap);
    layout.setFont(font());
    layout.setTextOption(option);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
}

int QtOutputPane::MeasureLine(std::size_t index) const {
    QTextLayout layout(LineText(index));
    LayOut(layout);
    return static_cast<int>(std::ceil(layout.lineAt(0).naturalTextWidth()));
}

void QtOutputPane::Sync() {
    m_syncPending = false;
    if (m_text.LongestLine() != m_measuredLongest) {
        // Only the longest line in bytes is measured here; painting widens the range further
        // when a visible line turns out wider.
        m_measuredLongest = m_text.LongestLine();
        const std::size_t lines = m_text.LineCount();
        for (std::size_t i = lines; i-- > 0 && i + 64 >= lines;) {
            if (m_text.Line(i).size() == m_measuredLongest) {
                m_contentWidth = std::max(m_contentWidth, MeasureLine(i));
                break;
            }
        }
        m_contentWidth = std::max<int>(m_contentWidth, static_cast<int>(std::min<std::size_t>(
                                                           m_measuredLongest, kDrawnLineLimit)) *
                                                           fontMetrics().averageCharWidth());
    }
    QScrollBar* vertical = verticalScrollBar();
    QScrollBar* horizontal = horizontalScrollBar();
    const int visible = VisibleLines();
    const std::size_t lines = m_text.LineCount();
    const int maxTop = static_cast<int>(std::min<std::size_t>(
        lines > static_cast<std::size_t>(visible) ? lines - visible : 0, INT_MAX));
    vertical->setRange(0, maxTop);
    vertical->setPageStep(visible);
    vertical->setSingleStep(1);
    horizontal->setRange(0, std::max(0, m_contentWidth + 2 * kMargin - viewport()->width()));
    horizontal->setPageStep(viewport()->width());
    horizontal->setSingleStep(fontMetrics().averageCharWidth());

    std::size_t top = static_cast<std::size_t>(vertical->value());
    if (m_caretToShow) {
        const std::size_t caretLine = m_text.LineOf(m_selEnd);
        if (caretLine < top) {
            top = caretLine;
        } else if (caretLine >= top + static_cast<std::size_t>(visible)) {
            top = caretLine + 1 - static_cast<std::size_t>(visible);
        }
        m_caretToShow = false;
    }
    if (m_dragging) {
        // Following new output would pull the text out from under the mouse.
        top = static_cast<std::size_t>(vertical->value());
        m_linesToScroll = 0;
        m_columnsToScroll = 0;
    }
    top = std::min<std::size_t>(top + m_linesToScroll, static_cast<std::size_t>(maxTop));
    m_linesToScroll = 0;
    vertical->setValue(static_cast<int>(top));
    if (m_columnsToScroll != 0) {
        horizontal->setValue(horizontal->value() +
                             m_columnsToScroll * fontMetrics().averageCharWidth());
        m_columnsToScroll = 0;
    }
    viewport()->update();
}

std::size_t QtOutputPane::FirstVisibleLine() const {
    return static_cast<std::size_t>(verticalScrollBar()->value());
}

QString QtOutputPane::Text() const {
    const std::string_view all = m_text.All();
    return QString::fromUtf8(all.data(), static_cast<qsizetype>(all.size()));
}

int QtOutputPane::TextLeft() const {
    return kMargin - horizontalScrollBar()->value();
}

void QtOutputPane::paintEvent(QPaintEvent*) {
    QPainter painter(viewport());
    painter.setPen(palette().color(QPalette::Text));
    const int lineHeight = fontMetrics().lineSpacing();
    const int height = viewport()->height();
    int widest = m_contentWidth;
    int y = 0;
    for (std::size_t i = FirstVisibleLine(); i < m_text.LineCount() && y < height;
         ++i, y += lineHeight) {
        widest = std::max(widest, DrawLine(painter, i, QPoint(TextLeft(), y)));
    }
    if (widest > m_contentWidth) {
        m_contentWidth = widest;
        ScheduleSync();
    }
}

// Draws one line with its part of the selection and returns the line's width.
int QtOutputPane::DrawLine(QPainter& painter, std::size_t index, QPoint origin) const {
    QTextLayout layout(LineText(index));
    LayOut(layout);
    const std::string_view line = m_text.Line(index);
    const std::size_t lineStart = m_text.LineStart(index);
    const std::size_t from = std::max(m_userSelection.Start(), lineStart) - lineStart;
    const std::size_t to = std::min(m_userSelection.End(), lineStart + line.size());
    QList<QTextLayout::FormatRange> selected;
    if (lineStart + from < to) {
        const qsizetype length = layout.text().size();
        const auto column = [&](std::size_t offset) {
            return std::min<qsizetype>(static_cast<qsizetype>(Utf16Length(
                                           line.substr(0, std::min(offset, kDrawnByteLimit)))),
                                       length);
        };
        QTextLayout::FormatRange range;
        range.start = column(from);
        range.length = column(to - lineStart) - range.start;
        range.format.setBackground(palette().brush(QPalette::Highlight));
        range.format.setForeground(palette().brush(QPalette::HighlightedText));
        selected.append(range);
    }
    layout.draw(&painter, origin, selected);
    const int width = static_cast<int>(std::ceil(layout.lineAt(0).naturalTextWidth()));
    if (SelectsBreakAfter(index)) {
        // A selected line break shows as a little highlight past the end of the line.
        painter.fillRect(
            QRect(origin.x() + width, origin.y(), fontMetrics().horizontalAdvance(QLatin1Char(' ')),
                  fontMetrics().lineSpacing()),
            palette().brush(QPalette::Highlight));
    }
    return width;
}

bool QtOutputPane::SelectsBreakAfter(std::size_t index) const {
    if (index + 1 >= m_text.LineCount()) {
        return false;
    }
    const std::size_t lineBreak = m_text.LineStart(index + 1) - 1;
    return m_userSelection.Start() <= lineBreak && lineBreak < m_userSelection.End();
}

void QtOutputPane::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    Sync();
}

void QtOutputPane::scrollContentsBy(int, int) {
    viewport()->update();
}

void QtOutputPane::changeEvent(QEvent* event) {
    QAbstractScrollArea::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        m_measuredLongest = 0;
        m_contentWidth = 0;
        Sync();
    }
}

QString QtOutputPane::SelectedText() const {
    const std::string_view selected = m_text.All().substr(
        m_userSelection.Start(), m_userSelection.End() - m_userSelection.Start());
    return QString::fromUtf8(selected.data(), static_cast<qsizetype>(selected.size()));
}

void QtOutputPane::SelectAll() {
    Select(0, m_text.Size());
}

void QtOutputPane::Copy() {
    if (!m_userSelection.Empty()) {
        QGuiApplication::clipboard()->setText(SelectedText());
    }
}

void QtOutputPane::Select(std::size_t anchor, std::size_t cursor) {
    const std::string_view all = m_text.All();
    m_userSelection.Select(CharStart(all, anchor), CharStart(all, cursor));
    viewport()->update();
}

long long QtOutputPane::RowAt(int y) const {
    const long long row =
        static_cast<long long>(FirstVisibleLine()) + FloorDivide(y, fontMetrics().lineSpacing());
    return std::max(row, -1LL);
}

std::size_t QtOutputPane::PositionOfColumn(std::size_t line, const QString& text,
                                           qsizetype column) const {
    // Past the drawn part of an overlong line means the whole of it.
    const std::size_t offset = column >= text.size() ? m_text.Line(line).size()
                                                     : Utf8Length(QStringView(text).left(column));
    return m_text.LineStart(line) + offset;
}

std::size_t QtOutputPane::PositionAt(QPoint point) const {
    const long long row = RowAt(point.y());
    if (row < 0) {
        return 0;
    }
    if (row >= static_cast<long long>(m_text.LineCount())) {
        return m_text.Size();
    }
    const auto line = static_cast<std::size_t>(row);
    QTextLayout layout(LineText(line));
    LayOut(layout);
    const int column = layout.lineAt(0).xToCursor(point.x() - TextLeft());
    return PositionOfColumn(line, layout.text(), column);
}

void QtOutputPane::SelectWordAt(QPoint point) {
    const long long row = RowAt(point.y());
    if (row < 0 || row >= static_cast<long long>(m_text.LineCount())) {
        return;
    }
    const auto line = static_cast<std::size_t>(row);
    QTextLayout layout(LineText(line));
    LayOut(layout);
    const QString& text = layout.text();
    if (text.isEmpty()) {
        return;
    }
    const int under =
        layout.lineAt(0).xToCursor(point.x() - TextLeft(), QTextLine::CursorOnCharacter);
    const auto [first, last] = WordAt(text, std::min<qsizetype>(under, text.size() - 1));
    Select(PositionOfColumn(line, text, first), PositionOfColumn(line, text, last));
}

void QtOutputPane::SelectLineAt(QPoint point) {
    const std::size_t line = m_text.LineOf(PositionAt(point));
    const std::size_t next =
        line + 1 < m_text.LineCount() ? m_text.LineStart(line + 1) : m_text.Size();
    Select(m_text.LineStart(line), next);
}

bool QtOutputPane::IsTripleClick(const QMouseEvent& event) const {
    const QPoint moved = event.position().toPoint() - m_doubleClickPoint;
    return m_doubleClicked &&
           event.timestamp() - m_doubleClickTime <
               static_cast<ulong>(QGuiApplication::styleHints()->mouseDoubleClickInterval()) &&
           moved.manhattanLength() < QGuiApplication::styleHints()->startDragDistance();
}

void QtOutputPane::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        // A right click keeps the selection for the context menu.
        QAbstractScrollArea::mousePressEvent(event);
        return;
    }
    const bool tripleClick = IsTripleClick(*event);
    m_doubleClicked = false;
    if (tripleClick) {
        SelectLineAt(event->position().toPoint());
        return;
    }
    const std::size_t position = PositionAt(event->position().toPoint());
    const bool extend = event->modifiers().testFlag(Qt::ShiftModifier);
    Select(extend ? m_userSelection.Anchor() : position, position);
    m_dragging = true;
    m_dragPoint = event->position().toPoint();
}

void QtOutputPane::mouseMoveEvent(QMouseEvent* event) {
    if (!m_dragging || !event->buttons().testFlag(Qt::LeftButton)) {
        return;
    }
    DragTo(event->position().toPoint());
}

void QtOutputPane::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && m_dragging) {
        const QPoint point = event->position().toPoint();
        if (viewport()->rect().contains(point)) {
            Select(m_userSelection.Anchor(), PositionAt(point));
        }
        m_dragging = false;
        m_autoScroll.stop();
    }
}

void QtOutputPane::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        return;
    }
    m_dragging = false;
    m_autoScroll.stop();
    SelectWordAt(event->position().toPoint());
    m_doubleClicked = true;
    m_doubleClickTime = event->timestamp();
    m_doubleClickPoint = event->position().toPoint();
}

void QtOutputPane::DragTo(QPoint point) {
    m_dragPoint = point;
    const bool outside = !viewport()->rect().contains(point);
    if (outside) {
        // The first step is taken at once so the view answers the mouse without a wait.
        AutoScrollStep();
        m_autoScroll.start(kAutoScrollMilliseconds, this);
    } else {
        m_autoScroll.stop();
        Select(m_userSelection.Anchor(), PositionAt(point));
    }
}

void QtOutputPane::AutoScrollStep() {
    const QRect area = viewport()->rect();
    const int lineHeight = fontMetrics().lineSpacing();
    const int charWidth = fontMetrics().averageCharWidth();
    QScrollBar* vertical = verticalScrollBar();
    QScrollBar* horizontal = horizontalScrollBar();
    vertical->setValue(vertical->value() + StepsPast(m_dragPoint.y(), area.height(), lineHeight));
    horizontal->setValue(horizontal->value() +
                         StepsPast(m_dragPoint.x(), area.width(), charWidth) * charWidth);
    Select(m_userSelection.Anchor(), PositionAt(m_dragPoint));
}

void QtOutputPane::timerEvent(QTimerEvent* event) {
    if (event->timerId() != m_autoScroll.timerId()) {
        QAbstractScrollArea::timerEvent(event);
        return;
    }
    if (m_dragging) {
        AutoScrollStep();
    } else {
        m_autoScroll.stop();
    }
}

bool QtOutputPane::event(QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride) {
        // Copy and select all belong to the pane while it has focus, whatever else binds them.
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->matches(QKeySequence::Copy) || key->matches(QKeySequence::SelectAll)) {
            event->accept();
            return true;
        }
    }
    return QAbstractScrollArea::event(event);
}

void QtOutputPane::keyPressEvent(QKeyEvent* event) {
    const bool control = event->modifiers().testFlag(Qt::ControlModifier);
    QScrollBar* toScroll = control ? verticalScrollBar() : horizontalScrollBar();
    if (event->matches(QKeySequence::Copy)) {
        Copy();
    } else if (event->matches(QKeySequence::SelectAll)) {
        SelectAll();
    } else if (event->key() == Qt::Key_Home) {
        toScroll->triggerAction(QAbstractSlider::SliderToMinimum);
    } else if (event->key() == Qt::Key_End) {
        toScroll->triggerAction(QAbstractSlider::SliderToMaximum);
    } else {
        // Page and arrow keys scroll; everything else is ignored, so typing changes nothing.
        QAbstractScrollArea::keyPressEvent(event);
        return;
    }
    event->accept();
}

QMenu* QtOutputPane::CreateContextMenu() {
    auto* menu = new QMenu(this);
    QAction* copy = menu->addAction(tr("&Copy"), this, &QtOutputPane::Copy);
    copy->setShortcut(QKeySequence::Copy);
    copy->setEnabled(!m_userSelection.Empty());
    QAction* all = menu->addAction(tr("Select &All"), this, &QtOutputPane::SelectAll);
    all->setShortcut(QKeySequence::SelectAll);
    all->setEnabled(m_text.Size() > 0);
    return menu;
}

void QtOutputPane::contextMenuEvent(QContextMenuEvent* event) {
    const std::unique_ptr<QMenu> menu(CreateContextMenu());
    menu->exec(event->globalPos());
}

}  // namespace velmora::qt
