// Test stand-in for the emulator: prints its working directory and every argument in hex.
//
// One item a line ("cwd <hex>", then "arg <hex>" for argv[0], argv[1], ...), so any byte
// survives the pipe and the pane unambiguously. argv comes from the C runtime's own parsing
// of the command line, the rules the real emulator is built with.
#include <windows.h>

#include <cstdio>
#include <string>

#include "../tools/hex_line.h"

int main(int argc, char* argv[]) {
    std::string cwd(::GetCurrentDirectoryA(0, nullptr), '\0');
    cwd.resize(::GetCurrentDirectoryA(static_cast<DWORD>(cwd.size()), cwd.data()));
    PrintHexLine("cwd", cwd);
    for (int i = 0; i < argc; ++i) {
        PrintHexLine("arg", argv[i]);
    }
    return std::fflush(stdout) == 0 ? 0 : 1;
}
