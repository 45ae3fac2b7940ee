// Qt's own file dialog, so the pre-filled "Arcade Roms" can be confirmed without existing.
#include "platform/qt/qt_file_picker.h"

#include <QApplication>
#include <QFileDialog>

namespace velmora::qt {

std::optional<std::string> QtFilePicker::Pick(FilePickerKind kind) {
    QFileDialog dialog(QApplication::activeModalWidget());
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    if (kind == FilePickerKind::Emulator) {
        dialog.setFileMode(QFileDialog::ExistingFile);
        dialog.setNameFilters({QStringLiteral("Executables (*)"), QStringLiteral("All Files (*)")});
        dialog.selectFile(QStringLiteral("mame"));
    } else {
        dialog.setFileMode(QFileDialog::AnyFile);
        const QString zipped = QStringLiteral("Zipped ROM Images (*.zip)");
        dialog.setNameFilters({zipped, QStringLiteral("All Files (*)")});
        dialog.selectNameFilter(zipped);
        dialog.selectFile(QStringLiteral("Arcade Roms"));
    }
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    const QStringList files = dialog.selectedFiles();
    if (files.isEmpty()) {
        return std::nullopt;
    }
    return files.first().toLocal8Bit().toStdString();
}

}  // namespace velmora::qt
