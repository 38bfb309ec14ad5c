// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The coin, drawn from vectors: 80 x 80 logical pixels, described by the side
// it shows.

#include "coinflip/coinfliprules.h"
#include "toolkit/picture.h"

namespace coinflip {

Picture coin(Side side);

} // namespace coinflip
