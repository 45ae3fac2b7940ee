// The Browse pickers of the path setup dialog, driven as a user would.
#include <QFileDialog>
#include <QLineEdit>
#include <QPushButton>

#include "qt_test_support.h"

namespace velmora::qt::testing {
namespace {

using FilePickerTest = QtFixture;

void ClickLater(QWidget* dialog, const char* name) {
    QPushButton* button = Find<QPushButton>(dialog, name);
    Later([button] { button->click(); });
}

TEST_F(FilePickerTest, BrowseFillsTheEmulatorAndTheFolderOfTheRomName) {
    const QString roms = MakeRomFolder(Scratch("roms"));
    MakeExecutable(Scratch("bin/mame"), "#!/bin/sh\n");
    QString romEdit;
    QString mameEdit;
    ModalScript script;
    script.Then(kSetupTitle, [](QWidget* dialog) { ClickLater(dialog, "IDC_BROWSE_ROMS"); })
        .Then("QFileDialog",
              [&](QWidget* widget) {
                  auto* picker = qobject_cast<QFileDialog*>(widget);
                  EXPECT_EQ(picker->selectedNameFilter(), "Zipped ROM Images (*.zip)");
                  EXPECT_EQ(picker->nameFilters(),
                            QStringList({"Zipped ROM Images (*.zip)", "All Files (*)"}));
                  picker->setDirectory(roms);
                  EXPECT_EQ(Find<QLineEdit>(picker, "fileNameEdit")->text(), "Arcade Roms");
                  static_cast<QDialog*>(picker)->accept();
              })
        .Then(kSetupTitle,
              [&](QWidget* dialog) {
                  romEdit = Find<QLineEdit>(dialog, "IDC_ROMPATH")->text();
                  ClickLater(dialog, "IDC_BROWSE_MAME");
              })
        .Then("QFileDialog",
              [&](QWidget* widget) {
                  auto* picker = qobject_cast<QFileDialog*>(widget);
                  EXPECT_EQ(picker->fileMode(), QFileDialog::ExistingFile);
                  EXPECT_EQ(Find<QLineEdit>(picker, "fileNameEdit")->text(), "mame");
                  picker->setDirectory(Scratch("bin"));
                  picker->selectFile("mame");
                  static_cast<QDialog*>(picker)->accept();
              })
        .Then(kSetupTitle,
              [&](QWidget* dialog) {
                  mameEdit = Find<QLineEdit>(dialog, "IDC_MAMEPATH")->text();
                  Find<QPushButton>(dialog, "IDCANCEL")->click();
              })
        .Then(kMainTitle, [](QWidget* window) { window->close(); });
    script.RunProgram();
    EXPECT_EQ(romEdit, roms);
    EXPECT_EQ(mameEdit, Scratch("bin/mame"));
}

}  // namespace
}  // namespace velmora::qt::testing
