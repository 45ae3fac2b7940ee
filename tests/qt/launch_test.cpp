// A double-click launches the emulator: its output fills the pane, and input waits it out.
#include <QApplication>
#include <QFile>
#include <QTest>

#include "platform/qt/qt_output_pane.h"
#include "platform/qt/qt_rom_list.h"
#include "qt_test_support.h"

namespace velmora::qt::testing {
namespace {

class LaunchTest : public QtFixture {
protected:
    // An emulator that prints its arguments, each in brackets, once the file go exists.
    void SetUpEmulator(const QString& options) {
        const QByteArray go = Scratch("go").toLocal8Bit();
        MakeExecutable(Scratch("mame"),
                       "#!/bin/sh\n"
                       "while [ ! -e '" +
                           go +
                           "' ]; do sleep 0.01; done\n"
                           "printf 'fake mame started\\n'\n"
                           "printf 'args:'; for a in \"$@\"; do printf ' [%s]' \"$a\"; done\n"
                           "printf '\\n' >&2\n");
        m_roms = MakeRomFolder(Scratch("roms"));
        WriteSettings(UserConfigFile(), {"RomPath=" + m_roms, "MamePath=" + Scratch("mame"),
                                         "MameOptions=" + options});
    }
    void Go() { WriteFile(Scratch("go"), ""); }

    QString m_roms;
};

void DoubleClickRow(QtRomList* list, int row) {
    const QRect item = list->visualRect(list->model()->index(row, 0));
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, item.center());
}

TEST_F(LaunchTest, DoubleClickShowsWhatTheEmulatorPrinted) {
    SetUpEmulator("-video none");
    Go();
    QString shown;
    ModalScript script;
    // Closing is a step of its own: until the program is back in its event loop, the launch
    // still holds input.
    script
        .Then(kMainTitle,
              [&](QWidget* window) {
                  DoubleClickRow(Find<QtRomList>(window, "IDC_ROMLIST"), 0);
                  shown = Find<QtOutputPane>(window, "IDC_OUTPUT")->Text();
              })
        .Then(kMainTitle, [](QWidget* window) { window->close(); });
    script.RunProgram();
    EXPECT_EQ(shown, "fake mame started\nargs: [galaga] [-rp] [" + m_roms + "] [-video] [none]\n");
}

// The emulator only finishes once a timer has fired during the launch, so the timer's firing
// and the key it sends both fall inside the launch.
TEST_F(LaunchTest, TimersFireDuringALaunchButKeysSentThenAreDropped) {
    SetUpEmulator("");
    bool timerFired = false;
    QTimer duringLaunch;
    duringLaunch.setSingleShot(true);
    duringLaunch.setInterval(1);
    bool stillOpenAfterLaunch = false;
    ModalScript script;
    script
        .Then(kMainTitle,
              [&](QWidget* window) {
                  auto* list = Find<QtRomList>(window, "IDC_ROMLIST");
                  QObject::connect(&duringLaunch, &QTimer::timeout, [&, list, window] {
                      timerFired = true;
                      Press(list, Qt::Key_Escape);
                      Press(window, Qt::Key_Return);
                      Go();
                  });
                  duringLaunch.start();
                  DoubleClickRow(list, 1);
                  EXPECT_TRUE(Find<QtOutputPane>(window, "IDC_OUTPUT")
                                  ->Text()
                                  .startsWith("fake mame started\nargs: [pacman]"));
              })
        .Then(kMainTitle, [&](QWidget* window) {
            stillOpenAfterLaunch = window->isVisible();
            window->close();
        });
    script.RunProgram();
    EXPECT_TRUE(timerFired);
    EXPECT_TRUE(stillOpenAfterLaunch);
}

}  // namespace
}  // namespace velmora::qt::testing
