// Input is dropped rather than deferred: a key pressed during a launch must not act after it.
#include "platform/qt/qt_runner_host.h"

#include <QApplication>
#include <QEvent>

namespace velmora::qt {
namespace {

// Often enough for output to appear smoothly and for the desktop to see a live window, rarely
// enough that a flood of output is not slowed by painting.
constexpr qint64 kEventInterval = 30;

bool IsUserInput(QEvent::Type type) {
    switch (type) {
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::ShortcutOverride:
        case QEvent::Shortcut:
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove:
        case QEvent::Wheel:
        case QEvent::TouchBegin:
        case QEvent::TouchUpdate:
        case QEvent::TouchEnd:
        case QEvent::TabletPress:
        case QEvent::TabletRelease:
        case QEvent::ContextMenu:
        case QEvent::Close:
        case QEvent::InputMethod:
            return true;
        default:
            return false;
    }
}

}  // namespace

QtRunnerHost::QtRunnerHost() {
    m_sinceEvents.start();
}

QtRunnerHost::~QtRunnerHost() {
    if (m_launching) {
        qApp->removeEventFilter(this);
    }
}

void QtRunnerHost::LaunchStarted() {
    m_launching = true;
    qApp->installEventFilter(this);
    m_sinceEvents.restart();
}

void QtRunnerHost::KeepAlive() {
    if (m_sinceEvents.elapsed() < kEventInterval) {
        return;
    }
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    m_sinceEvents.restart();
}

void QtRunnerHost::LaunchEnded() {
    // Input that arrived after the last KeepAlive was still sent during the launch, and the
    // last output is painted.
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    qApp->removeEventFilter(this);
    m_launching = false;
}

bool QtRunnerHost::eventFilter(QObject* watched, QEvent* event) {
    if (IsUserInput(event->type()) && (event->type() != QEvent::Close || event->spontaneous())) {
        return true;
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace velmora::qt
