// The Qt object name of each control id: the id's own name, so tests and tools can find it.
#pragma once

#include <QString>

namespace velmora::qt {

// The name for id, or an empty string for an id that no template uses.
QString ControlName(int id);

}  // namespace velmora::qt
