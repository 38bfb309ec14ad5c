// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "fireice/gunman.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPainterPath>
#include <array>
#include <cmath>
#include <numbers>

namespace fireice {

namespace {

const QColor kInk(28, 20, 14);
const QColor kGreen(46, 164, 64);
const QColor kSkin(244, 198, 160);
const QColor kShirt(205, 48, 40);
const QColor kLeather(128, 78, 36);
const QColor kHat(160, 104, 50);
const QColor kWood(172, 104, 46);
const QColor kSteel(78, 80, 92);
const QColor kGold(240, 198, 48);

QPainterPath polygon(const QPolygonF& points)
{
    QPainterPath path;
    path.addPolygon(points);
    path.closeSubpath();
    return path;
}

// A closed outline of cubic curves, each given by two control points and its end.
QPainterPath curves(QPointF start, std::initializer_list<std::array<QPointF, 3>> segments)
{
    QPainterPath path(start);
    for (const auto& [c1, c2, end] : segments)
        path.cubicTo(c1, c2, end);
    path.closeSubpath();
    return path;
}

QPainterPath star(QPointF centre, qreal outer, qreal inner, int points)
{
    QPolygonF poly;
    for (int i = 0; i < 2 * points; ++i) {
        const qreal angle = -std::numbers::pi / 2 + i * std::numbers::pi / points;
        const qreal r = i % 2 ? inner : outer;
        poly << centre + QPointF(r * std::cos(angle), r * std::sin(angle));
    }
    return polygon(poly);
}

// Every part is filled and outlined in bold ink, the cartoon way.
void part(QPainter& p, const QColor& fill, const QPainterPath& path)
{
    p.setBrush(fill);
    p.drawPath(path);
}

// A sleeve: a thick shirt-coloured stroke inside a thicker ink one.
void arm(QPainter& p, const QPolygonF& line)
{
    p.save();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kInk, 6.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(line);
    p.setPen(QPen(kShirt, 3.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(line);
    p.restore();
}

void drawRifle(QPainter& p)
{
    part(p, kWood, polygon({{0, -2.5}, {17, -2}, {17, 2.5}, {8, 3.5}, {1, 6.8}, {-1.2, 5}}));
    part(p, kSteel, polygon({{27, -3.2}, {79, -3.2}, {79, -0.6}, {27, -0.6}}));
    part(p, kWood, polygon({{27, -0.8}, {45, -0.8}, {44, 2.4}, {27, 2.6}}));
    part(p, kSteel, polygon({{17, -3}, {27, -3}, {27, 2.6}, {17, 2.6}}));
    part(p, kSteel, polygon({{76, -3.2}, {77.5, -5.2}, {78.5, -3.2}}));
    QPainterPath guard;
    guard.moveTo(19, 2.6);
    guard.quadTo(21.5, 6.5, 24.5, 2.6);
    p.save();
    p.setBrush(Qt::NoBrush);
    p.drawPath(guard);
    p.setPen(QPen(QColor(176, 178, 192), 0.7));
    p.drawLine(QPointF(29, -2.4), QPointF(75, -2.4));
    p.restore();
}

// Each part is drawn with the pen and brush the part before left.
void drawLegs(QPainter& p)
{
    // bowed legs in jeans, boots pointing the way he faces
    const QColor jeans(62, 92, 172);
    part(p, jeans, polygon({{27, 59}, {35, 59}, {31, 81}, {23, 81}}));
    part(p, jeans, polygon({{37, 59}, {45, 59}, {49, 81}, {41, 81}}));
    QPainterPath boot;
    boot.moveTo(22, 79);
    boot.lineTo(32, 79);
    boot.lineTo(33, 83);
    boot.quadTo(37.5, 84, 37.5, 87);
    boot.lineTo(20, 87);
    boot.quadTo(19.5, 82, 22, 79);
    part(p, kLeather, boot);
    part(p, kLeather, boot.translated(18, 0));
    p.save();
    p.setPen(QPen(kInk, 0.8));
    part(p, QColor(214, 216, 226), star({17.8, 84}, 2.8, 1.2, 6));
    p.restore();
}

void drawShirt(QPainter& p)
{
    // shirt, open vest, belt and buckle, bandana
    QPainterPath shirt;
    shirt.moveTo(24, 41);
    shirt.quadTo(35, 35, 46, 41);
    shirt.lineTo(46, 61);
    shirt.lineTo(25, 61);
    shirt.closeSubpath();
    part(p, kShirt, shirt);
    part(p, kLeather, polygon({{24, 41}, {30, 38.5}, {33, 60}, {25, 61}}));
    part(p, kLeather, polygon({{40, 38.5}, {46, 41}, {46, 61}, {38, 60}}));
    part(p, QColor(74, 42, 20), polygon({{24.5, 56.5}, {46.5, 56.5}, {46.5, 61}, {24.5, 61}}));
    part(p, kGold, polygon({{32.5, 56}, {38, 56}, {38, 61.5}, {32.5, 61.5}}));
    part(p, kGold, polygon({{29, 37}, {44, 37}, {37, 45}}));
}

// The rifle in both hands; where it lies, for the shot.
QTransform drawRifleInHands(QPainter& p)
{
    // the rifle, raised a little, its butt at his hip
    QTransform rifle;
    rifle.translate(16, 57);
    rifle.rotate(-13);
    p.save();
    p.setTransform(rifle, true);
    drawRifle(p);
    p.restore();

    // both hands on the rifle: one at the trigger, one under the barrel
    const QPointF trigger = rifle.map(QPointF(20, 1));
    const QPointF foregrip = rifle.map(QPointF(37, 0.8));
    arm(p, QPolygonF({{27.5, 43}, {27, 52}, trigger}));
    arm(p, QPolygonF({{43.5, 42}, {49.5, 45}, foregrip}));
    p.setBrush(kSkin);
    p.drawEllipse(trigger, 2.7, 2.7);
    p.drawEllipse(foregrip, 2.7, 2.7);
    return rifle;
}

void drawHead(QPainter& p)
{
    // a squinting head with a big nose and a handlebar moustache
    p.drawEllipse(QPointF(36, 28), 8.5, 8.5);
    p.drawEllipse(QRectF(25.5, 24.5, 4.5, 6.5));
    p.setBrush(QColor(234, 150, 120));
    p.drawEllipse(QRectF(42, 25, 8.5, 7));
    p.save();
    p.setBrush(kInk);
    p.drawEllipse(QPointF(40, 25), 0.9, 1.2);
    p.setPen(QPen(kInk, 1.8, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(36.5, 22.2), QPointF(42.5, 23.6));
    p.restore();
    part(p, QColor(96, 56, 26), curves({45, 31.5}, {{{{41.5, 30.5}, {38.5, 32.5}, {37, 30}}},
                                                    {{{36, 33.8}, {40.5, 35.5}, {45, 34}}},
                                                    {{{49.5, 35.5}, {54, 33.8}, {53, 30}}},
                                                    {{{51.5, 32.5}, {48.5, 30.5}, {45, 31.5}}}}));
}

void drawHat(QPainter& p)
{
    // a ten-gallon hat with a dark band and an upturned brim
    const QPainterPath crown = curves({27, 17}, {{{{26.5, 9}, {29, 3}, {33, 4}}},
                                                 {{{35, 4.5}, {36.5, 6.5}, {37.5, 6.5}}},
                                                 {{{39, 6.5}, {41.5, 3}, {44, 4}}},
                                                 {{{47.5, 5.5}, {47.5, 11}, {47, 17}}}});
    part(p, kHat, crown);
    p.save();
    p.setClipPath(crown);
    p.fillRect(QRectF(20, 12.5, 30, 3.5), QColor(74, 42, 20));
    p.restore();
    p.setBrush(Qt::NoBrush);
    p.drawPath(crown);
    part(p, kHat, curves({13, 12}, {{{{18, 18.5}, {26, 17.5}, {37, 17.5}}},
                                    {{{48, 17.5}, {56, 18.5}, {61, 11}}},
                                    {{{61, 19.5}, {52, 22.5}, {37, 22.5}}},
                                    {{{22, 22.5}, {13, 19.5}, {13, 12}}}}));
}

void drawGunman(QPainter& p)
{
    p.fillRect(QRectF(0, 0, 102, 89), kGreen);
    p.setPen(Qt::NoPen);
    p.setBrush(kGreen.darker(130));
    p.drawEllipse(QRectF(10, 81, 54, 7));

    p.setPen(QPen(kInk, 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    drawLegs(p);
    drawShirt(p);
    const QTransform rifle = drawRifleInHands(p);
    drawHead(p);
    drawHat(p);

    // the shot just fired
    p.setPen(QPen(QColor(214, 74, 20), 1.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    part(p, QColor(255, 214, 64), star(rifle.map(QPointF(83.5, -1.9)), 5.2, 2.2, 8));
}

} // namespace

Picture gunman()
{
    return Picture(QStringLiteral("gunman"), QSize(102, 89), drawGunman,
                   //: The cowboy who turns up after a right call of Fire.
                   QCoreApplication::translate("fireice", "Gunman"));
}

} // namespace fireice
