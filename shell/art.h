// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Corvane's own artwork for the shell: the maker's logo and the menu icon.

#include "toolkit/picture.h"

#include <QColor>
#include <QIcon>
#include <QList>
#include <QPainterPath>
#include <QPen>

namespace art {

// The maker's logo, 192 x 72: the same picture, with its rendering, for
// every screen.
Picture logo();
// The menu's 32 x 32 icon.
QIcon menuIcon();
// The frame's window icon: the desktop's icon for the game where its icon
// theme has one, else the menu's icon drawn afresh at each size asked for,
// and offered at the icon theme's sizes (16 to 512 pixels), so that no task
// switcher scales up a small one.
QIcon windowIcon();
// What the frame's window shows before that: the menu's icon at the small
// sizes a title bar and a task bar show, drawn in a moment where the icon
// theme's and the large sizes would hold up the window's first frame.
QIcon firstWindowIcon();
// The icon drawn on a `size` x `size` image, as the icon theme has it.
QImage iconImage(int size);

// One shape of a vector drawing: filled, and outlined unless its pen is none.
struct Shape {
    QPainterPath path;
    QColor fill;
    QPen pen = Qt::NoPen;
};
// The icon on its 32 x 32 grid, shape by shape, back to front: a card with
// Corvane's raven. The icons installed for the desktop are made from it.
inline constexpr int kIconGrid = 32;
QList<Shape> iconShapes();
void paint(QPainter& painter, const QList<Shape>& shapes);

} // namespace art
