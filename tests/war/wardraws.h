// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Scripted generator values for War: which cards a deal or a draw comes up with.

#include "support/fakeplatform.h"
#include "war/wardeck.h"

#include <vector>

// Rnd values that draw the cards in order, value before suit.
inline std::vector<float> drawing(const std::vector<war::Card>& cards)
{
    std::vector<float> values;
    for (const war::Card& c : cards) {
        values.push_back(rndFor(c.value, 2, 12));
        values.push_back(rndFor(c.suit, 1, 4));
    }
    return values;
}

// Rnd values for a deal that gives Grizzle exactly these cards (the first
// one is drawn again to make up the 26 draws).
inline std::vector<float> dealing(std::vector<war::Card> grizzles)
{
    grizzles.resize(26, grizzles.front());
    return drawing(grizzles);
}

inline std::vector<war::Card> allCards()
{
    std::vector<war::Card> cards;
    for (int value = 2; value <= 13; ++value)
        for (int suit = 1; suit <= 4; ++suit)
            cards.push_back({value, suit});
    return cards;
}
