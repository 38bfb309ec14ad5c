// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The court cards' figures: a king, a queen and a jack in a frame, drawn
// double-headed. Each half is drawn on a grid with x = 0 on the centre line
// and y = 0 at the top of the frame.

#include "cards/cardpaint.h"

#include "cards/cards.h"

#include <QPainterPath>
#include <array>
#include <utility>

namespace cardart {

namespace {

const QColor kInk(24, 20, 28);  // outline of the court figures
const QColor kCourtRed(208, 40, 44);
const QColor kCourtBlue(36, 72, 168);
const QColor kCourtYellow(244, 192, 48);
const QColor kSkin(255, 236, 218);

constexpr QRectF kFrame(13.5, 8.5, 44, 79);

struct Court {
    int rank;
    int suit;
    QColor left, right;  // the two halves of the robe
    qreal side;          // 1 when the figure holds its emblem on the right, -1 on the left
};

void outlined(QPainter& painter, const QPainterPath& path, const QColor& fill, qreal width = 0.55)
{
    painter.setPen(QPen(kInk, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(fill);
    painter.drawPath(path);
}

QPainterPath ellipse(QPointF centre, qreal rx, qreal ry)
{
    QPainterPath p;
    p.addEllipse(centre, rx, ry);
    return p;
}

// The head has its own grid, centred on the face and drawn larger than the
// body, so that the face still reads at card size.
template <typename Draw>
void onHead(QPainter& painter, Draw draw)
{
    painter.save();
    painter.translate(0, 17.5);
    painter.scale(1.3, 1.3);
    draw();
    painter.restore();
}

void drawRobe(QPainter& painter, const Court& c, bool lowNeck)
{
    QPainterPath robe;
    robe.moveTo(-6, 24.5);
    robe.cubicTo(-12, 25, -17, 26.5, -18.5, 30);
    robe.lineTo(-20, 40);
    robe.lineTo(20, 40);
    robe.lineTo(18.5, 30);
    robe.cubicTo(17, 26.5, 12, 25, 6, 24.5);
    robe.closeSubpath();
    outlined(painter, robe, c.left);
    painter.save();
    painter.setClipRect(QRectF(0, 0, 30, 45));
    outlined(painter, robe, c.right);
    painter.restore();

    // a trimmed front panel with a lozenge pattern
    QPainterPath panel;
    panel.addRect(QRectF(-4, 27.5, 8, 12.5));
    outlined(painter, panel, kCourtYellow);
    painter.setPen(QPen(kInk, 0.4));
    painter.setBrush(cards::isRed(c.suit) ? kCourtBlue : kCourtRed);
    for (qreal y = 30; y < 40; y += 4) {
        QPainterPath lozenge;
        lozenge.moveTo(0, y - 1.6);
        lozenge.lineTo(2.2, y);
        lozenge.lineTo(0, y + 1.6);
        lozenge.lineTo(-2.2, y);
        lozenge.closeSubpath();
        painter.drawPath(lozenge);
    }

    // a jewelled neckline for the queen; a white collar, ermine for the king
    QPainterPath collar;
    if (lowNeck) {
        outlined(painter, ellipse(QPointF(0, 25), 5.5, 3), kSkin);
        collar.moveTo(-7, 24.7);
        collar.cubicTo(-4, 29.5, 4, 29.5, 7, 24.7);
        collar.cubicTo(4, 26.5, -4, 26.5, -7, 24.7);
        outlined(painter, collar, kCourtYellow, 0.4);
    } else {
        collar.moveTo(-9, 25);
        collar.cubicTo(-6, 29, 6, 29, 9, 25);
        collar.cubicTo(6, 23, -6, 23, -9, 25);
        outlined(painter, collar, Qt::white);
        if (c.rank == 13) {
            painter.setPen(Qt::NoPen);
            painter.setBrush(kInk);
            for (qreal x : {-6.0, -2.0, 2.0, 6.0})
                painter.drawRect(QRectF(x - 0.3, 25.5, 0.6, 1.4));
        }
    }
}

// The sleeve of the arm that holds the emblem, ending in a cuff and the hand.
void drawArm(QPainter& painter, const Court& c, QPointF hand)
{
    const qreal s = c.side;
    QPainterPath sleeve;
    sleeve.moveTo(s * 21, 40);
    sleeve.cubicTo(s * 20, 36, hand.x() + s * 3, hand.y() + 3, hand.x() + s * 2.4, hand.y() + 1.6);
    sleeve.lineTo(hand.x() - s * 2.4, hand.y() + 1.6);
    sleeve.cubicTo(hand.x() - s * 1.5, hand.y() + 4, s * 14, 36, s * 14, 40);
    sleeve.closeSubpath();
    outlined(painter, sleeve, s > 0 ? c.left : c.right);
    QPainterPath cuff;
    cuff.addRoundedRect(QRectF(hand.x() - 2.6, hand.y() + 1, 5.2, 1.6), 0.6, 0.6);
    outlined(painter, cuff, Qt::white, 0.4);
    outlined(painter, ellipse(hand, 1.9, 1.6), kSkin);
}

void drawHead(QPainter& painter, bool feminine)
{
    outlined(painter, ellipse(QPointF(0, 0), 4.5, 5.6), kSkin);
    painter.setPen(QPen(kInk, 0.45, Qt::SolidLine, Qt::RoundCap));
    // brows, eyes and nose
    painter.drawLine(QPointF(-3, -2.5), QPointF(-1.1, -2.9));
    painter.drawLine(QPointF(3, -2.5), QPointF(1.1, -2.9));
    painter.setBrush(kInk);
    painter.drawEllipse(QPointF(-1.9, -1.1), 0.45, 0.35);
    painter.drawEllipse(QPointF(1.9, -1.1), 0.45, 0.35);
    painter.setBrush(Qt::NoBrush);
    QPainterPath nose;
    nose.moveTo(0.1, -1.2);
    nose.lineTo(0.6, 1.7);
    nose.lineTo(-0.4, 1.9);
    painter.drawPath(nose);
    painter.setPen(QPen(kCourtRed, feminine ? 0.8 : 0.6, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(-1, 3.6), QPointF(1, 3.6));
    if (feminine) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(240, 120, 120, 90));
        painter.drawEllipse(QPointF(-2.7, 1.5), 1.1, 0.8);
        painter.drawEllipse(QPointF(2.7, 1.5), 1.1, 0.8);
    }
}

QPainterPath crown(qreal top, qreal base, qreal halfWidth, int points)
{
    QPainterPath p;
    const qreal step = 2 * halfWidth / points;
    p.moveTo(-halfWidth, base);
    for (int i = 0; i < points; ++i) {
        const qreal x0 = -halfWidth + step * i;
        p.lineTo(x0 + step / 2, top);
        p.lineTo(x0 + step, i + 1 < points ? (top + base) / 2 + 0.6 : base - 2.5);
    }
    p.lineTo(halfWidth, base);
    p.closeSubpath();
    return p;
}

void drawKing(QPainter& painter, const Court& c)
{
    onHead(painter, [&] { outlined(painter, ellipse(QPointF(0, 0.5), 6.6, 7), kCourtYellow); });  // hair
    drawRobe(painter, c, false);
    onHead(painter, [&] {
        drawHead(painter, false);
        // moustache and forked beard
        QPainterPath beard;
        beard.moveTo(-4.3, 1.7);
        beard.cubicTo(-4, 5.5, -2.5, 9, -0.8, 11);
        beard.lineTo(0, 9.3);
        beard.lineTo(0.8, 11);
        beard.cubicTo(2.5, 9, 4, 5.5, 4.3, 1.7);
        beard.cubicTo(3, 3.5, 1.5, 3.1, 0, 2.7);
        beard.cubicTo(-1.5, 3.1, -3, 3.5, -4.3, 1.7);
        outlined(painter, beard, kCourtYellow);
        painter.setPen(QPen(kCourtRed, 0.6, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(QPointF(-0.9, 4.1), QPointF(0.9, 4.1));
        // crown with jewels
        outlined(painter, crown(-11, -5, 6.2, 3), kCourtYellow);
        QPainterPath band;
        band.addRect(QRectF(-6.6, -6.5, 13.2, 2.2));
        outlined(painter, band, kCourtYellow);
        painter.setPen(Qt::NoPen);
        painter.setBrush(kCourtRed);
        painter.drawEllipse(QPointF(0, -5.4), 0.9, 0.8);
        painter.setBrush(kCourtBlue);
        painter.drawEllipse(QPointF(-3.8, -5.4), 0.7, 0.7);
        painter.drawEllipse(QPointF(3.8, -5.4), 0.7, 0.7);
        for (qreal x : {-4.13, 0.0, 4.13})
            outlined(painter, ellipse(QPointF(x, -11.5), 0.75, 0.75), kCourtYellow, 0.4);
    });

    // a sword held upright
    const qreal s = c.side;
    QPainterPath blade;
    blade.moveTo(s * 15, 1.5);
    blade.lineTo(s * 16.3, 4);
    blade.lineTo(s * 16.3, 27);
    blade.lineTo(s * 13.7, 27);
    blade.lineTo(s * 13.7, 4);
    blade.closeSubpath();
    outlined(painter, blade, QColor(214, 220, 232));
    painter.setPen(QPen(QColor(150, 156, 170), 0.4));
    painter.drawLine(QPointF(s * 15, 4.5), QPointF(s * 15, 26.5));
    QPainterPath guard;
    guard.addRoundedRect(QRectF(s * 15 - 4, 27, 8, 1.8), 0.8, 0.8);
    outlined(painter, guard, kCourtYellow);
    drawArm(painter, c, QPointF(s * 15, 30.5));
}

void drawQueen(QPainter& painter, const Court& c)
{
    onHead(painter, [&] {
        // long hair falling to the shoulders
        QPainterPath hair;
        hair.moveTo(0, -8);
        hair.cubicTo(-5, -8, -8.5, -5, -9, 0);
        hair.cubicTo(-9.5, 4, -10, 7, -10.5, 9.5);
        hair.lineTo(10.5, 9.5);
        hair.cubicTo(10, 7, 9.5, 4, 9, 0);
        hair.cubicTo(8.5, -5, 5, -8, 0, -8);
        outlined(painter, hair, kCourtYellow);
        painter.setPen(QPen(kInk, 0.35));
        for (qreal s : {-1.0, 1.0})
            painter.drawLine(QPointF(s * 6.5, -3), QPointF(s * 8.5, 9));
    });
    drawRobe(painter, c, true);
    onHead(painter, [&] {
        drawHead(painter, true);
        // a tiara of five points
        outlined(painter, crown(-11.3, -5.5, 5.2, 5), kCourtYellow);
        painter.setPen(Qt::NoPen);
        painter.setBrush(kCourtRed);
        painter.drawEllipse(QPointF(0, -6.9), 0.8, 0.8);
    });

    // a rose held at the shoulder
    const qreal s = c.side;
    const QPointF hand(s * 13, 31);
    painter.setPen(QPen(QColor(40, 120, 50), 0.8, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(hand, QPointF(s * 16, 20));
    QPainterPath leaf;
    leaf.moveTo(s * 15, 25);
    leaf.quadTo(s * 18, 23, s * 19.5, 25.5);
    leaf.quadTo(s * 17, 27, s * 15, 25);
    outlined(painter, leaf, QColor(60, 150, 70), 0.4);
    outlined(painter, ellipse(QPointF(s * 16.2, 18.6), 2.8, 2.6), kCourtRed);
    painter.setPen(QPen(kInk, 0.35));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(QPointF(s * 16.2, 18.6), 1.3, 1.1);
    drawArm(painter, c, hand);
}

void drawJack(QPainter& painter, const Court& c)
{
    const qreal s = c.side;
    onHead(painter, [&] {
        // short curls beside the face
        for (qreal x : {-4.6, 4.6})
            for (qreal y : {-3.0, 0.0, 3.0})
                outlined(painter, ellipse(QPointF(x, y), 1.8, 1.8), kCourtYellow, 0.45);
    });
    drawRobe(painter, c, false);
    onHead(painter, [&] {
        drawHead(painter, false);
        // a cap with a brim and a feather sweeping away from the halberd
        QPainterPath feather;
        feather.moveTo(-s * 3, -7.5);
        feather.cubicTo(-s * 5, -11.5, -s * 7.5, -12.5, -s * 9.5, -12);
        feather.cubicTo(-s * 7.5, -10.5, -s * 5.5, -9, -s * 4.5, -6);
        feather.closeSubpath();
        outlined(painter, feather, kCourtBlue, 0.45);
        QPainterPath cap;
        cap.moveTo(-5.2, -5.5);
        cap.cubicTo(-5.5, -11, 5.5, -11, 5.2, -5.5);
        cap.closeSubpath();
        outlined(painter, cap, c.left == kCourtRed ? kCourtBlue : kCourtRed);
        QPainterPath brim;
        brim.addRoundedRect(QRectF(-7, -6.3, 14, 2.3), 1.1, 1.1);
        outlined(painter, brim, kCourtYellow);
    });

    // a halberd
    QPainterPath staff;
    staff.addRect(QRectF(s * 15 - 0.7, 2, 1.4, 38));
    outlined(painter, staff, QColor(150, 100, 50), 0.4);
    QPainterPath axe;
    axe.moveTo(s * 15, 0.5);
    axe.lineTo(s * 15.8, 4);
    axe.lineTo(s * 15.7, 5.2);
    axe.cubicTo(s * 18.5, 4, s * 20, 6, s * 20, 8.5);
    axe.cubicTo(s * 19, 10, s * 17.5, 10, s * 15.7, 9.6);
    axe.lineTo(s * 14.3, 9.6);
    axe.lineTo(s * 12, 8);
    axe.lineTo(s * 14.3, 6.5);
    axe.lineTo(s * 14.2, 4);
    axe.closeSubpath();
    outlined(painter, axe, QColor(214, 220, 232), 0.45);
    drawArm(painter, c, QPointF(s * 15, 30.5));
}

} // namespace

void drawCourt(QPainter& painter, int rank, int suit)
{
    static const std::array<std::pair<QColor, QColor>, 4> robes = {{
        {kCourtBlue, kCourtRed},
        {kCourtRed, kCourtBlue},
        {kCourtRed, kCourtYellow},
        {kCourtBlue, kCourtYellow},
    }};
    const Court c{rank, suit, robes[suit - 1].first, robes[suit - 1].second,
                  suit == cards::Spades || suit == cards::Diamonds ? 1.0 : -1.0};

    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(252, 248, 236));
    painter.drawRect(kFrame);
    const QPointF top(kFrame.center().x(), kFrame.top());
    const qreal halfHeight = kFrame.height() / 2;
    bothEnds(painter, [&] {
        painter.save();
        painter.setClipRect(QRectF(kFrame.left(), kFrame.top(), kFrame.width(), halfHeight));
        painter.translate(top);
        switch (rank) {
        case 11:
            drawJack(painter, c);
            break;
        case 12:
            drawQueen(painter, c);
            break;
        default:
            drawKing(painter, c);
            break;
        }
        painter.restore();
        // the suit in the free upper corner of the frame
        const qreal x = c.side > 0 ? kFrame.left() + 4.5 : kFrame.right() - 4.5;
        drawPip(painter, suit, QPointF(x, kFrame.top() + 5), 7, false);
    });
    painter.setPen(QPen(kInk, 0.5));
    painter.drawLine(QPointF(kFrame.left(), kFrame.center().y()), QPointF(kFrame.right(), kFrame.center().y()));
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(suitColour(suit), 0.8));
    painter.drawRect(kFrame);
}

} // namespace cardart
