// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Bingo's own artwork.

#include "bingo/bingorules.h"
#include "toolkit/picture.h"

namespace bingoart {

// The calling ball: a grey shaded sphere on white, 150 x 150.
Picture ball();

// The player's card at half its size on the screen, 89 x 97: the column
// letters, the free space, and the given cells (index 0 is cell 1) marked
// yellow as the screen marks them.
Picture card(const QString& key, const std::array<bool, bingo::kCardCells>& marked, const QString& description);

} // namespace bingoart
