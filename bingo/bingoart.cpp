// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "bingo/bingoart.h"

#include <QPainter>
#include <QRadialGradient>

namespace bingoart {

namespace {

// An ellipse of the colour that fades out towards its rim.
void glow(QPainter& painter, QPointF centre, qreal rx, qreal ry, const QColor& colour)
{
    QRadialGradient fade(centre, std::max(rx, ry));
    fade.setColorAt(0, colour);
    QColor clear = colour;
    clear.setAlpha(0);
    fade.setColorAt(1, clear);
    painter.setPen(Qt::NoPen);
    painter.setBrush(fade);
    painter.drawEllipse(centre, rx, ry);
}

void drawBall(QPainter& painter)
{
    painter.fillRect(QRectF(0, 0, 150, 150), Qt::white);
    // a soft shadow grounds the ball on the white
    glow(painter, QPointF(79, 142), 58, 7, QColor(0, 0, 0, 60));

    // light from the upper left: the focal point sits off centre
    const QRectF sphere(6, 4, 136, 136);
    QRadialGradient shade(sphere.center(), 68, QPointF(50, 40));
    shade.setColorAt(0, QColor(250, 250, 250));
    shade.setColorAt(0.35, QColor(205, 205, 208));
    shade.setColorAt(0.8, QColor(130, 130, 134));
    shade.setColorAt(1, QColor(80, 80, 84));
    painter.setBrush(shade);
    painter.setPen(QPen(QColor(70, 70, 74), 1.2));
    painter.drawEllipse(sphere);

    glow(painter, QPointF(46, 36), 22, 16, QColor(255, 255, 255, 235));
}

} // namespace

Picture ball()
{
    return Picture(QStringLiteral("bingo-ball"), QSize(150, 150), drawBall, QStringLiteral("Bingo ball"));
}

} // namespace bingoart
