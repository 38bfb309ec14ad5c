// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/random.h"

#include <cmath>

int randomBetween(Random& random, int low, int high)
{
    // double keeps (high - low + 1) * Rnd below high + 1 for every Rnd < 1
    const double span = double(high) - double(low) + 1.0;
    return int(std::floor(span * double(random.Rnd()) + double(low)));
}
