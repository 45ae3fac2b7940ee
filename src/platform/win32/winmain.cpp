// The program's entry point: the Win32 services wired to the core, then the main window.
#include <windows.h>

#include "app/velmora_app.h"
#include "launch/cmd_dialect.h"
#include "platform/win32/win32_child_process.h"
#include "platform/win32/win32_code_page.h"
#include "platform/win32/win32_dialog_runner.h"
#include "platform/win32/win32_file_picker.h"
#include "platform/win32/win32_message_box.h"
#include "platform/win32/win32_registry.h"
#include "platform/win32/win32_runner_host.h"
#include "platform/win32/win32_script_file.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    using namespace velmora;
    using namespace velmora::win32;

    WindowStack windows;
    Win32RunnerHost host(windows);
    Win32DialogRunner dialogs(instance, windows);
    Win32FilePicker picker(windows);
    Win32SettingsRegistry settings;
    Win32MessageBox messageBox(windows);
    Win32ScriptFile scriptFile;
    Win32ProcessFactory processes;
    const CmdDialect dialect;
    AppServices services{
        dialogs, picker, settings,
        LaunchServices{dialect, AnsiCodePage(), scriptFile, processes, messageBox, host}};

    CVelmoraApp app(services);
    app.InitInstance();
    return 0;
}
