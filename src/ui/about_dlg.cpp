// The About dialog's version line.
#include "ui/about_dlg.h"

#include "res/resource.h"
#include "res/string_table.h"

namespace velmora {

CAboutDlg::CAboutDlg(DialogRunner& runner)
    : CDialog(IDD_ABOUTBOX, runner), m_strVersion(kVersionPrefix) {}

void CAboutDlg::DoDataExchange(DataExchange& dx) {
    DDX_Text(dx, IDC_VERSION, m_strVersion);
}

bool CAboutDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    m_strVersion += StringTableText(ID_HELP_ABOUT);
    UpdateData(false);
    return true;
}

}  // namespace velmora
