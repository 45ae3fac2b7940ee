// The About dialog: the icon, the version line and OK.
#pragma once

#include <string>

#include "ui/dialog.h"

namespace velmora {

inline constexpr char kVersionPrefix[] = "Velmora Version ";

class CAboutDlg : public CDialog {
public:
    explicit CAboutDlg(DialogRunner& runner);
    bool OnInitDialog() override;

    std::string m_strVersion;

protected:
    void DoDataExchange(DataExchange& dx) override;
};

}  // namespace velmora
