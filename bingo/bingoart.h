// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Bingo's own artwork.

#include "toolkit/picture.h"

namespace bingoart {

// The calling ball: a grey shaded sphere on white, 150 x 150.
Picture ball();

} // namespace bingoart
