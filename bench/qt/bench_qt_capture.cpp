// Capturing `mame -listxml` (about 270 MB) into the real pane through the real runner and
// child process, against `mame -listxml > /dev/null`; with the peak memory of this process.
#include <sys/resource.h>

#include <QApplication>
#include <clocale>
#include <cstdio>
#include <fstream>

#include "bench_support.h"
#include "launch/emulator_runner.h"
#include "platform/posix/posix_child_process.h"
#include "platform/qt/main_window_widget.h"
#include "platform/qt/qt_message_box.h"
#include "platform/qt/qt_output_pane.h"
#include "platform/qt/qt_runner_host.h"

int main(int argc, char** argv) {
    using namespace velmora::bench;
    const char* mame = argc > 1 ? argv[1] : "/usr/games/mame";
    std::setlocale(LC_ALL, "");
    ChoosePlatform();
    QApplication application(argc, argv);

    char scratch[] = "/tmp/velmora-bench-XXXXXX";
    if (mkdtemp(scratch) == nullptr) {
        return 1;
    }
    const std::string script = std::string(scratch) + "/mame.sh";
    std::ofstream(script) << mame << " -listxml\n";

    const double alone = Seconds([&] { Shell(std::string(mame) + " -listxml > /dev/null"); });

    velmora::qt::MainWindowWidget window;
    window.show();
    QCoreApplication::processEvents();
    velmora::PosixProcessFactory processes;
    velmora::qt::QtMessageBox messageBox;
    velmora::qt::QtRunnerHost host;
    velmora::CEmulatorRunner runner(processes, messageBox, host);
    velmora::qt::QtOutputPane& pane = *window.Output();
    const double captured = Seconds([&] {
        runner.RunAndCapture(pane, "/", script);
        QCoreApplication::processEvents();  // the last lines are shown
    });

    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf(
        "mame -listxml into the pane: %.2f s (%zu lines, %.1f MB); alone to /dev/null: "
        "%.2f s; ratio %.2f (goal at most 1.5); peak memory of the front end %.0f MB\n",
        captured, pane.GetLineCount(), pane.GetTextLength() / 1e6, alone, captured / alone,
        usage.ru_maxrss / 1024.0);
    RemoveTree(scratch);
    return 0;
}
