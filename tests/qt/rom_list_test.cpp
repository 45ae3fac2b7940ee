// The ROM list: which files of a folder are listed, in what order, and failed listings.
#include <QDir>
#include <QFile>
#include <fstream>

#include "platform/qt/qt_rom_list.h"
#include "qt_test_support.h"

namespace velmora::qt::testing {
namespace {

using RomListTest = QtFixture;

TEST_F(RomListTest, ListsRegularFilesSortedIgnoringCase) {
    struct Case {
        const char* name;
        QStringList files;
        QStringList folders;
        QStringList expected;
    };
    const Case cases[] = {
        {"folders are left out",
         {"pacman.zip", "galaga.zip", "readme.txt"},
         {"samples"},
         {"galaga.zip", "pacman.zip", "readme.txt"}},
        {"case is ignored", {"B.zip", "a.zip", "C.zip"}, {}, {"a.zip", "B.zip", "C.zip"}},
        {"dot-files are left out", {".hidden.zip", "mk.zip"}, {".git"}, {"mk.zip"}},
        {"an empty folder", {}, {}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QString folder = Scratch(QString::fromLatin1(c.name));
        QDir().mkpath(folder);
        for (const QString& file : c.files) {
            WriteFile(folder + '/' + file, "rom");
        }
        for (const QString& sub : c.folders) {
            QDir().mkpath(folder + '/' + sub);
        }
        QtRomList list;
        EXPECT_TRUE(list.DirList(folder.toStdString()));
        EXPECT_EQ(list.Texts(), c.expected);
    }
}

TEST_F(RomListTest, SymbolicLinksCountOnlyWhenTheyLeadToAFile) {
    const QString folder = Scratch("roms");
    WriteFile(folder + "/real.zip", "rom");
    QDir().mkpath(Scratch("elsewhere"));
    QFile::link(folder + "/real.zip", folder + "/link.zip");
    QFile::link(Scratch("elsewhere"), folder + "/folderlink");
    QFile::link(Scratch("nothing-here"), folder + "/dangling.zip");
    QtRomList list;
    EXPECT_TRUE(list.DirList(folder.toStdString()));
    EXPECT_EQ(list.Texts(), QStringList({"link.zip", "real.zip"}));
}

TEST_F(RomListTest, RefreshReplacesTheEntriesAndClearsTheSelection) {
    const std::string roms = MakeRomFolder(Scratch("roms")).toStdString();
    QtRomList list;
    ASSERT_TRUE(list.DirList(roms));
    list.setCurrentIndex(list.model()->index(2, 0));
    ASSERT_EQ(list.GetCurSel(), 2);
    EXPECT_EQ(list.GetText(2), "readme.txt");

    for (const std::string& again : {roms, roms + "/"}) {
        EXPECT_TRUE(list.DirList(again));
        EXPECT_EQ(list.Count(), 3);
        EXPECT_EQ(list.GetCurSel(), -1);
    }
    // The pickers then open where the ROMs are.
    EXPECT_EQ(QDir::current().canonicalPath(), QDir(QString::fromStdString(roms)).canonicalPath());
}

TEST_F(RomListTest, AFolderThatCannotBeListedChangesNothing) {
    const std::string roms = MakeRomFolder(Scratch("roms")).toStdString();
    QtRomList list;
    ASSERT_TRUE(list.DirList(roms));
    for (const std::string& bad : {Scratch("missing").toStdString(), roms + "/readme.txt"}) {
        SCOPED_TRACE(bad);
        EXPECT_FALSE(list.DirList(bad));
        EXPECT_EQ(list.Count(), 3);
        EXPECT_EQ(QDir::current().canonicalPath(),
                  QDir(QString::fromStdString(roms)).canonicalPath());
    }
}

// A launch needs the file's name exactly as the file system holds it.
TEST_F(RomListTest, NamesThatAreNotUtf8KeepTheirBytes) {
    const std::string folder = Scratch("roms").toStdString();
    QDir().mkpath(QString::fromStdString(folder));
    const std::string name = "caf\xe9.zip";
    ASSERT_TRUE(std::ofstream(folder + "/" + name).good());
    QtRomList list;
    ASSERT_TRUE(list.DirList(folder));
    ASSERT_EQ(list.Count(), 1);
    EXPECT_EQ(list.GetText(0), name);
}

}  // namespace
}  // namespace velmora::qt::testing
