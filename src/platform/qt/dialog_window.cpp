// Texts of controls by id, the modal run and its end.
#include "platform/qt/dialog_window.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>

#include "platform/qt/control_names.h"
#include "platform/qt/dialog_units.h"

namespace velmora::qt {

DialogWindow::DialogWindow(QWidget* owner) : QDialog(owner) {}

int DialogWindow::Run() {
    if (m_endedEarly) {
        return *m_endedEarly;
    }
    m_running = true;
    const int result = exec();
    m_running = false;
    return result;
}

QWidget* DialogWindow::FindControl(int id) const {
    const QString name = ControlName(id);
    return name.isEmpty() ? nullptr : findChild<QWidget*>(name);
}

std::string DialogWindow::GetItemText(int id) const {
    QWidget* control = FindControl(id);
    if (auto* edit = qobject_cast<QLineEdit*>(control)) {
        return edit->text().toLocal8Bit().toStdString();
    }
    if (auto* label = qobject_cast<QLabel*>(control)) {
        return label->text().toLocal8Bit().toStdString();
    }
    return {};
}

void DialogWindow::SetItemText(int id, std::string_view text) {
    const QString value = QString::fromLocal8Bit(text.data(), static_cast<qsizetype>(text.size()));
    QWidget* control = FindControl(id);
    if (auto* edit = qobject_cast<QLineEdit*>(control)) {
        edit->setText(value);
        edit->setCursorPosition(0);
    } else if (auto* label = qobject_cast<QLabel*>(control)) {
        label->setText(value);
    }
}

void DialogWindow::EndDialog(int result) {
    if (m_running) {
        done(result);
    } else {
        m_endedEarly = result;
    }
}

void DialogWindow::Forward(unsigned id) {
    if (m_dialog != nullptr) {
        m_dialog->OnCommand(id);
    }
}

// The core decides what Cancel and OK do; the window never closes by itself.
void DialogWindow::reject() {
    Forward(kIdCancel);
}
void DialogWindow::accept() {
    Forward(kIdOk);
}

QLabel* DialogWindow::AddLabel(QWidget* parent, const QString& text, const QRect& box,
                               Qt::Alignment align) {
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(align);
    QRect fitted = box;
    const QSize needed = label->sizeHint();
    if (needed.width() > fitted.width()) {
        if (align & Qt::AlignHCenter) {
            fitted.adjust(-(needed.width() - fitted.width() + 1) / 2, 0, 0, 0);
        }
        fitted.setWidth(needed.width());
    }
    fitted.setHeight(std::max(fitted.height(), needed.height()));
    label->setGeometry(fitted);
    return label;
}

QPushButton* DialogWindow::AddButton(QWidget* parent, int id, const QString& text,
                                     const DialogUnits& units, const QRect& dialogRect) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(ControlName(id));
    button->setGeometry(
        units.Rect(dialogRect.x(), dialogRect.y(), dialogRect.width(), dialogRect.height()));
    connect(button, &QPushButton::clicked, this, [this, id] { Forward(id); });
    return button;
}

}  // namespace velmora::qt
