// The launch script on POSIX: written only into a directory private to the user.
#pragma once

#include "launch/script_file.h"

namespace velmora {

class PosixScriptFile final : public ScriptFile {
public:
    // $XDG_RUNTIME_DIR when it is private to the user, else /tmp/velmora-<uid>, made 0700.
    std::string TemporaryDirectory() override;
    // Writes a fresh owner-only file beside path and renames it over path, so whatever stood
    // there, a planted symbolic link included, is replaced and never followed.
    Result Write(const std::string& path, std::string_view content) override;
};

// True when path is a real directory (not a link) owned by this user that nobody else may
// write into.
bool IsPrivateDirectory(const std::string& path);

}  // namespace velmora
