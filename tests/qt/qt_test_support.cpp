// Folders, files and the modal window driver.
#include "qt_test_support.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPointer>
#include <QTest>

#include "app/velmora_app.h"
#include "platform/qt/qt_services.h"

namespace velmora::qt::testing {

QtFixture::QtFixture() {
    qputenv("XDG_CONFIG_HOME", m_config.path().toLocal8Bit());
    qputenv("XDG_CONFIG_DIRS", m_systemConfig.path().toLocal8Bit());
    qputenv("XDG_RUNTIME_DIR", m_runtime.path().toLocal8Bit());
}

QString QtFixture::UserConfigFile() const {
    return m_config.filePath(QStringLiteral("Tarnwick/Velmora.conf"));
}

QString QtFixture::SystemConfigFile() const {
    return m_systemConfig.filePath(QStringLiteral("Tarnwick/Velmora.conf"));
}

void WriteFile(const QString& path, const QByteArray& content) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
    file.write(content);
}

void MakeExecutable(const QString& path, const QByteArray& script) {
    WriteFile(path, script);
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

QString MakeRomFolder(const QString& path) {
    for (const char* name : {"pacman.zip", "galaga.zip", "readme.txt"}) {
        WriteFile(path + QLatin1Char('/') + QLatin1String(name), "rom");
    }
    QDir().mkpath(path + QStringLiteral("/samples"));
    return path;
}

void WriteSettings(const QString& file, const QStringList& lines) {
    WriteFile(file,
              (QStringLiteral("[General]\n") + lines.join(QLatin1Char('\n')) + QLatin1Char('\n'))
                  .toLocal8Bit());
}

ModalScript::ModalScript() {
    m_timer.setInterval(5);
    QObject::connect(&m_timer, &QTimer::timeout, [this] { Poll(); });
}

ModalScript& ModalScript::Then(const QString& title, Step step) {
    m_steps.emplace_back(title, std::move(step));
    return *this;
}

void ModalScript::Poll() {
    if (m_busy || m_steps.empty()) {
        return;
    }
    QWidget* window = QApplication::activeModalWidget();
    const QString& wanted = m_steps.front().first;
    if (window == nullptr || !window->isVisible() ||
        (window->windowTitle() != wanted && window->metaObject()->className() != wanted)) {
        return;
    }
    // The step runs from a posted event rather than inside this timer's own callback: a
    // launch inside a step processes events, and a timer nested in itself stops firing.
    m_busy = true;
    Step step = std::move(m_steps.front().second);
    m_steps.pop_front();
    QPointer<QWidget> target(window);
    Later([this, step = std::move(step), target] {
        if (target) {
            step(target);
        }
        m_busy = false;
    });
}

void ModalScript::RunProgram() {
    QtServices services;
    CVelmoraApp app(services.App());
    m_timer.start();
    EXPECT_FALSE(app.InitInstance());
    m_timer.stop();
    EXPECT_TRUE(Done()) << m_steps.size() << " steps never ran, first for "
                        << m_steps.front().first.toStdString();
}

void Later(std::function<void()> action) {
    QTimer::singleShot(0, qApp, std::move(action));
}

void TriggerLater(QWidget* window, const char* actionName) {
    QAction* action = Find<QAction>(window, actionName);
    Later([action] { action->trigger(); });
}

void Press(QWidget* target, int key) {
    QTest::keyClick(target, static_cast<Qt::Key>(key));
}

QString MessageBoxTitle() {
    return QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
}

}  // namespace velmora::qt::testing
