// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The four suit symbols, the colours they are printed in and the pips drawn
// from them.

#include "cards/cardart.h"
#include "cards/cardpaint.h"

#include "cards/cards.h"

#include <QPainterPath>
#include <QTransform>

namespace cardart {

namespace {

const QColor kRed(196, 18, 36);
const QColor kBlack(22, 22, 26);

// The suit symbols, each drawn on a unit square centred on the origin.

QPainterPath unitSuit(int suit)
{
    QPainterPath p;
    switch (suit) {
    case cards::Spades:
        p.moveTo(0, -0.5);
        p.cubicTo(0.08, -0.32, 0.46, -0.14, 0.46, 0.1);
        p.cubicTo(0.46, 0.26, 0.35, 0.34, 0.24, 0.34);
        p.cubicTo(0.14, 0.34, 0.07, 0.29, 0.04, 0.21);
        p.cubicTo(0.05, 0.34, 0.1, 0.44, 0.2, 0.5);
        p.lineTo(-0.2, 0.5);
        p.cubicTo(-0.1, 0.44, -0.05, 0.34, -0.04, 0.21);
        p.cubicTo(-0.07, 0.29, -0.14, 0.34, -0.24, 0.34);
        p.cubicTo(-0.35, 0.34, -0.46, 0.26, -0.46, 0.1);
        p.cubicTo(-0.46, -0.14, -0.08, -0.32, 0, -0.5);
        break;
    case cards::Hearts:
        p.moveTo(0, 0.5);
        p.cubicTo(-0.08, 0.36, -0.5, 0.12, -0.5, -0.2);
        p.cubicTo(-0.5, -0.38, -0.38, -0.5, -0.25, -0.5);
        p.cubicTo(-0.12, -0.5, -0.03, -0.42, 0, -0.3);
        p.cubicTo(0.03, -0.42, 0.12, -0.5, 0.25, -0.5);
        p.cubicTo(0.38, -0.5, 0.5, -0.38, 0.5, -0.2);
        p.cubicTo(0.5, 0.12, 0.08, 0.36, 0, 0.5);
        break;
    case cards::Diamonds:
        p.moveTo(0, -0.5);
        p.quadTo(0.17, -0.21, 0.39, 0);
        p.quadTo(0.17, 0.21, 0, 0.5);
        p.quadTo(-0.17, 0.21, -0.39, 0);
        p.quadTo(-0.17, -0.21, 0, -0.5);
        break;
    case cards::Clubs: {
        p.addEllipse(QPointF(0, -0.27), 0.22, 0.22);
        p.addEllipse(QPointF(-0.26, 0.07), 0.22, 0.22);
        p.addEllipse(QPointF(0.26, 0.07), 0.22, 0.22);
        p.addEllipse(QPointF(0, 0.02), 0.12, 0.12);
        // Overlapping parts, all turning clockwise, so a winding fill joins
        // them; a boolean union would flatten the curves into polygons.
        p.setFillRule(Qt::WindingFill);
        p.moveTo(-0.05, 0.0);
        p.lineTo(0.05, 0.0);
        p.cubicTo(0.06, 0.3, 0.1, 0.42, 0.2, 0.5);
        p.lineTo(-0.2, 0.5);
        p.cubicTo(-0.1, 0.42, -0.06, 0.3, -0.05, 0.0);
        p.closeSubpath();
        break;
    }
    default:
        break;
    }
    return p;
}

} // namespace

QColor suitColour(int suit)
{
    return cards::isRed(suit) ? kRed : kBlack;
}

QPainterPath suitSymbol(int suit, QPointF centre, qreal height)
{
    QTransform t;
    t.translate(centre.x(), centre.y());
    t.scale(height, height);
    return t.map(unitSuit(suit));
}

void drawPip(QPainter& painter, int suit, QPointF centre, qreal height, bool upsideDown)
{
    painter.save();
    painter.translate(centre);
    if (upsideDown)
        painter.rotate(180);
    painter.setPen(Qt::NoPen);
    painter.setBrush(suitColour(suit));
    painter.drawPath(suitSymbol(suit, QPointF(0, 0), height));
    painter.restore();
}

} // namespace cardart
