// SPDX-License-Identifier: GPL-3.0-or-later
#include "res/Icons.h"

#include "res/ResourceIds.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>

namespace {

constexpr int kIconSizes[] = {16, 24, 32, 48, 64, 128, 256};
constexpr double kDesignUnits = 16.0;  // every icon is drawn on a 16 × 16 grid

void DrawRoundel(QPainter& painter, QPointF centre, double radius)
{
    const struct {
        double share;
        QColor colour;
    } rings[] = {{1.0, QColor(250, 204, 21)}, {0.82, QColor(20, 40, 120)}, {0.6, Qt::white}, {0.36, QColor(200, 20, 30)}};
    painter.setPen(Qt::NoPen);
    for (const auto& ring : rings) {
        painter.setBrush(ring.colour);
        painter.drawEllipse(centre, radius * ring.share, radius * ring.share);
    }
}

void DrawHeatBar(QPainter& painter)
{
    painter.setPen(QPen(Qt::black, 1.0));
    painter.setBrush(Qt::white);
    painter.drawRect(QRectF(1.5, 5.5, 13, 5));
}

void DrawStar(QPainter& painter)
{
    QPainterPath star;
    const QPointF centre(8, 8.6);
    for (int point = 0; point < 10; ++point) {
        const double radius = point % 2 == 0 ? 7.6 : 3.0;
        const double angle = -M_PI / 2 + point * M_PI / 5;
        const QPointF corner = centre + QPointF(radius * std::cos(angle), radius * std::sin(angle));
        point == 0 ? star.moveTo(corner) : star.lineTo(corner);
    }
    star.closeSubpath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    painter.drawPath(star);
}

// The application icon: a heat card on a blue ground with the pilot roundel.
void DrawApplicationIcon(QPainter& painter)
{
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(20, 40, 120));
    painter.drawRoundedRect(QRectF(0.5, 0.5, 15, 15), 3, 3);
    painter.setBrush(Qt::white);
    for (int row = 0; row < 3; ++row)
        painter.drawRect(QRectF(2.5, 6.5 + row * 2.8, 11, 1.6));
    DrawRoundel(painter, QPointF(5.2, 3.6), 2.6);
}

void DrawIcon(int id, QPainter& painter)
{
    switch (id) {
    case IDR_MAINFRAME:
        DrawApplicationIcon(painter);
        break;
    case IDI_PILOT:
        DrawRoundel(painter, QPointF(8, 8), 7.5);
        break;
    case IDI_HEAT:
        DrawHeatBar(painter);
        break;
    case IDI_SELECTED:
        DrawStar(painter);
        break;
    default:
        break;
    }
}

}  // namespace

QPixmap RenderIcon(int id, int pixels)
{
    QPixmap pixmap(pixels, pixels);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(pixels / kDesignUnits, pixels / kDesignUnits);
    DrawIcon(id, painter);
    return pixmap;
}

QIcon LoadIcon(int id)
{
    QIcon icon;
    for (int pixels : kIconSizes)
        icon.addPixmap(RenderIcon(id, pixels));
    return icon;
}
