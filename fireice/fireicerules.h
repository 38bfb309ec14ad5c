// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The rules of Fire & Ice, apart from any widget: which faces are Fire and
// which are Ice, and how the sliding card moves and turns.

#include <QtGlobal>

namespace fireice {

// A face of a black suit is Ice, one of a red suit Fire.
bool isIce(int cardnumber);
bool isFire(int cardnumber);

// The sliding card: its Left in twips and the signed distance of its next step.
struct Slide {
    double left = 0;
    qint16 stepsize = 0;
    bool operator==(const Slide&) const = default;
};

// One step: move first, then turn if the card has reached the right edge or
// passed the left one. Testing after the move lets the card overshoot an
// edge by up to one step before it turns.
Slide movecard(Slide card, double formWidth, double cardWidth);

} // namespace fireice
