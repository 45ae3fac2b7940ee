// Start-up to the main window shown, with a stored ROM folder of 50,000 files, against a
// process that only shows a bare QDialog. Each run is a fresh process.
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QDialog>
#include <QTimer>
#include <chrono>
#include <clocale>
#include <cstdio>
#include <cstring>
#include <fstream>

#include "app/velmora_app.h"
#include "bench_support.h"
#include "platform/qt/dialog_window.h"
#include "platform/qt/qt_services.h"
#include "res/resource.h"

namespace {

// Runs until the first window is shown, then closes it.
int Child(int argc, char** argv, bool bare) {
    std::setlocale(LC_ALL, "");
    QApplication application(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    if (bare) {
        QDialog dialog;
        QTimer::singleShot(0, &dialog, &QDialog::reject);
        dialog.exec();
        return 0;
    }
    velmora::qt::QtServices services;
    services.Dialogs().onWindowReady = [](velmora::qt::DialogWindow& window) {
        // The first event of the window's own loop comes once it is shown.
        QTimer::singleShot(0, &window, [&window] { window.close(); });
    };
    velmora::CVelmoraApp app(services.App());
    app.InitInstance();
    return 0;
}

double RunChild(const char* self, const char* mode) {
    return velmora::bench::Seconds([&] {
        const pid_t pid = fork();
        if (pid == 0) {
            execl(self, self, mode, static_cast<char*>(nullptr));
            _exit(127);
        }
        int status = 0;
        waitpid(pid, &status, 0);
    });
}

}  // namespace

int main(int argc, char** argv) {
    using namespace velmora::bench;
    ChoosePlatform();
    if (argc > 1 && std::strcmp(argv[1], "--bare") == 0) {
        return Child(argc, argv, true);
    }
    if (argc > 1 && std::strcmp(argv[1], "--velmora") == 0) {
        return Child(argc, argv, false);
    }

    const std::string roms = MakeFolderOfFiles(50000);
    char config[] = "/tmp/velmora-bench-config-XXXXXX";
    if (mkdtemp(config) == nullptr) {
        return 1;
    }
    Shell(std::string("mkdir -p ") + config + "/Tarnwick");
    std::ofstream(std::string(config) + "/Tarnwick/Velmora.conf")
        << "[General]\nRomPath=" << roms << "\nMamePath=/usr/games/mame\nMameOptions=\n";
    setenv("XDG_CONFIG_HOME", config, 1);

    const double bare = Median(5, [&] { RunChild(argv[0], "--bare"); });
    const double velmora = Median(5, [&] { RunChild(argv[0], "--velmora"); });
    std::printf(
        "start-up to the main window shown (50,000 ROMs listed): %.0f ms (goal under "
        "500 ms); a bare QDialog: %.0f ms; ratio %.2f\n",
        velmora * 1000, bare * 1000, velmora / bare);
    RemoveTree(roms);
    RemoveTree(config);
    return 0;
}
