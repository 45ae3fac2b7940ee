// The main window: menu bar, the ROM list above the output pane.
#pragma once

#include "platform/qt/dialog_window.h"

class QMenuBar;

namespace velmora::qt {

class QtOutputPane;
class QtRomList;

class MainWindowWidget final : public DialogWindow {
    Q_OBJECT

public:
    explicit MainWindowWidget(QWidget* owner = nullptr);

    OutputPane* EditControl(int id) override;
    ListBoxControl* ListBox(int id) override;
    bool AppendSystemMenuEntry(unsigned id, std::string_view text) override;
    void SetIcons() override;

    QtRomList* RomList() const { return m_romList; }
    QtOutputPane* Output() const { return m_output; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void BuildMenu(QMenuBar* menuBar);
    void ShowBackgroundMenu(const QPoint& position);

    QtRomList* m_romList = nullptr;
    QtOutputPane* m_output = nullptr;
    QWidget* m_client = nullptr;
    unsigned m_aboutEntryId = 0;
    QString m_aboutEntryText;
};

}  // namespace velmora::qt
