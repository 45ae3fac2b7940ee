// The table from control ids to their names.
#include "platform/qt/control_names.h"

#include "res/resource.h"
#include "ui/dialog.h"

namespace velmora::qt {

QString ControlName(int id) {
    switch (id) {
        case kIdOk:
            return QStringLiteral("IDOK");
        case kIdCancel:
            return QStringLiteral("IDCANCEL");
        case IDC_ROMLIST:
            return QStringLiteral("IDC_ROMLIST");
        case IDC_MAMEPATH:
            return QStringLiteral("IDC_MAMEPATH");
        case IDC_ROMPATH:
            return QStringLiteral("IDC_ROMPATH");
        case IDC_MAMEOPTIONS:
            return QStringLiteral("IDC_MAMEOPTIONS");
        case IDC_BROWSE_MAME:
            return QStringLiteral("IDC_BROWSE_MAME");
        case IDC_BROWSE_ROMS:
            return QStringLiteral("IDC_BROWSE_ROMS");
        case IDC_OUTPUT:
            return QStringLiteral("IDC_OUTPUT");
        case IDC_VERSION:
            return QStringLiteral("IDC_VERSION");
        case ID_FILE_SETUPPATHS:
            return QStringLiteral("ID_FILE_SETUPPATHS");
        case ID_FILE_EXIT:
            return QStringLiteral("ID_FILE_EXIT");
        case ID_HELP_ABOUT:
            return QStringLiteral("ID_HELP_ABOUT");
        default:
            return {};
    }
}

}  // namespace velmora::qt
