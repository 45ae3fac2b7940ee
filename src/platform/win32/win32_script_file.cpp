// GetTempPathA and a binary write: the content already ends in CR LF.
#include "platform/win32/win32_script_file.h"

#include <windows.h>

#include "platform/win32/win32_handles.h"

namespace velmora::win32 {

std::string Win32ScriptFile::TemporaryDirectory() {
    std::string directory;
    DWORD needed = ::GetTempPathA(0, nullptr);
    while (needed > directory.size()) {
        directory.assign(needed, '\0');
        needed = ::GetTempPathA(static_cast<DWORD>(directory.size()), directory.data());
    }
    directory.resize(needed);
    return directory;
}

ScriptFile::Result Win32ScriptFile::Write(const std::string& path, std::string_view content) {
    UniqueHandle file(::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.Valid()) {
        return Result::CannotOpen;
    }
    bool written = true;
    while (written && !content.empty()) {
        const DWORD portion = static_cast<DWORD>(std::min<std::size_t>(content.size(), 1 << 20));
        DWORD done = 0;
        written = ::WriteFile(file.Get(), content.data(), portion, &done, nullptr) && done > 0;
        content.remove_prefix(done);
    }
    const bool closed = file.Close();
    return written && closed ? Result::Written : Result::WriteFailed;
}

}  // namespace velmora::win32
