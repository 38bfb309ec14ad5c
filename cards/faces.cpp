// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The 52 faces: the index in two corners, the pips of 2 to 10, the large
// aces; the court figures come from courts.cpp.

#include "cards/cardart.h"
#include "cards/cardpaint.h"

#include "cards/cards.h"
#include "cards/raven.h"

#include <QCoreApplication>
#include <QFont>
#include <QPainterPath>
#include <cmath>
#include <numbers>
#include <vector>

namespace cardart {

namespace {

QString rankText(int rank)
{
    switch (rank) {
    case 1:
        //: The ace's letter in the corners of its card: one letter.
        return QCoreApplication::translate("cardart", "A");
    case 11:
        //: The jack's letter in the corners of its card: one letter.
        return QCoreApplication::translate("cardart", "J");
    case 12:
        //: The queen's letter in the corners of its card: one letter.
        return QCoreApplication::translate("cardart", "Q");
    case 13:
        //: The king's letter in the corners of its card: one letter.
        return QCoreApplication::translate("cardart", "K");
    default:
        return QString::number(rank);
    }
}

void drawIndex(QPainter& painter, int rank, int suit)
{
    QFont font;
    font.setFamilies({QStringLiteral("DejaVu Serif"), QStringLiteral("Liberation Serif")});
    font.setBold(true);
    font.setPixelSize(12);
    if (rank == 10) {
        // two figures in the width of one, as printed indices do
        font.setStretch(QFont::ExtraCondensed);
        font.setLetterSpacing(QFont::AbsoluteSpacing, -1.2);
    }
    bothEnds(painter, [&] {
        painter.setFont(font);
        painter.setPen(suitColour(suit));
        painter.drawText(QRectF(0, 2, 13, 13), Qt::AlignHCenter | Qt::AlignTop, rankText(rank));
        drawPip(painter, suit, QPointF(6.5, 20), 8, false);
    });
}

void drawPips(QPainter& painter, int rank, int suit)
{
    // Columns and rows of the classic pip layouts; rows are fractions of the
    // height between the top and bottom pips.
    constexpr qreal left = 23, centre = 35.5, right = 48, top = 17, bottom = 79;
    struct Pip {
        qreal x, row;
    };
    std::vector<Pip> pips;
    auto pair = [&](qreal row) {
        pips.push_back({left, row});
        pips.push_back({right, row});
    };
    switch (rank) {
    case 2:
        pips = {{centre, 0}, {centre, 1}};
        break;
    case 3:
        pips = {{centre, 0}, {centre, 0.5}, {centre, 1}};
        break;
    case 4:
        pair(0), pair(1);
        break;
    case 5:
        pair(0), pair(1), pips.push_back({centre, 0.5});
        break;
    case 6:
        pair(0), pair(0.5), pair(1);
        break;
    case 7:
        pair(0), pair(0.5), pair(1), pips.push_back({centre, 0.25});
        break;
    case 8:
        pair(0), pair(0.5), pair(1), pips.push_back({centre, 0.25}), pips.push_back({centre, 0.75});
        break;
    case 9:
        pair(0), pair(1.0 / 3), pair(2.0 / 3), pair(1), pips.push_back({centre, 0.5});
        break;
    case 10:
        pair(0), pair(1.0 / 3), pair(2.0 / 3), pair(1);
        pips.push_back({centre, 1.0 / 6}), pips.push_back({centre, 5.0 / 6});
        break;
    default:
        break;
    }
    for (const Pip& pip : pips)
        drawPip(painter, suit, QPointF(pip.x, top + pip.row * (bottom - top)), 13, pip.row > 0.5);
}

void drawAce(QPainter& painter, int suit)
{
    const QPointF middle(kCardSize.width() / 2, kCardSize.height() / 2);
    const QColor ink = suitColour(suit);
    // The ace of spades carries the maker's mark, so it is the largest.
    const bool spades = suit == cards::Spades;
    const qreal height = spades ? 46 : 30;
    const QPainterPath pip = suitSymbol(suit, middle, height);

    painter.setPen(QPen(ink, 0.7));
    painter.setBrush(Qt::NoBrush);
    const qreal ring = spades ? 28 : 20;
    painter.drawEllipse(middle, ring - 1.5, ring - 1.5);
    painter.setPen(QPen(ink, 0.35));
    painter.drawEllipse(middle, ring - 3, ring - 3);
    // small beads around the ring
    painter.setPen(Qt::NoPen);
    painter.setBrush(ink);
    for (int i = 0; i < 16; ++i) {
        const qreal a = i * std::numbers::pi / 8 + std::numbers::pi / 16;
        painter.drawEllipse(middle + QPointF(std::cos(a), std::sin(a)) * (ring - 1.5), 0.9, 0.9);
    }

    painter.setBrush(ink);
    painter.drawPath(pip);
    // an inlaid white line following the outline: a smaller white copy under
    // a smaller ink one
    painter.setBrush(Qt::white);
    painter.drawPath(suitSymbol(suit, middle, height * 0.86));
    painter.setBrush(ink);
    painter.drawPath(suitSymbol(suit, middle, height * (spades ? 0.82 : 0.8)));
    if (spades) {
        const QRectF box(middle.x() - 10, middle.y() - 10, 20, 17);
        painter.setPen(Qt::NoPen);
        painter.setBrush(Qt::white);
        painter.drawPath(raven::outline(box));
        painter.setBrush(ink);  // the raven's eye, black as the spade
        painter.drawEllipse(QPointF(box.left() + box.width() * 0.70, box.top() + box.height() * 0.23), 0.6, 0.6);
    }
}

void drawFace(QPainter& painter, int n)
{
    const int rank = cards::rankOfFace(n);
    const int suit = cards::suitOfFace(n);
    drawBlank(painter, kCardSize);
    if (rank == 1)
        drawAce(painter, suit);
    else if (rank >= 11)
        drawCourt(painter, rank, suit);
    else
        drawPips(painter, rank, suit);
    drawIndex(painter, rank, suit);
}

} // namespace

Picture face(int n)
{
    if (cards::rankOfFace(n) == 0)
        return {};
    return Picture(QStringLiteral("face %1").arg(n), kCardSize.toSize(), [n](QPainter& p) { drawFace(p, n); },
                   cards::faceName(n));
}

} // namespace cardart
