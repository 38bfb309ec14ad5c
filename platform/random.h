// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Random numbers as the games use them: a clock reseed and a uniform draw.
// The rules units see only this part of the platform.

class Random {
public:
    virtual ~Random() = default;

    // Reseeds the generator from the clock. A reseed never restarts the
    // sequence: two reseeds within one clock tick still give fresh numbers.
    virtual void Randomize() = 0;
    // Uniform in [0, 1), single precision.
    virtual float Rnd() = 0;
};

// Int((high - low + 1) * Rnd + low): a whole number from low to high.
int randomBetween(Random& random, int low, int high);
