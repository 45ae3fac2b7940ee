// The path setup dialog: seeding, Browse, OK and Cancel.
#include "ui/path_setup_dlg.h"

#include <gtest/gtest.h>

#include "fakes/fake_app.h"

namespace velmora {
namespace {

using testing::FakeApp;
using testing::FakeDialogView;

class PathSetupDlgTest : public ::testing::Test {
protected:
    // Seeds a dialog, runs it with what the user does, and returns its result.
    int Run(testing::FakeDialogRunner::Script userActions, char separator = '\\') {
        dialog = std::make_unique<CPathSetupDlg>(app.dialogs, app.picker, separator, app.codePage);
        dialog->m_strMamePath = "C:\\MAME\\mame.exe";
        dialog->m_strRomPath = "C:\\MAME\\roms";
        dialog->m_strMameOptions = "-window";
        app.dialogs.scripts[IDD_PATHSETUP].push_back(std::move(userActions));
        return dialog->DoModal();
    }

    FakeApp app;
    std::unique_ptr<CPathSetupDlg> dialog;
};

TEST_F(PathSetupDlgTest, OkWithoutChangesReturnsTheSeededValues) {
    EXPECT_EQ(Run([](CDialog& d, FakeDialogView& view) {
                  EXPECT_EQ(view.items[IDC_MAMEPATH], "C:\\MAME\\mame.exe");
                  EXPECT_EQ(view.items[IDC_ROMPATH], "C:\\MAME\\roms");
                  EXPECT_EQ(view.items[IDC_MAMEOPTIONS], "-window");
                  d.OnCommand(kIdOk);
              }),
              kIdOk);
    EXPECT_EQ(dialog->m_strMamePath, "C:\\MAME\\mame.exe");
    EXPECT_EQ(dialog->m_strRomPath, "C:\\MAME\\roms");
    EXPECT_EQ(dialog->m_strMameOptions, "-window");
}

TEST_F(PathSetupDlgTest, OkTakesWhateverWasTypedWithoutChecking) {
    EXPECT_EQ(Run(FakeApp::TypeAndConfirm("", "Z:\\nowhere", "100% -x")), kIdOk);
    EXPECT_EQ(dialog->m_strMamePath, "");
    EXPECT_EQ(dialog->m_strRomPath, "Z:\\nowhere");
    EXPECT_EQ(dialog->m_strMameOptions, "100% -x");
}

TEST_F(PathSetupDlgTest, ConfirmedBrowseRewritesEveryEditFromTheMembers) {
    app.picker.answers = {std::string("D:\\Emu\\mame64.exe")};
    Run([](CDialog& d, FakeDialogView& view) {
        view.items[IDC_MAMEOPTIONS] = "-typed";
        d.OnCommand(IDC_BROWSE_MAME);
        EXPECT_EQ(view.items[IDC_MAMEPATH], "D:\\Emu\\mame64.exe");
        EXPECT_EQ(view.items[IDC_MAMEOPTIONS], "-window");
        d.OnCommand(kIdCancel);
    });
    EXPECT_EQ(app.picker.kinds, std::vector<FilePickerKind>{FilePickerKind::Emulator});
}

TEST_F(PathSetupDlgTest, CancelledBrowseKeepsTypedText) {
    Run([](CDialog& d, FakeDialogView& view) {
        view.items[IDC_MAMEPATH] = "C:\\typed\\mame.exe";
        d.OnCommand(IDC_BROWSE_ROMS);
        EXPECT_EQ(view.items[IDC_MAMEPATH], "C:\\typed\\mame.exe");
        d.OnCommand(kIdOk);
    });
    EXPECT_EQ(app.picker.kinds, std::vector<FilePickerKind>{FilePickerKind::RomDirectory});
    EXPECT_EQ(dialog->m_strMamePath, "C:\\typed\\mame.exe");
}

TEST_F(PathSetupDlgTest, EscapeAfterAConfirmedBrowseReturnsCancel) {
    app.picker.answers = {std::string("D:\\mame.exe")};
    EXPECT_EQ(Run([](CDialog& d, FakeDialogView&) {
                  d.OnCommand(IDC_BROWSE_MAME);
                  d.OnCommand(kIdCancel);
              }),
              kIdCancel);
}

TEST_F(PathSetupDlgTest, RomPickerResultIsCutToItsFolder) {
    struct PickCase {
        char separator;
        const char* picked;
        const char* romPath;
    };
    for (const PickCase& c : {PickCase{'\\', "C:\\MAME\\roms\\Arcade Roms", "C:\\MAME\\roms"},
                              PickCase{'\\', "C:\\pacman.zip", "C:"},
                              PickCase{'\\', "C:\\\x95\x5C\\Arcade Roms", "C:\\\x95\x5C"},
                              PickCase{'/', "/home/u/roms/Arcade Roms", "/home/u/roms"},
                              PickCase{'/', "/pacman.zip", "/"}}) {
        app.picker.answers = {std::string(c.picked)};
        Run(
            [](CDialog& d, FakeDialogView&) {
                d.OnCommand(IDC_BROWSE_ROMS);
                d.OnCommand(kIdOk);
            },
            c.separator);
        EXPECT_EQ(dialog->m_strRomPath, c.romPath) << c.picked;
    }
}

}  // namespace
}  // namespace velmora
