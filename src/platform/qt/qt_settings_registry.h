// The settings key on Linux: an INI file per user, with a machine-wide one read as fallback.
#pragma once

#include "settings/settings_registry.h"

namespace velmora::qt {

// "Software\Tarnwick\Velmora" becomes $XDG_CONFIG_HOME/Tarnwick/Velmora.conf for the user,
// or the same name in the directories of $XDG_CONFIG_DIRS (/etc/xdg) when the user has none.
class QtSettingsRegistry final : public SettingsRegistry {
public:
    std::unique_ptr<SettingsKey> OpenForReading(const std::string& keyPath) override;
    std::unique_ptr<SettingsKey> CreateForWriting(const std::string& keyPath) override;
};

}  // namespace velmora::qt
