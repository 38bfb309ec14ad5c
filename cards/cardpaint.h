// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the parts of the card artwork share, inside cards/ only: the card's
// size, the suits' colours and pips, the blank card, the two ends of a card
// and the court figures the faces call on. The public interface is cardart.h.

#include <QColor>
#include <QPainter>
#include <QPointF>
#include <QSizeF>

namespace cardart {

// The size of a face and of most backs.
inline constexpr QSizeF kCardSize(71, 96);

// The colour a suit is printed in: red or black.
QColor suitColour(int suit);

// Painted pips keep their upright orientation in the upper half of a card and
// are turned upside down in the lower half, as on printed cards.
void drawPip(QPainter& painter, int suit, QPointF centre, qreal height, bool upsideDown);

// The white card with its grey rounded edge, `size` big.
inline void drawBlank(QPainter& painter, QSizeF size)
{
    painter.setPen(QPen(QColor(96, 96, 104), 1));
    painter.setBrush(Qt::white);
    painter.drawRoundedRect(QRectF(QPointF(0.5, 0.5), size - QSizeF(1, 1)), 4, 4);
}

// Runs `draw` once as it is and once turned half round the centre of the
// card: the two ends of a card read the same from either side of the table.
template <typename Draw>
void bothEnds(QPainter& painter, Draw draw)
{
    draw();
    painter.save();
    painter.translate(kCardSize.width(), kCardSize.height());
    painter.rotate(180);
    draw();
    painter.restore();
}

// The framed double-headed figure of a court card, rank 11 jack, 12 queen or
// 13 king (courts.cpp).
void drawCourt(QPainter& painter, int rank, int suit);

} // namespace cardart
