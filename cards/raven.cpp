// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "cards/raven.h"

#include <QPainter>

namespace raven {

QPainterPath outline(const QRectF& box)
{
    // Drawn on a 100 x 100 grid: a perched raven with a heavy beak and a
    // long wedge tail, the mark of Corvane.
    QPainterPath p;
    p.moveTo(92, 30);            // beak tip
    p.cubicTo(84, 26, 78, 22, 72, 22);
    p.cubicTo(66, 16, 56, 16, 52, 24);  // crown
    p.cubicTo(46, 30, 40, 34, 30, 38);  // back
    p.cubicTo(20, 42, 12, 50, 4, 66);   // tail top
    p.lineTo(8, 70);
    p.lineTo(22, 62);
    p.cubicTo(30, 66, 40, 70, 50, 68);  // belly
    p.lineTo(50, 82);                   // leg
    p.lineTo(44, 88);
    p.lineTo(58, 88);
    p.lineTo(55, 82);
    p.lineTo(56, 66);
    p.cubicTo(66, 60, 70, 48, 70, 38);  // breast
    p.cubicTo(74, 34, 82, 33, 92, 30);  // throat back to the beak
    p.closeSubpath();
    QTransform t;
    t.translate(box.left(), box.top());
    t.scale(box.width() / 100.0, box.height() / 100.0);
    return t.map(p);
}

QPainterPath eye(const QRectF& box, qreal radius)
{
    // where the grid puts the raven's head
    QPainterPath p;
    p.addEllipse(QPointF(box.left() + box.width() * 0.70, box.top() + box.height() * 0.23), radius, radius);
    return p;
}

void draw(QPainter& painter, const QRectF& box, const QColor& body, const QColor& eyeColour, qreal eyeRadius)
{
    painter.setBrush(body);
    painter.drawPath(outline(box));
    painter.setBrush(eyeColour);
    painter.drawPath(eye(box, eyeRadius));
}

} // namespace raven
