// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QRect>

// Converts dialog units to pixels for a dialog font: a horizontal unit is a
// quarter of the font's average character width, a vertical unit an eighth
// of its height, so a dialog keeps the proportions of its template whatever
// font the system provides.
class DialogUnits {
public:
    explicit DialogUnits(const QFont& font);

    QRect ToPixels(const QRect& rectDu) const;
    QSize ToPixels(const QSize& sizeDu) const;

private:
    int X(int du) const;
    int Y(int du) const;

    double m_averageCharWidth;
    double m_charHeight;
};
