// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The five card backs: a white margin around a patterned panel, like a
// printed back.

#include "cards/cardart.h"
#include "cards/cardpaint.h"

#include "cards/cards.h"
#include "cards/raven.h"

#include <QCoreApplication>
#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <QTransform>
#include <array>
#include <cmath>
#include <numbers>
#include <vector>

namespace cardart {

namespace {

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

Picture back(int design)
{
    using Draw = void (*)(QPainter&);
    static constexpr std::array<Draw, cards::kBacks> designs = {drawMossgrave, drawCorvane, drawCorvane2,
                                                                drawSaltwick, drawEmberjack};
    if (design < 0 || design >= cards::kBacks)
        return {};
    return Picture(QStringLiteral("back %1").arg(design), backSizeOf(design).toSize(), designs[design],
                   QCoreApplication::translate("cardart", "Card back"));
}

} // namespace cardart
