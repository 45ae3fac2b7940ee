// Every seam of the application faked, wired together as a front end would wire the real ones.
#pragma once

#include "fakes/fake_services.h"
#include "fakes/fake_windows.h"
#include "launch/cmd_dialect.h"
#include "res/resource.h"
#include "ui/app_services.h"

namespace velmora::testing {

struct FakeApp {
    using Settings = FakeSettingsRegistry::Values;

    FakeApp() { dialogs.mainTemplate = IDD_VELMORA_DIALOG; }

    // What the user does in a path setup dialog: type into the three edits, then press OK.
    static FakeDialogRunner::Script TypeAndConfirm(std::string mamePath, std::string romPath,
                                                   std::string options) {
        return [=](CDialog& dialog, FakeDialogView& view) {
            view.items[IDC_MAMEPATH] = mamePath;
            view.items[IDC_ROMPATH] = romPath;
            view.items[IDC_MAMEOPTIONS] = options;
            dialog.OnCommand(kIdOk);
        };
    }

    FakeDialogRunner dialogs;
    FakeFilePicker picker;
    FakeSettingsRegistry settings;
    CmdDialect dialect;
    DoubleByteCodePage codePage{IsShiftJisLeadByte};
    FakeScriptFile scriptFile;
    FakeProcessFactory processes;
    FakeMessageBox messageBox;
    FakeRunnerHost host;
    AppServices services{
        dialogs, picker, settings,
        LaunchServices{dialect, codePage, scriptFile, processes, messageBox, host}};
};

}  // namespace velmora::testing
