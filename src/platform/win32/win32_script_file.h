// The batch file in the directory for temporary files.
#pragma once

#include "launch/script_file.h"

namespace velmora::win32 {

class Win32ScriptFile final : public ScriptFile {
public:
    std::string TemporaryDirectory() override;
    Result Write(const std::string& path, std::string_view content) override;
};

}  // namespace velmora::win32
