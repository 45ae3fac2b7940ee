// The ROM list on a list box of a dialog, filled by DlgDirListA.
#pragma once

#include <windows.h>

#include "ui/list_box_control.h"

namespace velmora::win32 {

class Win32ListBox final : public ListBoxControl {
public:
    Win32ListBox(HWND dialog, int id) : m_dialog(dialog), m_id(id) {}

    int GetCurSel() const override;
    std::string GetText(int index) const override;
    // Also makes directory the process's current directory, as DlgDirListA does.
    bool DirList(const std::string& directory) override;

private:
    HWND m_dialog;
    int m_id;
};

}  // namespace velmora::win32
