// The dialog is initialised before its window shows, so a dialog opened from the main
// window's initialisation is the first window the user sees.
#include "platform/qt/qt_dialog_runner.h"

#include <QApplication>
#include <memory>

#include "platform/qt/about_widget.h"
#include "platform/qt/main_window_widget.h"
#include "platform/qt/path_setup_widget.h"
#include "res/resource.h"

namespace velmora::qt {
namespace {

std::unique_ptr<DialogWindow> WindowFor(unsigned templateId, QWidget* owner) {
    switch (templateId) {
        case IDD_VELMORA_DIALOG:
            return std::make_unique<MainWindowWidget>(owner);
        case IDD_PATHSETUP:
            return std::make_unique<PathSetupWidget>(owner);
        case IDD_ABOUTBOX:
            return std::make_unique<AboutWidget>(owner);
        default:
            return nullptr;
    }
}

}  // namespace

int QtDialogRunner::RunModal(CDialog& dialog) {
    std::unique_ptr<DialogWindow> window =
        WindowFor(dialog.TemplateId(), QApplication::activeModalWidget());
    if (!window) {
        return -1;
    }
    dialog.Attach(window.get());
    window->Bind(&dialog);
    dialog.OnInitDialog();
    if (onWindowReady) {
        onWindowReady(*window);
    }
    const int result = window->Run();
    window->Bind(nullptr);
    dialog.Attach(nullptr);
    return result;
}

}  // namespace velmora::qt
