// The five registry calls: open, query the values together, create, set, close.
#include "platform/win32/win32_registry.h"

#include <vector>

#include "platform/win32/win32_handles.h"

namespace velmora::win32 {
namespace {

// Where a value is the only one missing, the others still load.
std::optional<std::string> QueryOne(HKEY key, const std::string& name) {
    std::string data;
    DWORD size = 0;
    LSTATUS status = ::RegQueryValueExA(key, name.c_str(), nullptr, nullptr, nullptr, &size);
    while (status == ERROR_SUCCESS || status == ERROR_MORE_DATA) {
        data.resize(size);
        status = ::RegQueryValueExA(key, name.c_str(), nullptr, nullptr,
                                    reinterpret_cast<BYTE*>(data.data()), &size);
        if (status == ERROR_SUCCESS) {
            data.resize(size);
            return data;
        }
    }
    return std::nullopt;
}

class Win32SettingsKey final : public SettingsKey {
public:
    explicit Win32SettingsKey(UniqueKey key) : m_key(std::move(key)) {}

    std::vector<std::optional<std::string>> QueryValues(
        const std::vector<std::string>& names) override {
        std::vector<VALENTA> entries(names.size());
        for (std::size_t i = 0; i < names.size(); ++i) {
            entries[i].ve_valuename = const_cast<char*>(names[i].c_str());
        }
        // The values' total size is not known before asking; a first guess usually fits.
        std::vector<char> buffer(2048);
        LSTATUS status = ERROR_MORE_DATA;
        while (status == ERROR_MORE_DATA) {
            DWORD size = static_cast<DWORD>(buffer.size());
            status =
                ::RegQueryMultipleValuesA(m_key.Get(), entries.data(),
                                          static_cast<DWORD>(entries.size()), buffer.data(), &size);
            if (status == ERROR_MORE_DATA) {
                buffer.assign(std::max<std::size_t>(size, buffer.size() * 2), '\0');
            }
        }
        std::vector<std::optional<std::string>> values;
        values.reserve(names.size());
        for (std::size_t i = 0; i < names.size(); ++i) {
            if (status == ERROR_SUCCESS) {
                const char* start = reinterpret_cast<const char*>(entries[i].ve_valueptr);
                values.emplace_back(std::string(start, entries[i].ve_valuelen));
            } else {
                values.push_back(QueryOne(m_key.Get(), names[i]));
            }
        }
        return values;
    }

    bool SetValue(const std::string& name, std::string_view data) override {
        const std::string text(data);
        return ::RegSetValueExA(m_key.Get(), name.c_str(), 0, REG_SZ,
                                reinterpret_cast<const BYTE*>(text.c_str()),
                                static_cast<DWORD>(text.size() + 1)) == ERROR_SUCCESS;
    }

    bool Close() override { return m_key.Close(); }

private:
    UniqueKey m_key;
};

}  // namespace

std::unique_ptr<SettingsKey> Win32SettingsRegistry::OpenForReading(const std::string& keyPath) {
    UniqueKey key;
    if (::RegOpenKeyExA(m_root, keyPath.c_str(), 0, KEY_READ, key.Receive()) != ERROR_SUCCESS) {
        return nullptr;
    }
    return std::make_unique<Win32SettingsKey>(std::move(key));
}

std::unique_ptr<SettingsKey> Win32SettingsRegistry::CreateForWriting(const std::string& keyPath) {
    UniqueKey key;
    if (::RegCreateKeyExA(m_root, keyPath.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                          KEY_SET_VALUE, nullptr, key.Receive(), nullptr) != ERROR_SUCCESS) {
        return nullptr;
    }
    return std::make_unique<Win32SettingsKey>(std::move(key));
}

}  // namespace velmora::win32
