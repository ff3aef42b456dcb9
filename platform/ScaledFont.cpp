#include "platform/ScaledFont.h"

#include <QFontMetricsF>

namespace {

constexpr int kReferencePixels = 1000;
// What a height of 0 (the device's default size) stands for.
constexpr int kDefaultCellHeight = 12;

QFont ReferenceFontFor(const LOGFONT& logFont)
{
    QFont font(logFont.lfFaceName);
    font.setPixelSize(kReferencePixels);
    font.setWeight(static_cast<QFont::Weight>(qBound(1, logFont.lfWeight == 0 ? 400 : logFont.lfWeight, 1000)));
    font.setItalic(logFont.lfItalic != 0);
    font.setUnderline(logFont.lfUnderline != 0);
    font.setStrikeOut(logFont.lfStrikeOut != 0);
    return font;
}

} // namespace

ScaledFont::ScaledFont(const LOGFONT& logFont)
    : m_font(ReferenceFontFor(logFont))
{
    const QFontMetricsF metrics(m_font);
    // A positive height is the cell (ascent plus descent), a negative one the em.
    if (logFont.lfHeight < 0)
        m_scale = -logFont.lfHeight / double(kReferencePixels);
    else
        m_scale = (logFont.lfHeight == 0 ? kDefaultCellHeight : logFont.lfHeight)
                  / (metrics.ascent() + metrics.descent());
}

QSizeF ScaledFont::Extent(const QString& text) const
{
    const QFontMetricsF metrics(m_font);
    return QSizeF(metrics.horizontalAdvance(text), metrics.ascent() + metrics.descent()) * m_scale;
}
