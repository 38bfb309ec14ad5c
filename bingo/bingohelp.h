// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How Bingo is played, as the help shows it, with a small card for each of
// the four patterns.

#include "bingo/bingorules.h"
#include "toolkit/helpview.h"

namespace bingo {

HelpPage helpPage();

// The cells a picture of the pattern marks (index 0 is cell 1): those without
// which a card marked everywhere else no longer shows the pattern.
std::array<bool, kCardCells> patternMarks(int gametype);

} // namespace bingo
