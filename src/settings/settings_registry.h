// The settings key: where the three settings are stored between runs.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velmora {

// An open key; it is closed when destroyed.
class SettingsKey {
public:
    virtual ~SettingsKey() = default;
    // The data of each named value, in the order asked; nothing for a value that is missing.
    virtual std::vector<std::optional<std::string>> QueryValues(
        const std::vector<std::string>& names) = 0;
    virtual bool SetValue(const std::string& name, std::string_view data) = 0;
    // Closes the key, committing what was set; false when that failed.
    virtual bool Close() = 0;
};

class SettingsRegistry {
public:
    virtual ~SettingsRegistry() = default;
    // Null when the key does not exist or cannot be read.
    virtual std::unique_ptr<SettingsKey> OpenForReading(const std::string& keyPath) = 0;
    // Creates the key and every missing key above it; null when it cannot be written.
    virtual std::unique_ptr<SettingsKey> CreateForWriting(const std::string& keyPath) = 0;
};

}  // namespace velmora
