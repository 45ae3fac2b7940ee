// The base of every dialog window: a QDialog that offers the core its view and forwards events.
#pragma once

#include <QDialog>
#include <optional>

#include "ui/dialog.h"
#include "ui/dialog_view.h"

class QLabel;
class QPushButton;

namespace velmora::qt {

class DialogUnits;

class DialogWindow : public QDialog, public DialogView {
    Q_OBJECT

public:
    explicit DialogWindow(QWidget* owner);

    // Forwards this window's events to dialog until the run ends.
    void Bind(CDialog* dialog) { m_dialog = dialog; }
    // Shows the window and runs it until the dialog ends it; the dialog's result.
    int Run();

    std::string GetItemText(int id) const override;
    void SetItemText(int id, std::string_view text) override;
    void EndDialog(int result) override;

    // Escape and the close box arrive here.
    void reject() override;
    void accept() override;

protected:
    CDialog* Dialog() const { return m_dialog; }
    void Forward(unsigned id);
    // A label at its template place, widened when the font needs more room than the
    // template's font did, so no text is clipped.
    static QLabel* AddLabel(QWidget* parent, const QString& text, const QRect& box,
                            Qt::Alignment align = Qt::AlignLeft | Qt::AlignTop);
    QPushButton* AddButton(QWidget* parent, int id, const QString& text, const DialogUnits& units,
                           const QRect& dialogRect);

private:
    QWidget* FindControl(int id) const;

    CDialog* m_dialog = nullptr;
    std::optional<int> m_endedEarly;  // EndDialog before the window ran
    bool m_running = false;
};

}  // namespace velmora::qt
