// Wires the Qt and POSIX services into the core's bundle.
#include "platform/qt/qt_services.h"

namespace velmora::qt {

QtServices::QtServices()
    : m_app{
          m_dialogs, m_picker, m_settings,
          LaunchServices{m_dialect, m_codePage, m_scriptFile, m_processes, m_messageBox, m_host}} {}

}  // namespace velmora::qt
