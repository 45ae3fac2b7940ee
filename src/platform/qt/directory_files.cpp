// One pass over the directory; most file systems say the type without a stat per entry.
#include "platform/qt/directory_files.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

#include <memory>

namespace velmora::qt {
namespace {

struct DirCloser {
    void operator()(DIR* dir) const { closedir(dir); }
};

bool IsRegularFile(int dirFd, const dirent& entry) {
    if (entry.d_type == DT_REG) {
        return true;
    }
    if (entry.d_type != DT_LNK && entry.d_type != DT_UNKNOWN) {
        return false;
    }
    struct stat info {};
    return fstatat(dirFd, entry.d_name, &info, 0) == 0 && S_ISREG(info.st_mode);
}

}  // namespace

std::optional<std::vector<std::string>> RegularFiles(const std::string& directory) {
    std::unique_ptr<DIR, DirCloser> dir(opendir(directory.c_str()));
    if (!dir) {
        return std::nullopt;
    }
    const int dirFd = dirfd(dir.get());
    std::vector<std::string> names;
    while (const dirent* entry = readdir(dir.get())) {
        if (entry->d_name[0] != '.' && IsRegularFile(dirFd, *entry)) {
            names.emplace_back(entry->d_name);
        }
    }
    return names;
}

}  // namespace velmora::qt
