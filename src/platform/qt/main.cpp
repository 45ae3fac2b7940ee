// The velmora program: the Qt application around the core's start-up.
#include <QApplication>
#include <clocale>

#include "app/velmora_app.h"
#include "platform/qt/app_icon.h"
#include "platform/qt/qt_services.h"

int main(int argc, char* argv[]) {
    std::setlocale(LC_ALL, "");
    QApplication application(argc, argv);
    QCoreApplication::setApplicationVersion(QStringLiteral("1.0.0.1"));
    QGuiApplication::setDesktopFileName(QStringLiteral("velmora"));
    QApplication::setWindowIcon(velmora::qt::AppIcon());
    // The main window runs modally; closing it ends start-up, not an event loop.
    QApplication::setQuitOnLastWindowClosed(false);

    velmora::qt::QtServices services;
    velmora::CVelmoraApp app(services.App());
    app.InitInstance();
    return 0;
}
