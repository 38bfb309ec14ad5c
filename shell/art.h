#pragma once
// Corvane's own artwork for the shell: the maker's logo and the menu icon.

#include "shell/toolkit.h"

#include <QIcon>
#include <QPainterPath>

namespace art {

// The maker's logo, 192 x 72.
Picture logo();
// The menu's 32 x 32 icon, also the frame's window icon.
QIcon menuIcon();
// Corvane's raven, facing right, fitted to the given box.
QPainterPath raven(const QRectF& box);
// The raven filled in its colour, with its eye, in the painter's current pen.
void drawRaven(QPainter& painter, const QRectF& box, const QColor& body, const QColor& eye, qreal eyeRadius);

} // namespace art
