// The About dialog's window: the icon, the version line, a second line and OK.
#pragma once

#include "platform/qt/dialog_window.h"

namespace velmora::qt {

class AboutWidget final : public DialogWindow {
    Q_OBJECT

public:
    explicit AboutWidget(QWidget* owner);
};

}  // namespace velmora::qt
