// The application icon: the joystick pictures in all their sizes.
#pragma once

#include <QIcon>

namespace velmora::qt {

QIcon AppIcon();

}  // namespace velmora::qt
