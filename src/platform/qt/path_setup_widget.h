// The path setup dialog's window: three edits, two Browse buttons, OK and Cancel.
#pragma once

#include "platform/qt/dialog_window.h"

namespace velmora::qt {

class PathSetupWidget final : public DialogWindow {
    Q_OBJECT

public:
    explicit PathSetupWidget(QWidget* owner);
};

}  // namespace velmora::qt
