// SPDX-License-Identifier: GPL-3.0-or-later
#include "res/Icons.h"

#include "res/ResourceIds.h"

#include <QImage>
#include <gtest/gtest.h>

namespace {

constexpr int kPixels = 64;  // four pixels to a unit of the 16 × 16 design grid

QImage Render(int id)
{
    return RenderIcon(id, kPixels).toImage().convertToFormat(QImage::Format_ARGB32);
}

// The colour at a point of the design grid.
QColor At(const QImage& image, double x, double y)
{
    return image.pixelColor(static_cast<int>(x * kPixels / 16), static_cast<int>(y * kPixels / 16));
}

bool IsTransparent(const QColor& c) { return c.alpha() == 0; }
bool IsBlack(const QColor& c) { return c.alpha() == 255 && c.red() < 40 && c.green() < 40 && c.blue() < 40; }
bool IsWhite(const QColor& c) { return c.alpha() == 255 && c.red() > 230 && c.green() > 230 && c.blue() > 230; }
bool IsRed(const QColor& c) { return c.alpha() == 255 && c.red() > 150 && c.green() < 80 && c.blue() < 80; }
bool IsYellow(const QColor& c) { return c.alpha() == 255 && c.red() > 200 && c.green() > 160 && c.blue() < 100; }
bool IsDarkBlue(const QColor& c) { return c.alpha() == 255 && c.blue() > 80 && c.red() < 60 && c.green() < 80; }

}  // namespace

TEST(Icons, PilotNodeIsARoundelRedInsideYellowOutside)
{
    const QImage roundel = Render(IDI_PILOT);
    EXPECT_TRUE(IsRed(At(roundel, 8, 8)));
    EXPECT_TRUE(IsWhite(At(roundel, 8 + 3.6, 8)));
    EXPECT_TRUE(IsDarkBlue(At(roundel, 8 + 5.4, 8)));
    EXPECT_TRUE(IsYellow(At(roundel, 8, 8 + 6.8)));
    EXPECT_TRUE(IsTransparent(At(roundel, 0.5, 0.5)));
}

TEST(Icons, HeatNodeIsAWhiteBarWithABlackOutline)
{
    const QImage bar = Render(IDI_HEAT);
    EXPECT_TRUE(IsWhite(At(bar, 8, 8)));
    EXPECT_TRUE(IsBlack(At(bar, 8, 5.5)));
    EXPECT_TRUE(IsBlack(At(bar, 1.5, 8)));
    EXPECT_TRUE(IsTransparent(At(bar, 8, 2)));
    EXPECT_TRUE(IsTransparent(At(bar, 8, 14)));
}

TEST(Icons, SelectedNodeIsABlackFivePointedStar)
{
    const QImage star = Render(IDI_SELECTED);
    EXPECT_TRUE(IsBlack(At(star, 8, 8.6)));
    EXPECT_TRUE(IsBlack(At(star, 8, 3)));  // the top point
    // Between the top point and its neighbours the ground shows.
    EXPECT_TRUE(IsTransparent(At(star, 4, 3)));
    EXPECT_TRUE(IsTransparent(At(star, 12, 3)));
    EXPECT_TRUE(IsTransparent(At(star, 8, 15.5)));
}

TEST(Icons, ApplicationIconIsItsOwnPicture)
{
    const QImage application = Render(IDR_MAINFRAME);
    EXPECT_FALSE(IsTransparent(At(application, 8, 8)));
    for (int other : {IDI_PILOT, IDI_HEAT, IDI_SELECTED})
        EXPECT_NE(application, Render(other)) << other;
    EXPECT_FALSE(LoadIcon(IDR_MAINFRAME).isNull());
}
