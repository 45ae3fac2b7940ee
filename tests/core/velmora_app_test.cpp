// Start-up, the first start without settings, and the main window's commands.
#include <gtest/gtest.h>

#include "app/velmora_app.h"
#include "fakes/fake_app.h"
#include "res/string_texts.h"
#include "ui/about_dlg.h"
#include "ui/minimized_icon.h"
#include "ui/velmora_dlg.h"

namespace velmora {
namespace {

using testing::FakeApp;
using testing::FakeDialogView;

constexpr char kKey[] = VELMORA_TEXT_REGISTRYKEY;

class VelmoraAppTest : public ::testing::Test {
protected:
    // Starts the program; mainWindow is what the user does once the main window is shown.
    void Start(std::function<void(CVelmoraDlg&)> mainWindow = {}) {
        app.dialogs.scripts[IDD_VELMORA_DIALOG].push_back(
            [mainWindow](CDialog& dialog, FakeDialogView&) {
                if (mainWindow) {
                    mainWindow(static_cast<CVelmoraDlg&>(dialog));
                }
            });
        CVelmoraApp velmora(app.services);
        EXPECT_FALSE(velmora.InitInstance());
    }

    void StoreSettings(const std::string& mamePath, const std::string& romPath,
                       const std::string& options) {
        app.settings.keys[kKey] = {
            {"MamePath", mamePath}, {"RomPath", romPath}, {"MameOptions", options}};
    }

