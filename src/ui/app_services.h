// Everything the windows of the core need from a front end.
#pragma once

#include "launch/launch_game.h"
#include "settings/settings_registry.h"
#include "ui/dialog.h"
#include "ui/file_picker.h"

namespace velmora {

struct AppServices {
    DialogRunner& dialogs;
    FilePicker& picker;
    SettingsRegistry& settings;
    LaunchServices launch;  // its message box serves the windows as well
};

}  // namespace velmora
