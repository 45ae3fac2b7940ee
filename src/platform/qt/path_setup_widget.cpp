// Laid out from the path setup template; creation order is the template's tab order.
#include "platform/qt/path_setup_widget.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "platform/qt/control_names.h"
#include "platform/qt/dialog_units.h"
#include "res/resource.h"

namespace velmora::qt {
namespace {

void AddEdit(QWidget* parent, int id, const QRect& box) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(ControlName(id));
    edit->setGeometry(box);
}

}  // namespace

PathSetupWidget::PathSetupWidget(QWidget* owner) : DialogWindow(owner) {
    // No close box and above every other window, as the template asks.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowStaysOnTopHint);
    setWindowTitle(QStringLiteral("Velmora - Path Setup"));
    const DialogUnits units(font());

    QPushButton* ok = AddButton(this, kIdOk, QStringLiteral("OK"), units, {88, 133, 50, 14});
    AddButton(this, kIdCancel, QStringLiteral("Cancel"), units, {198, 133, 50, 14});
    AddLabel(this, QStringLiteral("Velmora Path Setup"), units.Rect(80, 22, 174, 11),
             Qt::AlignCenter);
    AddLabel(this, QStringLiteral("Mame Path:"), units.Rect(19, 57, 39, 8));
    AddLabel(this, QStringLiteral("Rom Path"), units.Rect(19, 81, 32, 8));
    AddLabel(this, QStringLiteral("Mame Options"), units.Rect(19, 105, 46, 8));
    AddEdit(this, IDC_MAMEPATH, units.Rect(76, 52, 181, 14));
    AddEdit(this, IDC_ROMPATH, units.Rect(76, 76, 181, 14));
    AddEdit(this, IDC_MAMEOPTIONS, units.Rect(76, 100, 241, 14));
    AddButton(this, IDC_BROWSE_MAME, QStringLiteral("Browse"), units, {267, 52, 50, 14});
    AddButton(this, IDC_BROWSE_ROMS, QStringLiteral("Browse"), units, {267, 76, 50, 14});

    ok->setDefault(true);
    ok->setFocus();
    setFixedSize(units.Size(335, 154));
}

}  // namespace velmora::qt
