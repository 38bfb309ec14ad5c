#include "cards/cardart.h"

#include "cards/cards.h"
#include "cards/raven.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>
#include <array>
#include <cmath>
#include <numbers>
#include <vector>

namespace cardart {

namespace {

constexpr QSizeF kCardSize(71, 96);

const QColor kRed(196, 18, 36);
const QColor kBlack(22, 22, 26);
const QColor kInk(24, 20, 28);  // outline of the court figures
const QColor kCourtRed(208, 40, 44);
const QColor kCourtBlue(36, 72, 168);
const QColor kCourtYellow(244, 192, 48);
const QColor kSkin(255, 236, 218);

QColor suitColour(int suit)
{
    return cards::isRed(suit) ? kRed : kBlack;
}

// A fixed pseudo-random number in [0, 1) for a pattern cell: the backs look
// hand-made but are the same on every run.
double grain(int i, int j, int salt)
{
    quint32 h = quint32(i) * 73856093u ^ quint32(j) * 19349663u ^ quint32(salt) * 83492791u;
    h ^= h >> 13;
    h *= 0x5bd1e995u;
    h ^= h >> 15;
    return (h & 0xffffu) / 65536.0;
}

// --- Suit symbols: each drawn on a unit square centred on the origin.

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

// Painted pips keep their upright orientation in the upper half of a card and
// are turned upside down in the lower half, as on printed cards.
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

void drawBlank(QPainter& painter, QSizeF size)
{
    painter.setPen(QPen(QColor(96, 96, 104), 1));
    painter.setBrush(Qt::white);
    painter.drawRoundedRect(QRectF(QPointF(0.5, 0.5), size - QSizeF(1, 1)), 4, 4);
}

// --- Faces -------------------------------------------------------------------

QString rankText(int rank)
{
    switch (rank) {
    case 1:
        return QStringLiteral("A");
    case 11:
        return QStringLiteral("J");
    case 12:
        return QStringLiteral("Q");
    case 13:
        return QStringLiteral("K");
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
        painter.setBrush(kBlack);
        painter.drawEllipse(QPointF(box.left() + box.width() * 0.70, box.top() + box.height() * 0.23), 0.6, 0.6);
    }
}

// --- Court cards: a framed double-headed figure. Each half is drawn on a grid
// with x = 0 on the centre line and y = 0 at the top of the frame.

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

// --- Backs: a white margin around a patterned panel, like a printed back.

QSizeF backSizeOf(int design)
{
    return design == 2 ? QSizeF(72, 96) : kCardSize;
}

// Clips to the panel inside the margin, runs `pattern` with the panel's rect
// and draws the panel's border over it.
template <typename Pattern>
void drawBack(QPainter& painter, int design, const QColor& border, Pattern pattern)
{
    const QSizeF size = backSizeOf(design);
    drawBlank(painter, size);
    const QRectF panel = QRectF(QPointF(0, 0), size).adjusted(4, 4, -4, -4);
    QPainterPath shape;
    shape.addRoundedRect(panel, 2.5, 2.5);
    painter.save();
    painter.setClipPath(shape);
    pattern(panel);
    painter.restore();
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(border, 1));
    painter.drawPath(shape);
}

// Fills the panel with a colour ramp running from `from` to `to`.
void wash(QPainter& painter, const QRectF& panel, QPointF from, QPointF to, const QGradientStops& stops)
{
    QLinearGradient ramp(from, to);
    ramp.setStops(stops);
    painter.fillRect(panel, ramp);
}

// Mossgrave: weathered stones in running bond, moss in their seams and ivy
// climbing over them.
void drawMossgrave(QPainter& painter)
{
    drawBack(painter, 0, QColor(46, 78, 40), [&](const QRectF& panel) {
        painter.fillRect(panel, QColor(44, 66, 42));
        const qreal rowHeight = 8.5;
        int row = 0;
        for (qreal y = panel.top() - 2; y < panel.bottom(); y += rowHeight, ++row) {
            qreal x = panel.left() - (row % 2 ? 7 : 1);
            for (int col = 0; x < panel.right(); ++col) {
                const qreal w = 10 + 5 * grain(col, row, 1);
                const QRectF stone(x + 0.7, y + 0.7, w - 1.4, rowHeight - 1.4);
                const int shade = int(20 * grain(col, row, 2));
                QLinearGradient face(stone.topLeft(), stone.bottomRight());
                face.setColorAt(0, QColor(140 + shade, 146 + shade, 128 + shade));
                face.setColorAt(1, QColor(96 + shade, 104 + shade, 88 + shade));
                painter.setPen(QPen(QColor(30, 44, 30), 0.5));
                painter.setBrush(face);
                painter.drawRoundedRect(stone, 1.8, 1.8);
                // moss creeping over the stone's upper edge
                painter.setPen(Qt::NoPen);
                painter.setBrush(QColor(104, 150, 56, 200));
                const qreal mx = stone.left() + stone.width() * grain(col, row, 3);
                painter.drawEllipse(QPointF(mx, stone.top() + 0.8), 2.2 + 2 * grain(col, row, 4), 1.4);
                if (grain(col, row, 5) < 0.35) {
                    painter.setPen(QPen(QColor(60, 66, 56), 0.4));
                    painter.drawLine(QPointF(stone.left() + 2, stone.top() + 2.5),
                                     QPointF(stone.left() + 4.5, stone.bottom() - 1.5));
                }
                x += w;
            }
        }
        // two ivy stems winding up the wall
        for (int vine = 0; vine < 2; ++vine) {
            const qreal baseX = panel.left() + panel.width() * (vine ? 0.72 : 0.28);
            QPainterPath stem;
            stem.moveTo(baseX, panel.bottom() + 2);
            const int turns = 5;
            for (int i = 1; i <= turns; ++i) {
                const qreal y = panel.bottom() + 2 - (panel.height() + 4) * i / turns;
                const qreal sway = ((i + vine) % 2 ? 7 : -7);
                stem.quadTo(baseX + sway, y + panel.height() / turns / 2, baseX, y);
            }
            painter.setBrush(Qt::NoBrush);
            painter.setPen(QPen(QColor(70, 50, 30), 0.9));
            painter.drawPath(stem);
            for (int i = 1; i < 14; ++i) {
                const qreal t = i / 14.0;
                const QPointF at = stem.pointAtPercent(t);
                const qreal side = i % 2 ? 1 : -1;
                painter.save();
                painter.translate(at);
                painter.rotate(side * (50 + 20 * grain(i, vine, 6)));
                QPainterPath leaf;  // a three-lobed ivy leaf on a short stalk
                leaf.moveTo(0, 0);
                leaf.lineTo(0, -1.5);
                leaf.cubicTo(-2.2, -1.2, -3.6, -2.4, -2.4, -3.6);
                leaf.cubicTo(-2.8, -5, -1.2, -6.4, 0, -7.4);
                leaf.cubicTo(1.2, -6.4, 2.8, -5, 2.4, -3.6);
                leaf.cubicTo(3.6, -2.4, 2.2, -1.2, 0, -1.5);
                painter.setPen(QPen(QColor(18, 56, 20), 0.4));
                painter.setBrush(grain(i, vine, 7) < 0.5 ? QColor(46, 120, 44) : QColor(70, 146, 60));
                painter.drawPath(leaf);
                painter.setPen(QPen(QColor(150, 200, 120), 0.3));
                painter.drawLine(QPointF(0, -1.6), QPointF(0, -6));
                painter.restore();
            }
        }
        // a shadow in the corners, as of an old wall
        QRadialGradient vignette(panel.center(), panel.height() * 0.62);
        vignette.setColorAt(0.6, QColor(0, 0, 0, 0));
        vignette.setColorAt(1, QColor(10, 24, 8, 140));
        painter.fillRect(panel, vignette);
    });
}

void drawRavenMark(QPainter& painter, const QRectF& box, const QColor& body, const QColor& eye)
{
    painter.setPen(Qt::NoPen);
    raven::draw(painter, box, body, eye, box.width() * 0.025);
}

// Corvane: a gold trellis on midnight blue with the raven in a medallion.
void drawCorvane(QPainter& painter)
{
    const QColor gold(222, 180, 72);
    drawBack(painter, 1, QColor(20, 26, 70), [&](const QRectF& panel) {
        QRadialGradient night(panel.center(), panel.height() * 0.7);
        night.setColorAt(0, QColor(40, 56, 130));
        night.setColorAt(1, QColor(14, 20, 60));
        painter.fillRect(panel, night);
        // a lattice of diamonds with a bead at each crossing
        painter.setPen(QPen(QColor(222, 180, 72, 150), 0.5));
        const qreal step = 7;
        for (qreal d = -panel.height(); d < panel.width() + panel.height(); d += step) {
            painter.drawLine(QPointF(panel.left() + d, panel.top()),
                             QPointF(panel.left() + d - panel.height() * 0.75, panel.bottom()));
            painter.drawLine(QPointF(panel.left() + d, panel.top()),
                             QPointF(panel.left() + d + panel.height() * 0.75, panel.bottom()));
        }
        painter.setPen(Qt::NoPen);
        painter.setBrush(gold);
        const qreal rise = step / 2 / 0.75;
        for (int j = 0; panel.top() + j * rise <= panel.bottom(); ++j)
            for (qreal x = panel.left() + (j % 2 ? step / 2 : 0); x <= panel.right(); x += step)
                painter.drawEllipse(QPointF(x, panel.top() + j * rise), 0.7, 0.7);
        // an inner rule
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(gold, 0.6));
        painter.drawRoundedRect(panel.adjusted(2.5, 2.5, -2.5, -2.5), 1.5, 1.5);
        // the medallion
        const QPointF c = panel.center();
        QRadialGradient ivory(c - QPointF(4, 6), 24);
        ivory.setColorAt(0, QColor(255, 246, 214));
        ivory.setColorAt(1, QColor(226, 200, 140));
        painter.setPen(QPen(gold, 2));
        painter.setBrush(ivory);
        painter.drawEllipse(c, 17, 22);
        painter.setPen(QPen(QColor(20, 26, 70), 0.6));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(c, 15.2, 20.2);
        drawRavenMark(painter, QRectF(c.x() - 13, c.y() - 13, 26, 26), QColor(12, 12, 18), QColor(240, 196, 40));
    });
}

