// A child that writes what a runner test asks for, on standard output and standard error.
//
//   output_child flood <bytes>   <bytes> bytes of numbered lines, in large writes
//   output_child mix             line ends of every kind and NUL bytes, in several writes
//   output_child late            waits, then writes one line just before it ends
//   output_child both            one line on standard output, one on standard error
//   output_child stdin           reports whether it could read anything from standard input
#include <windows.h>

#include <cstdlib>
#include <string>

namespace {

void Write(HANDLE stream, const std::string& bytes) {
    DWORD written = 0;
    std::size_t done = 0;
    while (done < bytes.size() &&
           ::WriteFile(stream, bytes.data() + done, static_cast<DWORD>(bytes.size() - done),
                       &written, nullptr)) {
        done += written;
    }
}

std::string FloodText(std::size_t size) {
    std::string text;
    text.reserve(size + 32);
    for (std::size_t line = 0; text.size() < size; ++line) {
        text += "line " + std::to_string(line) + " of the flood\n";
    }
    text.resize(size);
    return text;
}

}  // namespace

int main(int argc, char* argv[]) {
    const std::string mode = argc > 1 ? argv[1] : "";
    HANDLE out = ::GetStdHandle(STD_OUTPUT_HANDLE);
    if (mode == "flood" && argc > 2) {
        Write(out, FloodText(std::strtoul(argv[2], nullptr, 10)));
    } else if (mode == "mix") {
        Write(out, std::string("crlf\r\nlf\ncr\rnul\0gone", 20));
        ::Sleep(50);
        Write(out, "split\r");
        ::Sleep(50);
        Write(out, "\nend");
    } else if (mode == "late") {
        ::Sleep(300);
        Write(out, "written just before the end\n");
    } else if (mode == "both") {
        Write(out, "to standard output\n");
        Write(::GetStdHandle(STD_ERROR_HANDLE), "to standard error\n");
    } else if (mode == "stdin") {
        char byte = 0;
        DWORD read = 0;
        const bool got =
            ::ReadFile(::GetStdHandle(STD_INPUT_HANDLE), &byte, 1, &read, nullptr) && read > 0;
        Write(out, got ? "read input\n" : "no input\n");
    } else {
        return 2;
    }
    return 0;
}
