// The dialog base of the core: modal run, command routing and data exchange.
#pragma once

#include <string>

#include "ui/dialog_view.h"

namespace velmora {

inline constexpr int kIdOk = 1;
inline constexpr int kIdCancel = 2;

class CDialog;

// Runs dialogs modally: builds the window for a template, attaches it and forwards its events.
class DialogRunner {
public:
    virtual ~DialogRunner() = default;
    // Shows dialog over the active window until it ends; returns the result it ended with.
    virtual int RunModal(CDialog& dialog) = 0;
};

// Moves texts between the window's controls and a dialog's members.
class DataExchange {
public:
    DataExchange(DialogView& view, bool saveAndValidate)
        : m_view(view), m_saveAndValidate(saveAndValidate) {}
    DialogView& View() const { return m_view; }
    bool SaveAndValidate() const { return m_saveAndValidate; }

private:
    DialogView& m_view;
    bool m_saveAndValidate;
};

void DDX_Text(DataExchange& dx, int id, std::string& value);

class CDialog {
public:
    virtual ~CDialog() = default;
    CDialog(const CDialog&) = delete;
    CDialog& operator=(const CDialog&) = delete;

    unsigned TemplateId() const { return m_templateId; }
    int DoModal();

    // Called by the front end, in the order a platform dialog would.
    void Attach(DialogView* view) { m_view = view; }
    virtual bool OnInitDialog();
    // A command from a button, menu entry or key; true when the dialog handled it.
    virtual bool OnCommand(unsigned id);
    // A double-click on the list box id.
    virtual void OnListDoubleClick(int) {}
    // A system-menu command; true when handled here, else the platform's default applies.
    virtual bool OnSysCommand(unsigned) { return false; }

    virtual void OnOK();
    virtual void OnCancel();
    bool UpdateData(bool saveAndValidate);
    void EndDialog(int result);

protected:
    CDialog(unsigned templateId, DialogRunner& runner)
        : m_templateId(templateId), m_runner(runner) {}
    virtual void DoDataExchange(DataExchange&) {}
    DialogView* View() const { return m_view; }

private:
    unsigned m_templateId;
    DialogRunner& m_runner;
    DialogView* m_view = nullptr;
};

}  // namespace velmora
