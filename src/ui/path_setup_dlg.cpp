// The path setup dialog's data flow: seed, Browse, OK and Cancel.
#include "ui/path_setup_dlg.h"

#include "res/resource.h"
#include "text/cut.h"

namespace velmora {

CPathSetupDlg::CPathSetupDlg(DialogRunner& runner, FilePicker& picker, char pathSeparator,
                             const CodePage& codePage)
    : CDialog(IDD_PATHSETUP, runner),
      m_picker(picker),
      m_pathSeparator(pathSeparator),
      m_codePage(codePage) {}

void CPathSetupDlg::DoDataExchange(DataExchange& dx) {
    DDX_Text(dx, IDC_MAMEPATH, m_strMamePath);
    DDX_Text(dx, IDC_ROMPATH, m_strRomPath);
    DDX_Text(dx, IDC_MAMEOPTIONS, m_strMameOptions);
}

bool CPathSetupDlg::OnCommand(unsigned id) {
    switch (id) {
        case kIdOk:
            OnOkButton();
            return true;
        case IDC_BROWSE_MAME:
            OnBrowseMame();
            return true;
        case IDC_BROWSE_ROMS:
            OnBrowseRoms();
            return true;
        default:
            return CDialog::OnCommand(id);
    }
}

void CPathSetupDlg::OnOkButton() {
    UpdateData(true);
    CDialog::OnOK();
}

void CPathSetupDlg::OnCancel() {
    CDialog::OnCancel();
}

// A confirmed Browse rewrites all three edits from the members, so text typed since the last
// exchange is replaced.
void CPathSetupDlg::OnBrowseMame() {
    if (auto path = m_picker.Pick(FilePickerKind::Emulator)) {
        m_strMamePath = *path;
        UpdateData(false);
    }
}

void CPathSetupDlg::OnBrowseRoms() {
    if (auto path = m_picker.Pick(FilePickerKind::RomDirectory)) {
        m_strRomPath = KeepBeforeLast(*path, m_pathSeparator, m_codePage);
        // A name in the root folder of a POSIX file system leaves the root, not nothing.
        if (m_strRomPath.empty() && !path->empty() && path->front() == m_pathSeparator) {
            m_strRomPath.assign(1, m_pathSeparator);
        }
        UpdateData(false);
    }
}

}  // namespace velmora
