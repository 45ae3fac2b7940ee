// Helpers for the Qt tests: private folders per test, files, and a driver for modal windows.
#pragma once

#include <gtest/gtest.h>

#include <QString>
#include <QTemporaryDir>
#include <QTimer>
#include <deque>
#include <functional>
#include <string>

#include <QWidget>

namespace velmora::qt::testing {

// Gives the test its own configuration, machine-wide configuration and runtime folders.
class QtFixture : public ::testing::Test {
protected:
    QtFixture();
    // A path inside the test's scratch folder.
    QString Scratch(const QString& name) const { return m_scratch.filePath(name); }
    QString UserConfigFile() const;
    QString SystemConfigFile() const;

    QTemporaryDir m_scratch;
    QTemporaryDir m_config;
    QTemporaryDir m_systemConfig;
    QTemporaryDir m_runtime;
};

void WriteFile(const QString& path, const QByteArray& content);
void MakeExecutable(const QString& path, const QByteArray& script);
// A ROM folder with galaga.zip, pacman.zip, readme.txt and the subfolder samples.
QString MakeRomFolder(const QString& path);
// A settings file holding exactly the given lines under [General].
void WriteSettings(const QString& file, const QStringList& lines);

// Acts on the program's modal windows one after another: each step waits until the window
// with its title (or of its class, such as "QFileDialog") is the active modal one and then
// runs from that window's event loop.
class ModalScript {
public:
    using Step = std::function<void(QWidget*)>;
    ModalScript();
    ModalScript& Then(const QString& title, Step step);
    bool Done() const { return m_steps.empty(); }
    // Runs the program from start-up until its main window has closed.
    void RunProgram();

private:
    void Poll();

    std::deque<std::pair<QString, Step>> m_steps;
    QTimer m_timer;
    bool m_busy = false;
};

// Runs action from the event loop, so a modal window it opens can be driven by the script.
void Later(std::function<void()> action);
template <class T>
T* Find(QWidget* window, const char* name) {
    T* found = window->findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
}
void TriggerLater(QWidget* window, const char* actionName);
void Press(QWidget* target, int key);

inline constexpr char kMainTitle[] = "Velmora";
inline constexpr char kSetupTitle[] = "Velmora - Path Setup";
inline constexpr char kAboutTitle[] = "About Velmora";
QString MessageBoxTitle();

}  // namespace velmora::qt::testing

// Readable QString values in test failures.
QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}
QT_END_NAMESPACE