    FakeApp app;
    FakeDialogView& main = app.dialogs.mainView;
};

TEST_F(VelmoraAppTest, FirstStartShowsThePathSetupDialogBeforeTheMainWindow) {
    main.list.directories["/roms"] = {"galaga.zip", "pacman.zip"};
    app.dialogs.scripts[IDD_PATHSETUP].push_back(FakeApp::TypeAndConfirm("/mame", "/roms", "-w"));
    Start();
    EXPECT_EQ(app.dialogs.events,
              (std::vector<std::string>{"show 130", "end 130", "show 102", "end 102"}));
    EXPECT_EQ(
        app.settings.keys[kKey],
        (FakeApp::Settings{{"RomPath", "/roms"}, {"MamePath", "/mame"}, {"MameOptions", "-w"}}));
    EXPECT_EQ(main.list.entries, (std::vector<std::string>{"galaga.zip", "pacman.zip"}));
}

TEST_F(VelmoraAppTest, EmptySettingsConfirmedAtFirstStartAreStoredAndReadWithoutAsking) {
    app.dialogs.scripts[IDD_PATHSETUP].push_back(FakeApp::TypeAndConfirm("", "", ""));
    Start();
    EXPECT_EQ(app.settings.keys[kKey],
              (FakeApp::Settings{{"RomPath", ""}, {"MamePath", ""}, {"MameOptions", ""}}));

    app.dialogs.events.clear();
    Start();
    EXPECT_EQ(app.dialogs.events, (std::vector<std::string>{"show 102", "end 102"}));
    EXPECT_TRUE(main.list.listed.empty());
}

TEST_F(VelmoraAppTest, CancelAtFirstStartStoresNothingAndOpensAnEmptyMainWindow) {
    Start();  // the path setup dialog is left with Escape
    EXPECT_TRUE(app.settings.keys.empty());
    EXPECT_TRUE(main.list.entries.empty());
    EXPECT_EQ(app.dialogs.events.back(), "end 102");
}

TEST_F(VelmoraAppTest, InitialisationExtendsTheSystemMenuSetsIconsAndLocksThePane) {
    StoreSettings("/usr/games/mame", "", "");
    Start([this](CVelmoraDlg& dialog) {
        EXPECT_EQ(
            main.systemMenu,
            (std::vector<std::pair<unsigned, std::string>>{{IDM_ABOUTBOX, "&About Velmora..."}}));
        EXPECT_TRUE(main.iconsSet);
        EXPECT_TRUE(main.pane.readOnly);
        EXPECT_EQ(dialog.m_strMamePath, "/usr/games/mame");
    });
}

TEST_F(VelmoraAppTest, StoredSettingsAreLoadedValueByValue) {
    struct LoadCase {
        FakeApp::Settings stored;
        std::string mamePath, romPath, options;
    };
    const std::string big(3000, 'o');
    for (const LoadCase& c : {
             LoadCase{{{"MamePath", "/m"}, {"RomPath", "/r"}, {"MameOptions", "-x 100%"}},
                      "/m",
                      "/r",
                      "-x 100%"},
             // A value that is missing leaves only that setting empty.
             LoadCase{{{"MamePath", "/m"}, {"MameOptions", "-w"}}, "/m", "", "-w"},
             // Stored data ends at its first NUL byte.
             LoadCase{{{"MamePath", std::string("/m\0junk", 7)}}, "/m", "", ""},
             LoadCase{{{"MamePath", big}, {"RomPath", big}, {"MameOptions", big}}, big, big, big},
         }) {
        app.settings.keys[kKey] = c.stored;
        Start([&c](CVelmoraDlg& dialog) {
            EXPECT_EQ(dialog.m_strMamePath, c.mamePath);
            EXPECT_EQ(dialog.m_strRomPath, c.romPath);
            EXPECT_EQ(dialog.m_strMameOptions, c.options);
        });
    }
}

TEST_F(VelmoraAppTest, EveryOkSavesAllThreeValuesAndRefreshes) {
    StoreSettings("/m", "/roms", "");
    main.list.directories["/roms"] = {"a.zip"};
    app.dialogs.scripts[IDD_PATHSETUP].push_back(
        [](CDialog& dialog, FakeDialogView&) { dialog.OnCommand(kIdOk); });
    Start([](CVelmoraDlg& dialog) { dialog.OnCommand(ID_FILE_SETUPPATHS); });
    EXPECT_EQ(app.settings.writes,
              (std::vector<std::string>{"RomPath", "MamePath", "MameOptions"}));
    EXPECT_EQ(main.list.listed, (std::vector<std::string>{"/roms", "/roms"}));
}

TEST_F(VelmoraAppTest, CancelAfterEditingChangesNothing) {
    StoreSettings("/m", "/roms", "-w");
    app.dialogs.scripts[IDD_PATHSETUP].push_back([](CDialog& dialog, FakeDialogView& view) {
        view.items[IDC_MAMEPATH] = "/other";
        dialog.OnCommand(kIdCancel);
    });
    Start([](CVelmoraDlg& dialog) {
        dialog.OnCommand(ID_FILE_SETUPPATHS);
        EXPECT_EQ(dialog.m_strMamePath, "/m");
    });
    EXPECT_TRUE(app.settings.writes.empty());
    EXPECT_EQ(main.list.listed.size(), 1u);  // only the refresh at start-up
}

TEST_F(VelmoraAppTest, ClearingTheRomPathKeepsTheOldEntries) {
    StoreSettings("/m", "/roms", "");
    main.list.directories["/roms"] = {"a.zip"};
    app.dialogs.scripts[IDD_PATHSETUP].push_back(FakeApp::TypeAndConfirm("/m", "", ""));
    app.dialogs.scripts[IDD_PATHSETUP].push_back(FakeApp::TypeAndConfirm("/m", "/gone", ""));
    Start([](CVelmoraDlg& dialog) {
        dialog.OnCommand(ID_FILE_SETUPPATHS);
        dialog.OnCommand(ID_FILE_SETUPPATHS);
    });
    EXPECT_EQ(main.list.entries, (std::vector<std::string>{"a.zip"}));
    EXPECT_EQ(main.list.listed, (std::vector<std::string>{"/roms", "/gone"}));
}

TEST_F(VelmoraAppTest, FailedSaveIsReportedAndTheEditedValuesStillApply) {
    struct SaveFailure {
        bool createFails;
        std::string failingValue;
        bool closeFails;
    };
    for (const SaveFailure& failure :
         {SaveFailure{true, "", false}, SaveFailure{false, "RomPath", false},
          SaveFailure{false, "", true}}) {
        StoreSettings("/old", "", "old");
        app.settings.createFails = failure.createFails;
        app.settings.failingValue = failure.failingValue;
        app.settings.closeFails = failure.closeFails;
        app.settings.writes.clear();
        app.messageBox.shown.clear();
        app.dialogs.scripts[IDD_PATHSETUP].push_back(FakeApp::TypeAndConfirm("/new", "", "new"));
        Start([](CVelmoraDlg& dialog) {
            dialog.OnCommand(ID_FILE_SETUPPATHS);
            EXPECT_EQ(dialog.m_strMamePath, "/new");
        });
        ASSERT_EQ(app.messageBox.shown.size(), 1u);
        EXPECT_EQ(app.messageBox.shown[0].first, kSettingsNotSavedText);
        if (!failure.createFails) {
            // A failed write does not stop the ones after it.
            EXPECT_EQ(app.settings.writes.size(), 3u);
            EXPECT_EQ(app.settings.keys[kKey]["MamePath"], "/new");
        }
    }
}

TEST_F(VelmoraAppTest, DoubleClickWithoutEmulatorPathAsksForItAndLaunchesNothing) {
    StoreSettings("", "/roms", "");
    main.list.directories["/roms"] = {"pacman.zip"};
    app.dialogs.scripts[IDD_PATHSETUP].push_back(FakeApp::TypeAndConfirm("/m", "/roms", ""));
    Start([this](CVelmoraDlg& dialog) {
        main.list.selected = 0;
        dialog.OnListDoubleClick(IDC_ROMLIST);
        EXPECT_EQ(dialog.m_strMamePath, "/m");
    });
    ASSERT_EQ(app.messageBox.shown.size(), 1u);
    EXPECT_EQ(app.messageBox.shown[0].first, VELMORA_TEXT_NOMAMEPATH);
    EXPECT_EQ(app.processes.created, 0);
    EXPECT_EQ(app.scriptFile.writes, 0);
}

TEST_F(VelmoraAppTest, DoubleClickLaunchesTheSelectedEntryIntoThePane) {
    StoreSettings("C:\\MAME\\mame.exe", "C:\\roms", "-window");
    main.list.directories["C:\\roms"] = {"galaga.zip", "pacman.zip"};
    app.processes.script.pending = {"loading pacman\n"};
    Start([this](CVelmoraDlg& dialog) {
        main.list.selected = 1;
        dialog.OnListDoubleClick(IDC_ROMLIST);
    });
    EXPECT_EQ(app.scriptFile.files.at("C:\\TEMP\\mame.bat"),
              "mame pacman -rp \"C:\\roms\" -window\r\n");
    EXPECT_EQ(main.pane.Text(), "loading pacman\r\n");
}

TEST_F(VelmoraAppTest, ExitEnterEscapeEndTheProgramWithoutLaunching) {
    StoreSettings("/m", "/roms", "");
    main.list.directories["/roms"] = {"pacman.zip"};
    for (const auto& [command, result] : {std::pair{ID_FILE_EXIT, kIdOk}, std::pair{kIdOk, kIdOk},
                                          std::pair{kIdCancel, kIdCancel}}) {
        Start([this, command = command](CVelmoraDlg& dialog) {
            main.list.selected = 0;
            dialog.OnCommand(command);
        });
        EXPECT_EQ(app.dialogs.lastView.result, result);
        EXPECT_EQ(app.processes.created, 0);
        EXPECT_TRUE(app.settings.writes.empty());
    }
}

TEST_F(VelmoraAppTest, AboutOpensFromTheMenuAndFromSystemCommandsInItsRange) {
    StoreSettings("/m", "", "");
    struct SystemCommand {
        unsigned id;
        bool opensAbout;
    };
    Start([this](CVelmoraDlg& dialog) {
        for (const SystemCommand& command :
             {SystemCommand{0x0010, true}, SystemCommand{0x001F, true},
              SystemCommand{0x10010, true}, SystemCommand{0x0020, false},
              SystemCommand{0xF060, false}}) {
            app.dialogs.events.clear();
            EXPECT_EQ(dialog.OnSysCommand(command.id), command.opensAbout) << command.id;
            EXPECT_EQ(app.dialogs.events.size(), command.opensAbout ? 2u : 0u) << command.id;
        }
        app.dialogs.events.clear();
        dialog.OnCommand(ID_HELP_ABOUT);
        EXPECT_EQ(app.dialogs.events, (std::vector<std::string>{"show 100", "end 100"}));
    });
}

TEST(AboutDlgTest, ShowsTheSameVersionLineOnEveryOpening) {
    FakeApp app;
    for (int opening = 0; opening < 2; ++opening) {
        CAboutDlg about(app.dialogs);
        EXPECT_EQ(about.DoModal(), kIdCancel);
        EXPECT_EQ(app.dialogs.lastView.items[IDC_VERSION],
                  "Velmora Version 1.0 Release Candidate 2");
    }
}

TEST(MinimizedIconTest, CentresTheIconTruncatingTowardZero) {
    EXPECT_EQ(MinimizedIconOrigin(0, 0, 0, 0, 32, 32).x, -15);
    EXPECT_EQ(MinimizedIconOrigin(0, 0, 0, 0, 32, 32).y, -15);
    EXPECT_EQ(MinimizedIconOrigin(0, 0, 100, 50, 32, 32).x, 34);
    EXPECT_EQ(MinimizedIconOrigin(0, 0, 100, 50, 32, 32).y, 9);
}

}  // namespace
}  // namespace velmora
