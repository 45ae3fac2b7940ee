// The main window's initialisation, commands and the ROM list refresh.
#include "ui/velmora_dlg.h"

#include "res/resource.h"
#include "res/string_table.h"
#include "ui/about_dlg.h"
#include "ui/path_setup_dlg.h"

namespace velmora {

CVelmoraDlg::CVelmoraDlg(AppServices& services)
    : CDialog(IDD_VELMORA_DIALOG, services.dialogs), m_services(services) {}

void CVelmoraDlg::DoDataExchange(DataExchange& dx) {
    if (m_editOutput == nullptr) {
        m_editOutput = dx.View().EditControl(IDC_OUTPUT);
    }
    if (m_listRoms == nullptr) {
        m_listRoms = dx.View().ListBox(IDC_ROMLIST);
    }
}

bool CVelmoraDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    const std::string about = StringTableText(IDS_ABOUTBOX);
    if (!about.empty()) {
        View()->AppendSystemMenuEntry(IDM_ABOUTBOX, about);
    }
    View()->SetIcons();
    LoadSettings();
    if (m_editOutput != nullptr) {
        m_editOutput->SetReadOnly(true);
    }
    return true;
}

bool CVelmoraDlg::OnCommand(unsigned id) {
    switch (id) {
        case ID_FILE_EXIT:
            OnFileExit();
            return true;
        case ID_HELP_ABOUT:
            OnHelpAbout();
            return true;
        case ID_FILE_SETUPPATHS:
            OnSetupPaths();
            return true;
        default:
            return CDialog::OnCommand(id);
    }
}

void CVelmoraDlg::OnListDoubleClick(int id) {
    if (id == IDC_ROMLIST) {
        OnDblclkRomList();
    }
}

bool CVelmoraDlg::OnSysCommand(unsigned id) {
    if ((id & 0xFFF0) == IDM_ABOUTBOX) {
        ShowAbout();
        return true;
    }
    return false;
}

void CVelmoraDlg::OnFileExit() {
    OnOK();
}

void CVelmoraDlg::OnHelpAbout() {
    ShowAbout();
}

void CVelmoraDlg::ShowAbout() {
    CAboutDlg about(m_services.dialogs);
    about.DoModal();
}

void CVelmoraDlg::OnDblclkRomList() {
    if (m_listRoms == nullptr || m_editOutput == nullptr) {
        return;
    }
    std::string entryText;
    const int selected = m_listRoms->GetCurSel();
    if (selected >= 0) {
        entryText = m_listRoms->GetText(selected);
    }
    const PathSettings settings{m_strMamePath, m_strRomPath, m_strMameOptions};
    LaunchGame(entryText, settings, *m_editOutput, m_services.launch, [this] { OnSetupPaths(); });
}

void CVelmoraDlg::OnSetupPaths() {
    CPathSetupDlg dialog(m_services.dialogs, m_services.picker,
                         m_services.launch.dialect.PathSeparator(), m_services.launch.codePage);
    dialog.m_strMamePath = m_strMamePath;
    dialog.m_strRomPath = m_strRomPath;
    dialog.m_strMameOptions = m_strMameOptions;
    if (dialog.DoModal() == kIdOk) {
        m_strMamePath = dialog.m_strMamePath;
        m_strRomPath = dialog.m_strRomPath;
        m_strMameOptions = dialog.m_strMameOptions;
        SaveSettings();
        RefreshRomList();
    }
}

void CVelmoraDlg::RefreshRomList() {
    if (m_strRomPath.empty() || m_listRoms == nullptr) {
        return;
    }
    m_listRoms->DirList(m_strRomPath);
}

namespace {

const char* const kValueNames[] = {"RomPath", "MamePath", "MameOptions"};

// A stored value is text up to its first NUL byte.
std::string TextOf(const std::optional<std::string>& data) {
    if (!data) {
        return {};
    }
    return data->substr(0, data->find('\0'));
}

}  // namespace

void CVelmoraDlg::LoadSettings() {
    std::unique_ptr<SettingsKey> key =
        m_services.settings.OpenForReading(StringTableText(IDS_REGISTRYKEY));
    if (!key) {
        OnSetupPaths();
        return;
    }
    const auto values = key->QueryValues({kValueNames[0], kValueNames[1], kValueNames[2]});
    if (values.size() == 3) {
        m_strRomPath = TextOf(values[0]);
        m_strMamePath = TextOf(values[1]);
        m_strMameOptions = TextOf(values[2]);
    }
    key->Close();
    RefreshRomList();
}

void CVelmoraDlg::SaveSettings() {
    std::unique_ptr<SettingsKey> key =
        m_services.settings.CreateForWriting(StringTableText(IDS_REGISTRYKEY));
    bool saved = key != nullptr;
    if (key) {
        // Every value is written even when an earlier one failed.
        saved = key->SetValue(kValueNames[0], m_strRomPath) && saved;
        saved = key->SetValue(kValueNames[1], m_strMamePath) && saved;
        saved = key->SetValue(kValueNames[2], m_strMameOptions) && saved;
        saved = key->Close() && saved;
    }
    if (!saved) {
        m_services.launch.messageBox.Show(kSettingsNotSavedText, MessageIcon::Exclamation);
    }
}

}  // namespace velmora
