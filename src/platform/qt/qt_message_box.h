// The message box: one OK button, captioned with the program's file name.
#pragma once

#include "ui/message_box.h"

namespace velmora::qt {

class QtMessageBox final : public MessageBoxService {
public:
    void Show(std::string_view text, MessageIcon icon) override;
};

}  // namespace velmora::qt
