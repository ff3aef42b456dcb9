// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/DrawingTypes.h"

#include <QFont>
#include <QSizeF>

// A font as it is drawn. Qt chooses whole pixel sizes, which would turn a
// cell height of 13 into 13.4 and widen every measured text with it; so the
// face is set up at a large reference size and scaled down when drawn and
// measured, and its cell comes out exactly as high as the height asked for.
class ScaledFont {
public:
    explicit ScaledFont(const PrintFont& font);

    const QFont& ReferenceFont() const { return m_font; }
    // Factor from the reference size to logical units.
    double Scale() const { return m_scale; }
    // The width of the text on one line and the cell height, in logical units.
    QSizeF Extent(const QString& text) const;

private:
    QFont m_font;
    double m_scale = 1.0;
};
