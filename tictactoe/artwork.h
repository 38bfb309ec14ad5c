// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The pictures of the Tic Tac Toe screen, drawn from vectors so that they
// stay crisp at any scale. Sizes are in logical pixels (15 twips each).

#include "toolkit/picture.h"

namespace tictactoe {

// 253 x 293: white, a cyan margin rule down the left and a red heading rule
// across the top, the red one drawn over the cyan one.
Picture ruledPaper();
// 45 x 45, exactly one cell: a black ring on white touching all four edges;
// described as "O".
Picture ringO();
// 45 x 45: a black cross on white, two strokes from corner to corner;
// described as "X".
Picture crossX();

} // namespace tictactoe
