// What a front end's live dialog window offers the core's dialog objects.
#pragma once

#include <string>
#include <string_view>

#include "launch/output_pane.h"
#include "ui/list_box_control.h"

namespace velmora {

class DialogView {
public:
    virtual ~DialogView() = default;
    virtual std::string GetItemText(int id) const = 0;
    virtual void SetItemText(int id, std::string_view text) = 0;
    // Ends the modal run with result once the current handler returns.
    virtual void EndDialog(int result) = 0;

    // Controls that only the main window has; null where the template has no such control.
    virtual OutputPane* EditControl(int) { return nullptr; }
    virtual ListBoxControl* ListBox(int) { return nullptr; }
    // Appends a separator and the entry to the system menu; false when there is no system
    // menu.
    virtual bool AppendSystemMenuEntry(unsigned, std::string_view) { return false; }
    // Sets the application icon as the window's large and small icon.
    virtual void SetIcons() {}
};

}  // namespace velmora
