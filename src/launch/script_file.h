// Where the one-line launch script goes and how it is written.
#pragma once

#include <string>
#include <string_view>

namespace velmora {

class ScriptFile {
public:
    enum class Result { Written, CannotOpen, WriteFailed };

    virtual ~ScriptFile() = default;
    // The directory for the script, possibly ending with a path separator.
    virtual std::string TemporaryDirectory() = 0;
    // Creates or replaces the file with exactly content; it is closed before this returns.
    virtual Result Write(const std::string& path, std::string_view content) = 0;
};

}  // namespace velmora
