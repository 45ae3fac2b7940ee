// Start-up: the one main window, run modally.
#include "app/velmora_app.h"

#include "ui/velmora_dlg.h"

namespace velmora {

bool CVelmoraApp::InitInstance() {
    CVelmoraDlg dialog(m_services);
    m_pMainWnd = &dialog;
    dialog.DoModal();
    m_pMainWnd = nullptr;
    return false;
}

}  // namespace velmora
