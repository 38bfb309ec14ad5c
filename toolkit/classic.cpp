// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/classic.h"

#include <QPainter>

namespace classic {

void paintEdge(QPainter& painter, const QRect& r, int inset, int width, const QColor& color, bool topLeft)
{
    if (width <= 0)
        return;
    const QRect in = r.adjusted(inset, inset, -inset, -inset);
    if (topLeft) {
        painter.fillRect(in.left(), in.top(), in.width(), width, color);
        painter.fillRect(in.left(), in.top(), width, in.height(), color);
    } else {
        painter.fillRect(in.left(), in.bottom() - width + 1, in.width(), width, color);
        painter.fillRect(in.right() - width + 1, in.top(), width, in.height(), color);
    }
}

} // namespace classic
