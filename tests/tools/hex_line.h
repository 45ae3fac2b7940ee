// One "label <hex of bytes>" line on stdout, so that any byte survives a pipe unambiguously.
#pragma once

#include <cstdio>
#include <string>

inline void PrintHexLine(const char* label, const std::string& bytes) {
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
