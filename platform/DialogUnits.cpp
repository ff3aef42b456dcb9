// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/DialogUnits.h"

#include <QFontMetricsF>
#include <cmath>

namespace {

const QString kAlphabet = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");

}  // namespace

DialogUnits::DialogUnits(const QFont& font)
{
    const QFontMetricsF metrics(font);
    m_averageCharWidth = metrics.horizontalAdvance(kAlphabet) / kAlphabet.size();
    m_charHeight = metrics.height();
}

QRect DialogUnits::ToPixels(const QRect& rectDu) const
{
    const int left = X(rectDu.x());
    const int top = Y(rectDu.y());
    return QRect(left, top, X(rectDu.x() + rectDu.width()) - left, Y(rectDu.y() + rectDu.height()) - top);
}

QSize DialogUnits::ToPixels(const QSize& sizeDu) const
{
    return QSize(X(sizeDu.width()), Y(sizeDu.height()));
}

int DialogUnits::X(int du) const
{
    return static_cast<int>(std::lround(du * m_averageCharWidth / 4.0));
}

int DialogUnits::Y(int du) const
{
    return static_cast<int>(std::lround(du * m_charHeight / 8.0));
}
