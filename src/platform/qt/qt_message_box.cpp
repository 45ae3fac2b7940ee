// Owned by the window that is active, which stays blocked while the box is open.
#include "platform/qt/qt_message_box.h"

#include <QApplication>
#include <QFileInfo>
#include <QMessageBox>

namespace velmora::qt {

void QtMessageBox::Show(std::string_view text, MessageIcon icon) {
    QWidget* owner = QApplication::activeModalWidget();
    if (owner == nullptr) {
        owner = QApplication::activeWindow();
    }
    const QString caption = QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
    QMessageBox box(icon == MessageIcon::Stop ? QMessageBox::Critical : QMessageBox::Warning,
                    caption,
                    QString::fromLocal8Bit(text.data(), static_cast<qsizetype>(text.size())),
                    QMessageBox::Ok, owner);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

}  // namespace velmora::qt
