// The batch file written to disk exactly, and the cases in which it cannot be.
#include <gtest/gtest.h>

#include "platform/win32/win32_handles.h"
#include "platform/win32/win32_script_file.h"
#include "win32_test_support.h"

namespace velmora::testing {
namespace {

TEST(ScriptFileTest, TemporaryDirectoryIsAnExistingFolderEndingInABackslash) {
    const std::string directory = win32::Win32ScriptFile().TemporaryDirectory();
    ASSERT_FALSE(directory.empty());
    EXPECT_EQ(directory.back(), '\\');
    EXPECT_NE(::GetFileAttributesA(directory.c_str()) & FILE_ATTRIBUTE_DIRECTORY, 0u);
}

TEST(ScriptFileTest, WriteReplacesTheFileWithExactlyTheContent) {
    ScratchFolder folder("script");
    const std::string path = folder.File("mame.bat");
    win32::Win32ScriptFile file;
    ASSERT_EQ(file.Write(path, "an earlier, longer line\r\n\r\n"), ScriptFile::Result::Written);
    ASSERT_EQ(file.Write(path, "mame pacman -rp \"C:\\roms\" \r\n"), ScriptFile::Result::Written);
    EXPECT_EQ(ReadWholeFile(path), "mame pacman -rp \"C:\\roms\" \r\n");
}

TEST(ScriptFileTest, FileThatCannotBeOpenedIsReportedAsSuch) {
    ScratchFolder folder("script-busy");
    const std::string busy = folder.File("mame.bat");
    win32::Win32ScriptFile file;
    ASSERT_EQ(file.Write(busy, "old\r\n"), ScriptFile::Result::Written);
    {
        // Another program holding the file open without sharing keeps it from being replaced.
        win32::UniqueHandle holder(::CreateFileA(busy.c_str(), GENERIC_READ, 0, nullptr,
                                                 OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
        ASSERT_TRUE(holder.Valid());
        EXPECT_EQ(file.Write(busy, "new\r\n"), ScriptFile::Result::CannotOpen);
    }
    EXPECT_EQ(ReadWholeFile(busy), "old\r\n");
    EXPECT_EQ(file.Write(folder.File("missing\\mame.bat"), "x"), ScriptFile::Result::CannotOpen);
}

}  // namespace
}  // namespace velmora::testing
