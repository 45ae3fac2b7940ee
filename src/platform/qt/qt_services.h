// Every service the core asks of the Linux front end, built together.
#pragma once

#include "launch/sh_dialect.h"
#include "platform/posix/posix_child_process.h"
#include "platform/posix/posix_script_file.h"
#include "platform/qt/qt_dialog_runner.h"
#include "platform/qt/qt_file_picker.h"
#include "platform/qt/qt_message_box.h"
#include "platform/qt/qt_runner_host.h"
#include "platform/qt/qt_settings_registry.h"
#include "text/code_page.h"
#include "ui/app_services.h"

namespace velmora::qt {

// Needs a QApplication; members are declared before the bundle that refers to them.
class QtServices {
public:
    QtServices();
    QtServices(const QtServices&) = delete;
    QtServices& operator=(const QtServices&) = delete;

    AppServices& App() { return m_app; }
    QtDialogRunner& Dialogs() { return m_dialogs; }

private:
    QtDialogRunner m_dialogs;
    QtFilePicker m_picker;
    QtSettingsRegistry m_settings;
    QtMessageBox m_messageBox;
    QtRunnerHost m_host;
    PosixScriptFile m_scriptFile;
    PosixProcessFactory m_processes;
    ShDialect m_dialect;
    LocaleCodePage m_codePage;
    AppServices m_app;
};

}  // namespace velmora::qt
