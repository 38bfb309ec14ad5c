// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Renders every card face and back onto one contact sheet, to look the
// artwork over at a given scale.
//
//   cardovia-cardsheet OUT.png [SCALE]   (SCALE 1 or 2, default 1)

#include "cards/cardart.h"
#include "cards/cards.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cstdio>

int main(int argc, char** argv)
{
    QGuiApplication application(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s OUT.png [SCALE]\n", argv[0]);
        return 2;
    }
    const qreal scale = argc > 2 ? QByteArray(argv[2]).toDouble() : 1.0;
    if (scale < 0.5 || scale > 8) {
        std::fprintf(stderr, "scale must be between 0.5 and 8\n");
        return 2;
    }
    // thirteen ranks across, a suit per row, the backs below
    constexpr int gap = 6, cellWidth = 72 + gap, cellHeight = 96 + gap;
    QImage sheet(QSize(gap + 13 * cellWidth, gap + 5 * cellHeight) * scale, QImage::Format_ARGB32_Premultiplied);
    sheet.setDevicePixelRatio(scale);
    sheet.fill(QColor(0, 112, 60));
    QPainter painter(&sheet);
    for (int n = 1; n <= cards::kFaces; ++n) {
        const QPointF at(gap + (cards::rankOfFace(n) - 1) * cellWidth, gap + (cards::suitOfFace(n) - 1) * cellHeight);
        cardart::face(n).paint(painter, at);
    }
    for (int k = 0; k < cards::kBacks; ++k)
        cardart::back(k).paint(painter, QPointF(gap + k * cellWidth, gap + 4 * cellHeight));
    painter.end();
    if (!sheet.save(QString::fromLocal8Bit(argv[1]))) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
