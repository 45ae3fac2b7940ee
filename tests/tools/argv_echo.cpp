// Test stand-in for the emulator: prints its working directory and every argument in hex.
//
// Output, one item a line, so that any byte (newline, quote, non-UTF-8) survives the trip
// through the pipe and the pane's line-ending rewriting unambiguously:
//   cwd <hex of the working directory>
//   arg <hex of argv[0]>
//   arg <hex of argv[1]>
//   ...
#include <unistd.h>

#include <cerrno>
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
    std::string cwd(4096, '\0');
    while (::getcwd(cwd.data(), cwd.size()) == nullptr) {
        if (errno != ERANGE) {
            return 2;
        }
        cwd.resize(cwd.size() * 2);
    }
    cwd.resize(cwd.find('\0'));
    PrintHex("cwd", cwd);
    for (int i = 0; i < argc; ++i) {
        PrintHex("arg", argv[i]);
    }
    return std::fflush(stdout) == 0 ? 0 : 1;
}
