// The path setup dialog: edits copies of the three settings, with two Browse pickers.
#pragma once

#include <string>

#include "text/code_page.h"
#include "ui/dialog.h"
#include "ui/file_picker.h"

namespace velmora {

class CPathSetupDlg : public CDialog {
public:
    CPathSetupDlg(DialogRunner& runner, FilePicker& picker, char pathSeparator,
                  const CodePage& codePage);

    bool OnCommand(unsigned id) override;
    void OnCancel() override;
    void OnOkButton();
    void OnBrowseMame();
    void OnBrowseRoms();

    std::string m_strMamePath;
    std::string m_strRomPath;
    std::string m_strMameOptions;

protected:
    void DoDataExchange(DataExchange& dx) override;

private:
    FilePicker& m_picker;
    char m_pathSeparator;
    const CodePage& m_codePage;
};

}  // namespace velmora
