// A modal box with one OK button, owned by the main window.
#pragma once

#include <string_view>

namespace velmora {

enum class MessageIcon { Exclamation, Stop };

class MessageBoxService {
public:
    virtual ~MessageBoxService() = default;
    virtual void Show(std::string_view text, MessageIcon icon) = 0;
};

}  // namespace velmora
