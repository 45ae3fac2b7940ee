// The base units of a font, measured as the classic dialog manager measures them.
#include "platform/qt/dialog_units.h"

#include <QFontMetrics>

namespace velmora::qt {

DialogUnits::DialogUnits(const QFont& font) {
    const QFontMetrics metrics(font);
    // The average over the 52 letters, rounded, rather than the font's own figure, which
    // some fonts inflate with wide glyphs that dialog texts rarely use.
    static const QString letters =
        QStringLiteral("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ");
    m_charWidth = (metrics.horizontalAdvance(letters) / 26 + 1) / 2;
    m_charHeight = metrics.height();
}

}  // namespace velmora::qt
