// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Corvane's own card artwork, drawn from vectors so it stays crisp at any
// scale: 52 French-suited faces and five back designs.

#include "toolkit/picture.h"

#include <QPainterPath>

namespace cardart {

// The picture of face number 1 to 52 (see cards.h), 71 x 96; an empty
// picture for any other number.
Picture face(int n);
// Back design 0 "Mossgrave", 1 "Corvane", 2 "Corvane2" (72 x 96), 3
// "Saltwick", 4 "Emberjack", otherwise 71 x 96; an empty picture for any
// other design.
Picture back(int design);
// The outline of a suit symbol 1 to 4, upright, centred on `centre`, `height` tall.
QPainterPath suitSymbol(int suit, QPointF centre, qreal height);

} // namespace cardart
