// Finding the private runtime directory and replacing the script in it safely.
#include "platform/posix/posix_script_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <vector>

namespace velmora {

bool IsPrivateDirectory(const std::string& path) {
    struct stat info {};
    return !path.empty() && ::lstat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode) &&
           info.st_uid == ::geteuid() && (info.st_mode & (S_IWGRP | S_IWOTH)) == 0;
}

std::string PosixScriptFile::TemporaryDirectory() {
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    if (runtime != nullptr && runtime[0] == '/' && IsPrivateDirectory(runtime)) {
        return runtime;
    }
    const char* tmp = std::getenv("TMPDIR");
    std::string base = tmp != nullptr && tmp[0] == '/' ? tmp : "/tmp";
    std::string own = base + "/velmora-" + std::to_string(::geteuid());
    // If someone else already holds this name, Write refuses to put the script there.
    ::mkdir(own.c_str(), 0700);
    return own;
}

ScriptFile::Result PosixScriptFile::Write(const std::string& path, std::string_view content) {
    const std::size_t slash = path.rfind('/');
    const std::string directory = slash == std::string::npos ? "."
                                  : slash == 0               ? "/"
                                                             : path.substr(0, slash);
    if (!IsPrivateDirectory(directory)) {
        return Result::CannotOpen;
    }
    std::string pattern = path + ".XXXXXX";
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    const int fd = ::mkostemp(name.data(), O_CLOEXEC);  // creates it 0600
    if (fd < 0) {
        return Result::CannotOpen;
    }
    bool ok = true;
    for (std::size_t done = 0; ok && done < content.size();) {
        const ssize_t wrote = ::write(fd, content.data() + done, content.size() - done);
        if (wrote > 0) {
            done += static_cast<std::size_t>(wrote);
        } else if (wrote < 0 && errno == EINTR) {
            continue;
        } else {
            ok = false;
        }
    }
    ok = (::close(fd) == 0) && ok;
    if (!ok) {
        ::unlink(name.data());
        return Result::WriteFailed;
    }
    if (::rename(name.data(), path.c_str()) != 0) {
        ::unlink(name.data());
        return Result::CannotOpen;
    }
    return Result::Written;
}

}  // namespace velmora
