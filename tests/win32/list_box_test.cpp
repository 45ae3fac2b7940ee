// The ROM list filled by DlgDirListA from a real folder.
#include <gtest/gtest.h>

#include "platform/win32/win32_list_box.h"
#include "res/resource.h"
#include "win32_test_support.h"

namespace velmora::testing {
namespace {

class ListBoxTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* name : {"pacman.zip", "B.zip", "a.zip", "readme.txt"}) {
            m_roms.Touch(name);
        }
        m_roms.MakeFolder("samples");
    }

    ScratchFolder m_roms{"roms"};
    TestWindow m_window;
    win32::Win32ListBox m_list{m_window.Handle(), IDC_ROMLIST};
};

TEST_F(ListBoxTest, ListsOrdinaryFilesIgnoringCaseWithoutFolders) {
    const std::vector<std::string> expected{"a.zip", "B.zip", "pacman.zip", "readme.txt"};
    for (const std::string& path : {m_roms.Path(), m_roms.Path() + "\\"}) {
        ASSERT_TRUE(m_list.DirList(path)) << path;
        EXPECT_EQ(m_window.ListEntries(), expected) << path;
    }
    char current[MAX_PATH] = {};
    ::GetCurrentDirectoryA(sizeof current, current);
    EXPECT_EQ(::lstrcmpiA(current, m_roms.Path().c_str()), 0);
}

TEST_F(ListBoxTest, FolderThatDoesNotExistChangesNothing) {
    ASSERT_TRUE(m_list.DirList(m_roms.Path()));
    EXPECT_FALSE(m_list.DirList(m_roms.File("missing")));
    EXPECT_EQ(m_window.ListEntries().size(), 4u);
}

TEST_F(ListBoxTest, SelectionAndEntryText) {
    ASSERT_TRUE(m_list.DirList(m_roms.Path()));
    EXPECT_EQ(m_list.GetCurSel(), -1);
    ::SendDlgItemMessageA(m_window.Handle(), IDC_ROMLIST, LB_SETCURSEL, 2, 0);
    EXPECT_EQ(m_list.GetCurSel(), 2);
    EXPECT_EQ(m_list.GetText(2), "pacman.zip");
}

}  // namespace
}  // namespace velmora::testing
