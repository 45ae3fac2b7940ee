// The dialog base: the defaults that every dialog inherits.
#include "ui/dialog.h"

namespace velmora {

void DDX_Text(DataExchange& dx, int id, std::string& value) {
    if (dx.SaveAndValidate()) {
        value = dx.View().GetItemText(id);
    } else {
        dx.View().SetItemText(id, value);
    }
}

int CDialog::DoModal() {
    return m_runner.RunModal(*this);
}

bool CDialog::OnInitDialog() {
    UpdateData(false);
    return true;
}

bool CDialog::OnCommand(unsigned id) {
    switch (id) {
        case kIdOk:
            OnOK();
            return true;
        case kIdCancel:
            OnCancel();
            return true;
        default:
            return false;
    }
}

void CDialog::OnOK() {
    if (UpdateData(true)) {
        EndDialog(kIdOk);
    }
}

void CDialog::OnCancel() {
    EndDialog(kIdCancel);
}

bool CDialog::UpdateData(bool saveAndValidate) {
    if (m_view == nullptr) {
        return false;
    }
    DataExchange dx(*m_view, saveAndValidate);
    DoDataExchange(dx);
    return true;
}

void CDialog::EndDialog(int result) {
    if (m_view != nullptr) {
        m_view->EndDialog(result);
    }
}

}  // namespace velmora