// Corvane2: a crimson field of small ravens in rows, and a pair of black
// ravens face to face in a silver diamond.
void drawCorvane2(QPainter& painter)
{
    drawBack(painter, 2, QColor(90, 10, 20), [&](const QRectF& panel) {
        wash(painter, panel, panel.topLeft(), panel.bottomRight(),
             {{0, QColor(170, 28, 40)}, {1, QColor(110, 12, 26)}});
        int row = 0;
        for (qreal y = panel.top() + 1; y < panel.bottom(); y += 8, ++row) {
            for (qreal x = panel.left() - (row % 2 ? 4 : 0); x < panel.right(); x += 9) {
                painter.save();
                painter.translate(x + 4, y + 3.5);
                if (row % 2)
                    painter.scale(-1, 1);
                painter.setPen(Qt::NoPen);
                painter.setBrush(QColor(90, 6, 16, 200));
                painter.drawPath(raven::outline(QRectF(-3.5, -3.5, 7, 7)));
                painter.restore();
            }
        }
        const QPointF c = panel.center();
        QPainterPath diamond;
        diamond.moveTo(c.x(), c.y() - 36);
        diamond.lineTo(c.x() + 24, c.y());
        diamond.lineTo(c.x(), c.y() + 36);
        diamond.lineTo(c.x() - 24, c.y());
        diamond.closeSubpath();
        QLinearGradient silver(c - QPointF(20, 30), c + QPointF(20, 30));
        silver.setColorAt(0, QColor(250, 250, 252));
        silver.setColorAt(1, QColor(200, 204, 214));
        painter.setPen(QPen(QColor(20, 20, 24), 1.4));
        painter.setBrush(silver);
        painter.drawPath(diamond);
        painter.setPen(QPen(QColor(150, 20, 34), 0.6));
        painter.setBrush(Qt::NoBrush);
        const QTransform inset = QTransform::fromTranslate(-c.x(), -c.y()) * QTransform::fromScale(0.86, 0.86) *
                                 QTransform::fromTranslate(c.x(), c.y());
        painter.drawPath(inset.map(diamond));
        // two ravens face to face on a branch under a star
        const QRectF perch(c.x() - 21, c.y() - 11, 20, 20);
        drawRavenMark(painter, perch, QColor(16, 16, 20), QColor(230, 230, 240));
        painter.save();
        painter.translate(2 * c.x(), 0);
        painter.scale(-1, 1);
        drawRavenMark(painter, perch, QColor(16, 16, 20), QColor(230, 230, 240));
        painter.restore();
        painter.setPen(QPen(QColor(70, 40, 20), 1.1, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(QPointF(c.x() - 15, perch.top() + 17.6), QPointF(c.x() + 15, perch.top() + 17.6));
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(150, 20, 34));
        QPainterPath star;
        for (int i = 0; i < 8; ++i) {
            const qreal a = i * std::numbers::pi / 4 - std::numbers::pi / 2;
            const qreal r = i % 2 ? 1.3 : 4;
            const QPointF at = c + QPointF(0, -17) + QPointF(std::cos(a), std::sin(a)) * r;
            i ? star.lineTo(at) : star.moveTo(at);
        }
        star.closeSubpath();
        painter.drawPath(star);
        painter.drawPath(QTransform::fromTranslate(0, 34).map(star));
    });
}

// Saltwick: rows of sea-blue breakers, each crested and curled with foam.
void drawSaltwick(QPainter& painter)
{
    drawBack(painter, 3, QColor(14, 52, 100), [&](const QRectF& panel) {
        painter.fillRect(panel, QColor(150, 205, 235));
        const qreal period = 14, swell = 2.4, pitch = 8;
        const int rows = int(std::ceil((panel.height() + 2 * pitch) / pitch));
        // rows of breakers, each overlapping the one behind it and a shade deeper
        for (int j = 0; j < rows; ++j) {
            const qreal y = panel.top() - pitch / 2 + j * pitch;
            const qreal depth = qreal(j) / rows;
            QPainterPath crest;
            const qreal start = panel.left() - period - (j % 2 ? period / 2 : 0);
            crest.moveTo(start, y + swell);
            std::vector<QPointF> peaks;
            for (qreal x = start; x < panel.right() + period; x += period) {
                crest.cubicTo(x + period * 0.35, y + swell, x + period * 0.45, y - swell, x + period * 0.7, y - swell);
                crest.cubicTo(x + period * 0.86, y - swell, x + period * 0.9, y + swell * 0.3, x + period, y + swell);
                peaks.push_back(QPointF(x + period * 0.7, y - swell));
            }
            QPainterPath water = crest;
            water.lineTo(crest.currentPosition().x(), panel.bottom() + 2);
            water.lineTo(start, panel.bottom() + 2);
            water.closeSubpath();
            QLinearGradient sea(0, y - swell, 0, y + pitch * 1.5);
            sea.setColorAt(0, QColor(int(70 - 50 * depth), int(150 - 80 * depth), int(215 - 90 * depth)));
            sea.setColorAt(1, QColor(int(24 - 14 * depth), int(86 - 50 * depth), int(160 - 70 * depth)));
            painter.setPen(Qt::NoPen);
            painter.setBrush(sea);
            painter.drawPath(water);
            painter.setBrush(Qt::NoBrush);
            painter.setPen(QPen(QColor(246, 252, 255), 0.8, Qt::SolidLine, Qt::RoundCap));
            painter.drawPath(crest);
            // a curl of foam where each wave breaks, and spray above it
            for (const QPointF& peak : peaks) {
                QPainterPath curl;
                curl.arcMoveTo(QRectF(peak.x() - 0.6, peak.y(), 3, 3), 160);
                curl.arcTo(QRectF(peak.x() - 0.6, peak.y(), 3, 3), 160, -250);
                painter.drawPath(curl);
                painter.setPen(Qt::NoPen);
                painter.setBrush(QColor(255, 255, 255, 200));
                painter.drawEllipse(peak + QPointF(2.6, -1.2), 0.45, 0.45);
                painter.drawEllipse(peak + QPointF(3.6, 0.2), 0.35, 0.35);
                painter.setBrush(Qt::NoBrush);
                painter.setPen(QPen(QColor(246, 252, 255), 0.8, Qt::SolidLine, Qt::RoundCap));
            }
        }
    });
}

// Emberjack: rows of flames rising over glowing embers.
void drawEmberjack(QPainter& painter)
{
    drawBack(painter, 4, QColor(90, 20, 8), [&](const QRectF& panel) {
        wash(painter, panel, panel.bottomLeft(), panel.topLeft(),
             {{0, QColor(250, 140, 30)}, {0.45, QColor(170, 36, 16)}, {1, QColor(60, 8, 8)}});
        auto flame = [](QPointF base, qreal w, qreal h, qreal lean) {
            QPainterPath p;
            p.moveTo(base + QPointF(0, 0));
            p.cubicTo(base + QPointF(-w, 0), base + QPointF(-w * 0.9, -h * 0.45), base + QPointF(-w * 0.2, -h * 0.7));
            p.cubicTo(base + QPointF(w * 0.15 + lean * 0.3, -h * 0.8), base + QPointF(lean * 0.5, -h * 0.9),
                      base + QPointF(lean, -h));
            p.cubicTo(base + QPointF(w * 1.2, -h * 0.6), base + QPointF(w, 0), base);
            p.closeSubpath();
            return p;
        };
        int row = 0;
        for (qreal y = panel.top() + 12; y < panel.bottom() + 12; y += 11, ++row) {
            for (qreal x = panel.left() + (row % 2 ? 0 : 5); x < panel.right() + 6; x += 10) {
                const qreal lean = (grain(int(x), row, 8) - 0.5) * 5;
                const QPointF base(x, y);
                painter.setPen(QPen(QColor(80, 10, 4, 160), 0.4));
                painter.setBrush(QColor(214, 50, 20));
                painter.drawPath(flame(base, 4.6, 13, lean));
                painter.setPen(Qt::NoPen);
                painter.setBrush(QColor(250, 140, 30));
                painter.drawPath(flame(base, 3, 9, lean * 0.7));
                painter.setBrush(QColor(255, 226, 110));
                painter.drawPath(flame(base, 1.6, 5, lean * 0.4));
            }
        }
        // sparks drifting upward
        painter.setPen(Qt::NoPen);
        for (int i = 0; i < 26; ++i) {
            const QPointF at(panel.left() + panel.width() * grain(i, 1, 9),
                             panel.top() + panel.height() * grain(i, 2, 9));
            painter.setBrush(QColor(255, 220, 120, 120 + int(120 * grain(i, 3, 9))));
            painter.drawEllipse(at, 0.6, 0.6);
        }
        // a dark vignette keeps the edge of the panel readable
        QRadialGradient edge(panel.center(), panel.height() * 0.62);
        edge.setColorAt(0.65, QColor(0, 0, 0, 0));
        edge.setColorAt(1, QColor(40, 0, 0, 120));
        painter.fillRect(panel, edge);
    });
}

} // namespace

QPainterPath suitSymbol(int suit, QPointF centre, qreal height)
{
    QTransform t;
    t.translate(centre.x(), centre.y());
    t.scale(height, height);
    return t.map(unitSuit(suit));
}

Picture face(int n)
{
    if (cards::rankOfFace(n) == 0)
        return {};
    return Picture(QStringLiteral("face %1").arg(n), kCardSize.toSize(), [n](QPainter& p) { drawFace(p, n); });
}

Picture back(int design)
{
    using Draw = void (*)(QPainter&);
    static constexpr std::array<Draw, cards::kBacks> designs = {drawMossgrave, drawCorvane, drawCorvane2,
                                                                drawSaltwick, drawEmberjack};
    if (design < 0 || design >= cards::kBacks)
        return {};
    return Picture(QStringLiteral("back %1").arg(design), backSizeOf(design).toSize(), designs[design]);
}

} // namespace cardart
