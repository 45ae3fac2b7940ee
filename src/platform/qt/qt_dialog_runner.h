// Runs the core's dialogs as Qt windows built for their templates.
#pragma once

#include <functional>

#include "ui/dialog.h"

namespace velmora::qt {

class DialogWindow;

class QtDialogRunner final : public DialogRunner {
public:
    int RunModal(CDialog& dialog) override;

    // Called with each window once it is initialised and about to be shown; for tools that
    // watch the program (tests, benchmarks).
    std::function<void(DialogWindow&)> onWindowReady;
};

}  // namespace velmora::qt
