// Writes the given number of bytes of varied text lines to stdout, as fast as a pipe takes them.
//
// The lines mix lengths and endings (LF, CR LF and the lone CR of progress displays), so the
// capture does the same line-ending work it does for a real emulator's flood.
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <string>

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s BYTES\n", argv[0]);
        return 2;
    }
    unsigned long long left = std::strtoull(argv[1], nullptr, 10);

    std::string block;
    for (int i = 0; block.size() < (1u << 20); ++i) {
        block += "line " + std::to_string(i) + " ";
        block.append(static_cast<std::size_t>(i * 37 % 120), static_cast<char>('a' + i % 26));
        block += i % 10 == 0 ? "\r\n" : i % 17 == 0 ? "\r" : "\n";
    }

    std::size_t pos = 0;
    while (left > 0) {
        std::size_t size = block.size() - pos;
        if (left < size) {
            size = static_cast<std::size_t>(left);
        }
        const ssize_t wrote = ::write(STDOUT_FILENO, block.data() + pos, size);
        if (wrote < 0) {
            if (errno == EINTR) {
                continue;
            }
            return 1;
        }
        left -= static_cast<unsigned long long>(wrote);
        pos = (pos + static_cast<std::size_t>(wrote)) % block.size();
    }
    return 0;
}
