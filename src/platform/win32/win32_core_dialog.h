// A live dialog window for one of the core's dialogs: the view it works on and the messages
// it receives.
#pragma once

#include <map>
#include <memory>

#include "platform/win32/win32_dialog_base.h"
#include "platform/win32/win32_list_box.h"
#include "platform/win32/win32_output_pane.h"
#include "platform/win32/win32_window_stack.h"
#include "ui/dialog.h"
#include "ui/dialog_view.h"

namespace velmora::win32 {

// The application icon, at the system's large-icon size; shared, so never destroyed.
HICON LoadAppIcon(HINSTANCE instance);

class CoreDialogWindow : public DialogWindow, public DialogView {
public:
    CoreDialogWindow(CDialog& dialog, WindowStack& windows, HINSTANCE instance)
        : m_dialog(dialog), m_windows(windows), m_instance(instance) {}

    int Run(HWND owner);

    // DialogView
    std::string GetItemText(int id) const override;
    void SetItemText(int id, std::string_view text) override;
    void EndDialog(int result) override;
    OutputPane* EditControl(int id) override;
    ListBoxControl* ListBox(int id) override;
    bool AppendSystemMenuEntry(unsigned id, std::string_view text) override;
    void SetIcons() override;

protected:
    std::optional<INT_PTR> HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    virtual void OnListDoubleClick(int id) { m_dialog.OnListDoubleClick(id); }
    HINSTANCE Instance() const { return m_instance; }

private:
    INT_PTR OnInitDialog();
    std::optional<INT_PTR> OnCommand(WPARAM wParam, LPARAM lParam);

    CDialog& m_dialog;
    WindowStack& m_windows;
    HINSTANCE m_instance;
    std::map<int, std::unique_ptr<Win32OutputPane>> m_panes;
    std::map<int, std::unique_ptr<Win32ListBox>> m_lists;
};

}  // namespace velmora::win32
