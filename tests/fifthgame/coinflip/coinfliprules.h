// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The rules of Coin Flip, apart from any widget: the player calls a side,
// the coin lands on one, and whoever was right scores.

class Random;

namespace coinflip {

enum class Side { Heads, Tails };

// One toss: either side, even chances.
Side toss(Random& random);

struct Score {
    int yours = 0;
    int grizzles = 0;
    bool operator==(const Score&) const = default;
};

// The score after a call of `called` on a coin that landed on `landed`:
// a point to the player for a right call, to Grizzle for a wrong one.
Score scored(Score score, Side called, Side landed);

} // namespace coinflip
