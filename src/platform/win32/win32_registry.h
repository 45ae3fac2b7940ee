// The settings key under HKEY_LOCAL_MACHINE.
#pragma once

#include <windows.h>

#include "settings/settings_registry.h"

namespace velmora::win32 {

class Win32SettingsRegistry final : public SettingsRegistry {
public:
    // root is HKEY_LOCAL_MACHINE in the program; tests may point it elsewhere.
    explicit Win32SettingsRegistry(HKEY root = HKEY_LOCAL_MACHINE) : m_root(root) {}

    std::unique_ptr<SettingsKey> OpenForReading(const std::string& keyPath) override;
    std::unique_ptr<SettingsKey> CreateForWriting(const std::string& keyPath) override;

private:
    HKEY m_root;
};

}  // namespace velmora::win32
