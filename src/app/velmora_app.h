// The application object: start-up runs the main window modally and then ends the program.
#pragma once

#include "ui/app_services.h"
#include "ui/dialog.h"

namespace velmora {

class CVelmoraApp {
public:
    explicit CVelmoraApp(AppServices& services) : m_services(services) {}

    // Runs the main window until it closes; always false, since no message loop follows.
    bool InitInstance();

    // The main window while it runs, so that every other window finds its owner.
    CDialog* m_pMainWnd = nullptr;

private:
    AppServices& m_services;
};

}  // namespace velmora
