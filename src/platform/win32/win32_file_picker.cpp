// The pickers' flags, filters and initial names, as the framework's file dialog got them.
#include "platform/win32/win32_file_picker.h"

#include <windows.h>
// After windows.h, which declares what it uses.
#include <commdlg.h>

#include <algorithm>
#include <vector>

namespace velmora::win32 {
namespace {

struct PickerSetup {
    DWORD flags;
    const char* filter;  // descriptions and patterns separated by '|', ended by "||"
    const char* initialName;
};

PickerSetup SetupFor(FilePickerKind kind) {
    switch (kind) {
        case FilePickerKind::Emulator:
            return {0x1804, "Win32 Executables (*.exe)|*.exe||", "mame.exe"};
        case FilePickerKind::RomDirectory:
            break;
    }
    return {0x904, "Zipped ROM Images (*.zip)|*.zip|All Files (*.*)|*.*||", "Arcade Roms"};
}

// Room for the longest path the system allows, so no pick fails for want of space.
constexpr std::size_t kFileBufferSize = 32768;

}  // namespace

std::optional<std::string> Win32FilePicker::Pick(FilePickerKind kind) {
    const PickerSetup setup = SetupFor(kind);
    std::string filter = setup.filter;
    std::replace(filter.begin(), filter.end(), '|', '\0');
    std::vector<char> file(kFileBufferSize, '\0');
    const std::string initial = setup.initialName;
    std::copy(initial.begin(), initial.end(), file.begin());

    OPENFILENAMEA dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = m_windows.ActiveOwner();
    dialog.lpstrFilter = filter.c_str();
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = file.data();
    dialog.nMaxFile = static_cast<DWORD>(file.size());
    dialog.Flags = setup.flags | OFN_EXPLORER | OFN_ENABLESIZING;
    if (!::GetOpenFileNameA(&dialog)) {
        return std::nullopt;
    }
    return std::string(file.data());
}

}  // namespace velmora::win32
