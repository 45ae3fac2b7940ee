// Timing and scratch folders for the benchmarks.
#include "bench_support.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <vector>

namespace velmora::bench {

double Seconds(const std::function<void()>& work) {
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

double Median(int runs, const std::function<void()>& work) {
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        times.push_back(Seconds(work));
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

std::string MakeFolderOfFiles(int count) {
    char pattern[] = "/tmp/velmora-bench-XXXXXX";
    if (mkdtemp(pattern) == nullptr) {
        std::perror("mkdtemp");
        std::exit(1);
    }
    const std::string folder = pattern;
    for (int i = 0; i < count; ++i) {
        // Mixed case, so the case-insensitive order has work to do.
        const std::string name = folder + "/" + (i % 3 == 0 ? "Game" : "game") +
                                 std::to_string((i * 7919) % 1000003) + ".zip";
        const int fd = ::open(name.c_str(), O_CREAT | O_WRONLY, 0644);
        if (fd >= 0) {
            ::close(fd);
        }
    }
    return folder;
}

void RemoveTree(const std::string& path) {
    std::error_code ignored;
    std::filesystem::remove_all(path, ignored);
}

void Shell(const std::string& command) {
    if (std::system(command.c_str()) != 0) {
        std::fprintf(stderr, "failed: %s\n", command.c_str());
    }
}

void ChoosePlatform() {
    if (std::getenv("DISPLAY") == nullptr && std::getenv("WAYLAND_DISPLAY") == nullptr) {
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
    }
}

}  // namespace velmora::bench
