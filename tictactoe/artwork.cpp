// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tictactoe/artwork.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPainterPath>

namespace tictactoe {

namespace {

constexpr int kMark = 45;

void whiteGround(QPainter& painter, int width, int height)
{
    painter.fillRect(QRectF(0, 0, width, height), Qt::white);
}

} // namespace

Picture ruledPaper()
{
    return Picture(QStringLiteral("tictactoe/paper"), QSize(253, 293), [](QPainter& painter) {
        whiteGround(painter, 253, 293);
        // Filled one-pixel rectangles on whole pixels, not stroked lines, so
        // the rules cover exactly their pixels at every whole scale.
        painter.fillRect(QRectF(20, 1, 1, 292), QColor(0, 255, 255));  // x = 20, y = 1 to 292
        painter.fillRect(QRectF(0, 46, 250, 1), QColor(255, 0, 0));    // y = 46, x = 0 to 249
    });
}

Picture ringO()
{
    //: The player's mark, the letter O, as a screen reader says it
    const QString name = QCoreApplication::translate("tictactoe", "O");
    return Picture(QStringLiteral("tictactoe/O"), QSize(kMark, kMark), [](QPainter& painter) {
        whiteGround(painter, kMark, kMark);
        QPainterPath path;
        path.setFillRule(Qt::OddEvenFill);
        path.addEllipse(QRectF(0, 0, kMark, kMark));
        path.addEllipse(QRectF(5, 5, kMark - 10, kMark - 10));
        painter.fillPath(path, Qt::black);
    }, name);
}

Picture crossX()
{
    //: Grizzle's mark, the letter X, as a screen reader says it
    const QString name = QCoreApplication::translate("tictactoe", "X");
    return Picture(QStringLiteral("tictactoe/X"), QSize(kMark, kMark), [](QPainter& painter) {
        whiteGround(painter, kMark, kMark);
        // Square caps run past the corners and are clipped by the picture's
        // edge, so each stroke fills its corner.
        painter.setPen(QPen(Qt::black, 6, Qt::SolidLine, Qt::SquareCap));
        painter.drawLine(QPointF(0, 0), QPointF(kMark, kMark));
        painter.drawLine(QPointF(kMark, 0), QPointF(0, kMark));
    }, name);
}

} // namespace tictactoe
