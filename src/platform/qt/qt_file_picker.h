// The two open-file pickers: the emulator and a name in the ROM folder.
#pragma once

#include "ui/file_picker.h"

namespace velmora::qt {

class QtFilePicker final : public FilePicker {
public:
    std::optional<std::string> Pick(FilePickerKind kind) override;
};

}  // namespace velmora::qt
