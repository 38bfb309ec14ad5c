// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "coinflip/coin.h"

#include <QCoreApplication>
#include <QPainter>

namespace coinflip {

Picture coin(Side side)
{
    const bool heads = side == Side::Heads;
    const QString name = heads ? QCoreApplication::translate("coinflip", "Heads")
                               : QCoreApplication::translate("coinflip", "Tails");
    return Picture(heads ? QStringLiteral("coinflip/heads") : QStringLiteral("coinflip/tails"), QSize(80, 80),
                   [heads](QPainter& painter) {
                       painter.setRenderHint(QPainter::Antialiasing);
                       painter.setPen(QPen(QColor(150, 110, 20), 4));
                       painter.setBrush(QColor(230, 190, 60));
                       painter.drawEllipse(QRectF(2, 2, 76, 76));
                       painter.setBrush(QColor(150, 110, 20));
                       painter.setPen(Qt::NoPen);
                       // a head in profile on one side, a crossed bar on the other
                       if (heads) {
                           painter.drawEllipse(QRectF(28, 18, 24, 26));
                           painter.drawRect(QRectF(32, 42, 16, 20));
                       } else {
                           painter.drawRect(QRectF(18, 36, 44, 8));
                           painter.drawRect(QRectF(36, 18, 8, 44));
                       }
                   },
                   name);
}

} // namespace coinflip
