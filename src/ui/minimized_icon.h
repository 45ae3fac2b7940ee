// Where the icon of a minimized window is drawn: centred in the client area.
#pragma once

namespace velmora {

struct IconOrigin {
    int x;
    int y;
};

// Integer division truncating toward zero, as the platform's own arithmetic does.
constexpr IconOrigin MinimizedIconOrigin(int clientLeft, int clientTop, int clientRight,
                                         int clientBottom, int iconWidth, int iconHeight) {
    return {(clientRight - clientLeft - iconWidth + 1) / 2,
            (clientBottom - clientTop - iconHeight + 1) / 2};
}

}  // namespace velmora
