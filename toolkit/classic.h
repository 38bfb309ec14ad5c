// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The classic desktop's look that the toolkit draws by hand: its greys and
// its bevelled edges.

#include <QColor>

class QPainter;
class QRect;

namespace classic {

// The face of buttons, dialogs and picture boxes.
inline constexpr QColor kFace{212, 208, 200};
// The edges of a bevel: light on the lit side, shadow and dark shadow on
// the other.
inline constexpr QColor kLight{255, 255, 255};
inline constexpr QColor kShadow{128, 128, 128};
inline constexpr QColor kDarkShadow{64, 64, 64};

// Paints one line of a bevelled edge: a band `width` pixels wide, `inset`
// pixels inside `r`, along its top and left edges or along its bottom and
// right edges. Bands painted later cover the corners they share.
void paintEdge(QPainter& painter, const QRect& r, int inset, int width, const QColor& color, bool topLeft);

} // namespace classic
