// Dialog units to pixels, from the metrics of the font the dialog uses.
#pragma once

#include <QFont>
#include <QRect>
#include <QSize>

namespace velmora::qt {

// A horizontal unit is a quarter of the font's average character width and a vertical unit
// an eighth of its height, so the templates keep their proportions with any font.
class DialogUnits {
public:
    explicit DialogUnits(const QFont& font);
    int X(int units) const { return (units * m_charWidth + 2) / 4; }
    int Y(int units) const { return (units * m_charHeight + 4) / 8; }
    QRect Rect(int x, int y, int width, int height) const {
        return QRect(X(x), Y(y), X(width), Y(height));
    }
    QSize Size(int width, int height) const { return QSize(X(width), Y(height)); }

private:
    int m_charWidth;
    int m_charHeight;
};

}  // namespace velmora::qt
