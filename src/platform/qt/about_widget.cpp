// Laid out from the About template.
#include "platform/qt/about_widget.h"

#include <QLabel>
#include <QPushButton>

#include "platform/qt/app_icon.h"
#include "platform/qt/control_names.h"
#include "platform/qt/dialog_units.h"
#include "res/resource.h"
#include "res/string_texts.h"

namespace velmora::qt {

AboutWidget::AboutWidget(QWidget* owner) : DialogWindow(owner) {
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setWindowTitle(QStringLiteral("About Velmora"));
    const DialogUnits units(font());

    // The icon keeps its own size at the template's place.
    auto* icon = new QLabel(this);
    icon->setPixmap(AppIcon().pixmap(32, 32));
    icon->move(units.X(11), units.Y(17));
    icon->resize(32, 32);

    // Plain text, so an ampersand shows as itself.
    auto* version = new QLabel(this);
    version->setObjectName(ControlName(IDC_VERSION));
    version->setTextFormat(Qt::PlainText);
    version->setGeometry(units.Rect(40, 10, 186, 8));

    AddLabel(this, QStringLiteral(VELMORA_TEXT_ABOUT_NOTE), units.Rect(40, 25, 119, 8));

    QPushButton* ok = AddButton(this, kIdOk, QStringLiteral("OK"), units, {195, 34, 50, 14});
    ok->setDefault(true);
    ok->setFocus();
    setFixedSize(units.Size(252, 55));
}

}  // namespace velmora::qt
