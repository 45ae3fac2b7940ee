// The main window: the ROM list above the output pane, the menu and the command routing.
#pragma once

#include <string>

#include "ui/app_services.h"
#include "ui/dialog.h"

namespace velmora {

inline constexpr char kSettingsNotSavedText[] =
    "The paths could not be saved. They apply until Velmora ends.";

class CVelmoraDlg : public CDialog {
public:
    explicit CVelmoraDlg(AppServices& services);

    bool OnInitDialog() override;
    bool OnCommand(unsigned id) override;
    void OnListDoubleClick(int id) override;
    bool OnSysCommand(unsigned id) override;

    void OnFileExit();
    void OnHelpAbout();
    void OnDblclkRomList();
    void OnSetupPaths();
    void RefreshRomList();
    void LoadSettings();
    void SaveSettings();

    OutputPane* m_editOutput = nullptr;
    ListBoxControl* m_listRoms = nullptr;
    std::string m_strMamePath;
    std::string m_strRomPath;
    std::string m_strMameOptions;

protected:
    void DoDataExchange(DataExchange& dx) override;

private:
    void ShowAbout();

    AppServices& m_services;
};

}  // namespace velmora
