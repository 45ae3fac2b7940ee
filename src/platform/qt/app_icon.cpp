// Loads the icon pictures compiled into the program.
#include "platform/qt/app_icon.h"

namespace velmora::qt {

QIcon AppIcon() {
    QIcon icon;
    for (const char* size : {"16", "32", "256"}) {
        icon.addFile(QStringLiteral(":/icons/velmora-%1.png").arg(QLatin1String(size)));
    }
    return icon;
}

}  // namespace velmora::qt
