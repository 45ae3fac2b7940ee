// The whole program from start-up: first start, the path setup dialog, About and the ways out.
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QTest>

#include "platform/qt/qt_output_pane.h"
#include "platform/qt/qt_rom_list.h"
#include "qt_test_support.h"
#include "ui/velmora_dlg.h"

namespace velmora::qt::testing {
namespace {

using ProgramTest = QtFixture;

bool MainWindowVisible() {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->isVisible() && widget->windowTitle() == QLatin1String(kMainTitle)) {
            return true;
        }
    }
    return false;
}

QStringList ListedRoms(QWidget* window) {
    return Find<QtRomList>(window, "IDC_ROMLIST")->Texts();
}

void FillPathSetup(QWidget* dialog, const QString& mame, const QString& roms,
                   const QString& options) {
    Find<QLineEdit>(dialog, "IDC_MAMEPATH")->setText(mame);
    Find<QLineEdit>(dialog, "IDC_ROMPATH")->setText(roms);
    Find<QLineEdit>(dialog, "IDC_MAMEOPTIONS")->setText(options);
}

TEST_F(ProgramTest, FirstStartAsksForPathsBeforeTheMainWindowAndOkStoresThem) {
    const QString roms = MakeRomFolder(Scratch("roms"));
    ModalScript script;
    script
        .Then(kSetupTitle,
              [&](QWidget* dialog) {
                  EXPECT_FALSE(MainWindowVisible());
                  auto* ok = Find<QPushButton>(dialog, "IDOK");
                  EXPECT_TRUE(ok->isDefault());
                  EXPECT_EQ(dialog->focusWidget(), ok);
                  EXPECT_TRUE(dialog->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
                  EXPECT_FALSE(dialog->windowFlags().testFlag(Qt::WindowCloseButtonHint));
                  FillPathSetup(dialog, "/opt/mame/mame", roms, "-window -skip_gameinfo");
                  ok->click();
              })
        .Then(kMainTitle, [&](QWidget* window) {
            EXPECT_EQ(ListedRoms(window), QStringList({"galaga.zip", "pacman.zip", "readme.txt"}));
            EXPECT_EQ(window->focusWidget(), Find<QWidget>(window, "IDC_ROMLIST"));
            EXPECT_TRUE(Find<QtOutputPane>(window, "IDC_OUTPUT")->IsReadOnly());
            Press(window->focusWidget(), Qt::Key_Escape);
        });
    script.RunProgram();

    QSettings stored(UserConfigFile(), QSettings::IniFormat);
    EXPECT_EQ(stored.value("MamePath").toString(), "/opt/mame/mame");
    EXPECT_EQ(stored.value("RomPath").toString(), roms);
    EXPECT_EQ(stored.value("MameOptions").toString(), "-window -skip_gameinfo");
}

TEST_F(ProgramTest, CancelAtFirstStartLeavesAnEmptyListAndWritesNothing) {
    MakeRomFolder(Scratch("roms"));
    ModalScript script;
    script
        .Then(kSetupTitle,
              [&](QWidget* dialog) {
                  FillPathSetup(dialog, "/opt/mame/mame", Scratch("roms"), "");
                  Find<QPushButton>(dialog, "IDCANCEL")->click();
              })
        .Then(kMainTitle, [](QWidget* window) {
            EXPECT_TRUE(ListedRoms(window).isEmpty());
            window->close();
        });
    script.RunProgram();
    EXPECT_FALSE(QFile::exists(UserConfigFile()));
}

// The user's own file serves first; the machine-wide one when the user has none.
TEST_F(ProgramTest, StoredSettingsFillTheListWithoutAsking) {
    for (const QString& file : {SystemConfigFile(), UserConfigFile()}) {
        WriteSettings(file, {"RomPath=" + MakeRomFolder(Scratch("roms")),
                             "MamePath=/usr/games/mame", "MameOptions="});
        ModalScript script;
        script.Then(kMainTitle, [](QWidget* window) {
            EXPECT_EQ(ListedRoms(window).size(), 3);
            Press(window, Qt::Key_Escape);
        });
        script.RunProgram();
    }
}

// Every way out of the main window ends the program; none of them launches the selection.
TEST_F(ProgramTest, EnterEscapeExitAndTheCloseBoxEndTheProgramWithoutLaunching) {
    const QString marker = Scratch("launched");
    MakeExecutable(Scratch("mame"), "#!/bin/sh\ntouch '" + marker.toLocal8Bit() + "'\n");
    WriteSettings(UserConfigFile(), {"RomPath=" + MakeRomFolder(Scratch("roms")),
                                     "MamePath=" + Scratch("mame"), "MameOptions="});
    const struct {
        const char* name;
        std::function<void(QWidget* window)> leave;
    } ways[] = {
        {"Enter on the list",
         [](QWidget* w) { Press(Find<QWidget>(w, "IDC_ROMLIST"), Qt::Key_Return); }},
        {"keypad Enter on the list",
         [](QWidget* w) {
             QTest::keyClick(Find<QWidget>(w, "IDC_ROMLIST"), Qt::Key_Enter, Qt::KeypadModifier);
         }},
        {"Escape on the list",
         [](QWidget* w) { Press(Find<QWidget>(w, "IDC_ROMLIST"), Qt::Key_Escape); }},
        {"Enter on the pane",
         [](QWidget* w) { Press(Find<QWidget>(w, "IDC_OUTPUT"), Qt::Key_Return); }},
        {"Escape on the pane",
         [](QWidget* w) { Press(Find<QWidget>(w, "IDC_OUTPUT"), Qt::Key_Escape); }},
        {"File > Exit", [](QWidget* w) { TriggerLater(w, "ID_FILE_EXIT"); }},
        {"the close box", [](QWidget* w) { w->close(); }},
    };
    for (const auto& way : ways) {
        SCOPED_TRACE(way.name);
        ModalScript script;
        script.Then(kMainTitle, [&](QWidget* window) {
            auto* list = Find<QtRomList>(window, "IDC_ROMLIST");
            list->setCurrentIndex(list->model()->index(1, 0));
            ASSERT_EQ(list->GetCurSel(), 1);
            way.leave(window);
        });
        script.RunProgram();
    }
    EXPECT_FALSE(QFile::exists(marker));
}

TEST_F(ProgramTest, AboutShowsTheSameVersionLineEachTime) {
    WriteSettings(UserConfigFile(), {"RomPath=", "MamePath=", "MameOptions="});
    QStringList shown;
    auto readAndClose = [&](QWidget* about) {
        shown << Find<QLabel>(about, "IDC_VERSION")->text();
        auto* ok = Find<QPushButton>(about, "IDOK");
        EXPECT_EQ(about->focusWidget(), ok);
        ok->click();
    };
    ModalScript script;
    script.Then(kMainTitle, [](QWidget* window) { TriggerLater(window, "ID_HELP_ABOUT"); })
        .Then(kAboutTitle, readAndClose)
        .Then(kMainTitle, [](QWidget* window) { TriggerLater(window, "ID_HELP_ABOUT"); })
        .Then(kAboutTitle, [&](QWidget* about) { readAndClose(about); })
        .Then(kMainTitle, [](QWidget* window) { window->close(); });
    script.RunProgram();
    EXPECT_EQ(shown, QStringList({"Velmora Version 1.0 Release Candidate 2",
                                  "Velmora Version 1.0 Release Candidate 2"}));
}

// The values entered still apply when they cannot be stored, and the user is told.
TEST_F(ProgramTest, UnwritableConfigurationShowsAMessageAndTheValuesStillApply) {
    WriteFile(m_config.filePath("Tarnwick"), "a file where the folder should be");
    const QString roms = MakeRomFolder(Scratch("roms"));
    QString message;
    ModalScript script;
    script
        .Then(kSetupTitle,
              [&](QWidget* dialog) {
                  FillPathSetup(dialog, "/opt/mame/mame", roms, "");
                  Find<QPushButton>(dialog, "IDOK")->click();
              })
        .Then(MessageBoxTitle(),
              [&](QWidget* box) {
                  auto* messageBox = qobject_cast<QMessageBox*>(box);
                  ASSERT_NE(messageBox, nullptr);
                  message = messageBox->text();
                  EXPECT_EQ(messageBox->icon(), QMessageBox::Warning);
                  messageBox->button(QMessageBox::Ok)->click();
              })
        .Then(kMainTitle, [](QWidget* window) {
            EXPECT_EQ(ListedRoms(window).size(), 3);
            window->close();
        });
    script.RunProgram();
    EXPECT_EQ(message, kSettingsNotSavedText);
}

}  // namespace
}  // namespace velmora::qt::testing
