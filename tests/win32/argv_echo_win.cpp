// Test stand-in for the emulator: prints its working directory and every argument in hex.
//
// One item a line ("cwd <hex>", then "arg <hex>" for argv[0], argv[1], ...), so any byte
// survives the pipe and the pane unambiguously. argv comes from the C runtime's own parsing
// of the command line, the rules the real emulator is built with.
#include <windows.h>

#include <cstdio>
#include <string>

namespace {

void PrintHex(const char* label, const std::string& bytes) {
    static const char kDigits[] = "0123456789abcdef";
    std::string line = label;
    line += ' ';
    for (unsigned char c : bytes) {
        line += kDigits[c >> 4];
        line += kDigits[c & 0x0f];
    }
    line += '\n';
    std::fwrite(line.data(), 1, line.size(), stdout);
}

}  // namespace

int main(int argc, char* argv[]) {
    std::string cwd(::GetCurrentDirectoryA(0, nullptr), '\0');
    cwd.resize(::GetCurrentDirectoryA(static_cast<DWORD>(cwd.size()), cwd.data()));
    PrintHex("cwd", cwd);
    for (int i = 0; i < argc; ++i) {
        PrintHex("arg", argv[i]);
    }
    return std::fflush(stdout) == 0 ? 0 : 1;
}
