// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ScaledFont.h"

#include <QFontMetricsF>

namespace {

constexpr int kReferencePixels = 1000;

QFont ReferenceFontFor(const PrintFont& font)
{
    QFont reference(font.face);
    reference.setPixelSize(kReferencePixels);
    reference.setWeight(font.bold ? QFont::Bold : QFont::Normal);
    reference.setItalic(false);
    reference.setUnderline(false);
    reference.setStrikeOut(false);
    return reference;
}

} // namespace

ScaledFont::ScaledFont(const PrintFont& font)
    : m_font(ReferenceFontFor(font))
{
    const QFontMetricsF metrics(m_font);
    m_scale = font.cellHeight / (metrics.ascent() + metrics.descent());
}

QSizeF ScaledFont::Extent(const QString& text) const
{
    const QFontMetricsF metrics(m_font);
    return QSizeF(metrics.horizontalAdvance(text), metrics.ascent() + metrics.descent()) * m_scale;
}
