// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "bingo/bingoart.h"

#include "toolkit/fonts.h"

#include <QCoreApplication>
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

// The player's card as the screen lays it out, in pixels at 100 %.
void drawCard(QPainter& painter, const std::array<bool, bingo::kCardCells>& marked)
{
    const QRectF card(0, 0, 2655 / 15.0, 2895 / 15.0);
    painter.fillRect(card, QColor(128, 255, 255));
    painter.setPen(QPen(QColor(128, 128, 128), 1));
    painter.drawRect(card.adjusted(0.5, 0.5, -0.5, -0.5));
    constexpr double kPitch = 480 / 15.0;
    constexpr double kCell = 375 / 15.0;
    painter.setPen(Qt::black);
    QFont letters = fonts::font(QStringLiteral("Wide Latin"), 14.25);
    painter.setFont(letters);
    for (int column = 0; column < 5; ++column)
        painter.drawText(QRectF(8 + kPitch * column - 4, 0, kCell + 8, kCell), Qt::AlignCenter,
                         bingo::columnLetter(column));
    painter.setFont(fonts::font(QStringLiteral("Courier New"), 11.25, fonts::Bold));
    for (int cell = 1; cell <= bingo::kCardCells; ++cell) {
        const QRectF r(8 + kPitch * ((cell - 1) % 5), 32 + kPitch * ((cell - 1) / 5), kCell, kCell);
        if (marked[std::size_t(cell - 1)])
            painter.fillRect(r, QColor(255, 255, 0));
        painter.setPen(QPen(Qt::black, 1));
        painter.drawRect(r.adjusted(0.5, 0.5, -0.5, -0.5));
        if (cell == bingo::kCentre)
            painter.drawText(r, Qt::AlignCenter, bingo::freeSpaceCaption());
    }
}

} // namespace

Picture card(const QString& key, const std::array<bool, bingo::kCardCells>& marked, const QString& description)
{
    return Picture(key, QSize(89, 97), [marked](QPainter& painter) {
        painter.scale(0.5, 0.5);
        drawCard(painter, marked);
    }, description);
}

Picture ball()
{
    return Picture(QStringLiteral("bingo-ball"), QSize(150, 150), drawBall,
                   QCoreApplication::translate("bingoart", "Bingo ball"));
}

} // namespace bingoart
