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

#include "hex_line.h"

int main(int argc, char* argv[]) {
    std::string cwd(4096, '\0');
    while (::getcwd(cwd.data(), cwd.size()) == nullptr) {
        if (errno != ERANGE) {
            return 2;
        }
        cwd.resize(cwd.size() * 2);
    }
    cwd.resize(cwd.find('\0'));
    PrintHexLine("cwd", cwd);
    for (int i = 0; i < argc; ++i) {
        PrintHexLine("arg", argv[i]);
    }
    return std::fflush(stdout) == 0 ? 0 : 1;
}
