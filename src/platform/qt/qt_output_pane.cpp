// Decoding, the deferred view update and the drawing of the visible lines.
#include "platform/qt/qt_output_pane.h"

#include <QEvent>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>

namespace velmora::qt {
namespace {

// A line longer than this is drawn only up to here; no screen is that wide.
constexpr qsizetype kDrawnLineLimit = 4096;
constexpr int kMargin = 2;

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
    return QString::fromUtf8(line.data(), std::min<qsizetype>(line.size(), kDrawnLineLimit * 4))
        .left(kDrawnLineLimit);
}

int QtOutputPane::MeasureLine(std::size_t index) const {
    return fontMetrics().horizontalAdvance(LineText(index));
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

void QtOutputPane::paintEvent(QPaintEvent*) {
    QPainter painter(viewport());
    painter.setPen(palette().color(QPalette::Text));
    const int lineHeight = fontMetrics().lineSpacing();
    const int x = kMargin - horizontalScrollBar()->value();
    const int height = viewport()->height();
    int widest = m_contentWidth;
    int y = 0;
    for (std::size_t i = FirstVisibleLine(); i < m_text.LineCount() && y < height;
         ++i, y += lineHeight) {
        const QString line = LineText(i);
        const QRect box(x, y, 1 << 24, lineHeight);
        QRect used;
        painter.drawText(box,
                         Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine | Qt::TextExpandTabs,
                         line, &used);
        widest = std::max(widest, used.width());
    }
    if (widest > m_contentWidth) {
        m_contentWidth = widest;
        ScheduleSync();
    }
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

}  // namespace velmora::qt
