// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "coinflip/coinfliprules.h"

#include "platform/random.h"

namespace coinflip {

Side toss(Random& random)
{
    return randomBetween(random, 0, 1) == 0 ? Side::Heads : Side::Tails;
}

Score scored(Score score, Side called, Side landed)
{
    ++(called == landed ? score.yours : score.grizzles);
    return score;
}

} // namespace coinflip
