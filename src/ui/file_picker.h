// The two open-file pickers of the path setup dialog.
#pragma once

#include <optional>
#include <string>

namespace velmora {

enum class FilePickerKind {
    Emulator,      // an existing file only; starts with the emulator's usual name
    RomDirectory,  // any name in an existing folder; starts with "Arcade Roms"
};

class FilePicker {
public:
    virtual ~FilePicker() = default;
    // The full path of the chosen or typed name; nothing when cancelled or failed.
    virtual std::optional<std::string> Pick(FilePickerKind kind) = 0;
};

}  // namespace velmora
