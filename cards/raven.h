// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Corvane's raven, the maker's mark: on the Corvane card backs, the logo and
// the icon.

#include <QPainterPath>

class QColor;
class QPainter;

namespace raven {

// The raven, facing right, fitted to the given box.
QPainterPath outline(const QRectF& box);
// Its eye, a circle of the given radius on the raven in that box.
QPainterPath eye(const QRectF& box, qreal radius);
// The raven filled in its colour, with its eye, in the painter's current pen.
void draw(QPainter& painter, const QRectF& box, const QColor& body, const QColor& eyeColour, qreal eyeRadius);

} // namespace raven
