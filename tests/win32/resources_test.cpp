// The compiled resources: the string table matches the core's texts, the version record.
#include <gtest/gtest.h>

#include <windows.h>

#include "res/resource.h"
#include "res/string_table.h"

namespace velmora::testing {
namespace {

std::string LoadText(UINT id) {
    char text[512] = {};
    const int length = ::LoadStringA(::GetModuleHandleA(nullptr), id, text, sizeof text);
    return std::string(text, length > 0 ? length : 0);
}

TEST(ResourcesTest, StringTableHoldsTheCoreTexts) {
    for (UINT id : {IDS_ABOUTBOX, ID_FILE_EXIT, ID_HELP_ABOUT, IDS_NOMAMEPATH, IDS_REGISTRYKEY}) {
        EXPECT_EQ(LoadText(id), StringTableText(id)) << id;
        EXPECT_FALSE(LoadText(id).empty()) << id;
    }
    EXPECT_EQ(LoadText(IDS_REGISTRYKEY), "Software\\Tarnwick\\Velmora");
}

TEST(ResourcesTest, VersionRecord) {
    char path[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, path, sizeof path);
    std::string data(::GetFileVersionInfoSizeA(path, nullptr), '\0');
    ASSERT_TRUE(::GetFileVersionInfoA(path, 0, static_cast<DWORD>(data.size()), data.data()));

    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT size = 0;
    ASSERT_TRUE(::VerQueryValueA(data.data(), "\\", reinterpret_cast<void**>(&fixed), &size));
    EXPECT_EQ(fixed->dwFileVersionMS, 0x00010000u);
    EXPECT_EQ(fixed->dwFileVersionLS, 0x00000001u);
    EXPECT_EQ(fixed->dwProductVersionMS, 0x00010000u);
    EXPECT_EQ(fixed->dwProductVersionLS, 0x00000001u);
    EXPECT_EQ(fixed->dwFileFlagsMask, 0x3Fu);
    EXPECT_EQ(fixed->dwFileFlags, 0u);
    EXPECT_EQ(fixed->dwFileOS, 0x4u);
    EXPECT_EQ(fixed->dwFileType, 1u);

    const std::pair<const char*, const char*> strings[] = {
        {"CompanyName", ""},
        {"FileDescription", "Velmora MFC Application"},
        {"FileVersion", "1, 0, 0, 1"},
        {"InternalName", "Velmora"},
        {"LegalTrademarks", ""},
        {"OriginalFilename", "Velmora.EXE"},
        {"ProductName", "Velmora Application"},
        {"ProductVersion", "1, 0, 0, 1"},
    };
    for (const auto& [key, expected] : strings) {
        char* value = nullptr;
        const std::string query = std::string("\\StringFileInfo\\040904B0\\") + key;
        ASSERT_TRUE(
            ::VerQueryValueA(data.data(), query.c_str(), reinterpret_cast<void**>(&value), &size))
            << key;
        EXPECT_STREQ(value, expected) << key;
    }
    WORD* translation = nullptr;
    ASSERT_TRUE(::VerQueryValueA(data.data(), "\\VarFileInfo\\Translation",
                                 reinterpret_cast<void**>(&translation), &size));
    EXPECT_EQ(translation[0], 0x0409);
    EXPECT_EQ(translation[1], 1200);
}

}  // namespace
}  // namespace velmora::testing
