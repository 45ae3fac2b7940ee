// The executable's path and the names taken from it.
#include "platform/win32/win32_module.h"

#include <windows.h>

#include "platform/win32/win32_code_page.h"
#include "text/cut.h"

namespace velmora::win32 {

std::string ModulePath() {
    std::string path(MAX_PATH, '\0');
    for (;;) {
        const DWORD length =
            ::GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) {
            return {};
        }
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        path.resize(path.size() * 2);
    }
}

std::string ApplicationName() {
    const CodePage& codePage = AnsiCodePage();
    return KeepBeforeLast(DropThroughLast(ModulePath(), '\\', codePage), '.', codePage);
}

std::string HelpFilePath() {
    return KeepBeforeLast(ModulePath(), '.', AnsiCodePage()) + ".HLP";
}

}  // namespace velmora::win32
