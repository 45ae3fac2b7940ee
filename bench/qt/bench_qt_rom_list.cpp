// Refreshing the ROM list from 50,000 files against `ls -f | sort -f` of the same folder.
#include <QApplication>
#include <clocale>
#include <cstdio>

#include "bench_support.h"
#include "platform/qt/qt_rom_list.h"

int main(int argc, char** argv) {
    using namespace velmora::bench;
    std::setlocale(LC_ALL, "");
    ChoosePlatform();
    QApplication application(argc, argv);
    constexpr int kFiles = 50000;
    const std::string folder = MakeFolderOfFiles(kFiles);

    const double baseline =
        Median(5, [&] { Shell("cd '" + folder + "' && ls -f | sort -f > /dev/null"); });
    velmora::qt::QtRomList list;
    list.resize(600, 250);
    list.show();
    const double refresh = Median(5, [&] {
        list.DirList(folder);
        QCoreApplication::processEvents();  // the list paints its new entries
    });
    std::printf(
        "ROM list refresh, %d files: %.1f ms; ls -f | sort -f: %.1f ms; ratio %.2f "
        "(goal at most 2)\n",
        list.Count(), refresh * 1000, baseline * 1000, refresh / baseline);
    RemoveTree(folder);
    return 0;
}
