// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// War's cards and hands: the 48-card deck without aces, the deal, the random
// draw, the comparison that decides a round and the test for the end.

#include <array>
#include <cstddef>
#include <optional>

class Random;

namespace war {

inline constexpr int kLowValue = 2;
inline constexpr int kHighValue = 13;  // the king; aces never take part
inline constexpr int kSuits = 4;
inline constexpr int kDeckSize = (kHighValue - kLowValue + 1) * kSuits;
inline constexpr int kDealt = 26;  // draws for Grizzle in the deal

struct Card {
    int value = 0;  // 2 to 13
    int suit = 0;   // 1 spades, 2 hearts, 3 diamonds, 4 clubs
    bool operator==(const Card&) const = default;
};

// A hand: for each card of value 2..13 and suit 1..4, whether it is held.
class Hand {
public:
    // Anything outside the War deck is never held.
    bool holds(Card card) const;
    // Cards outside the War deck are ignored.
    void put(Card card);
    void take(Card card);
    int count() const;

private:
    static bool inDeck(Card card);
    static std::size_t index(Card card);
    std::array<bool, kDeckSize> held_{};
};

// Takes a random card out of the hand: value then suit are drawn, again and
// again until the hand holds the card, so every held card is equally likely.
// An empty hand gives nothing instead of drawing for ever.
std::optional<Card> draw(Random& random, Hand& hand);

enum class Winner { You, Grizzle, Both };
enum class Ending { None, GrizzleOut, YouOut };

// The state of one War game, from an empty table to the end.
struct WarDeck {
    Hand dealercards;  // Grizzle's hand
    Hand yourcards;    // the player's hand
    bool dealerdealt = false;
    bool yourdealt = false;
    int dealervalue = 0;
    int dealersuit = 0;
    int yourvalue = 0;
    int yoursuit = 0;

    // Reseeds, then draws 26 cards for Grizzle with replacement (a card drawn
    // twice stays one card), so Grizzle holds 1 to 26 cards and the player
    // every other one. It relies on the empty hands of a fresh game.
    void dealcards(Random& random);
    // Grizzle's play: a card from its hand, without reseeding. Nothing
    // before the deal.
    std::optional<Card> dealersplay(Random& random);
    // The player's play: reseeds, then a card from the player's hand.
    // Nothing before the deal.
    std::optional<Card> yourplay(Random& random);
    // The higher value takes both cards in play; on equal values each card
    // goes back to the hand it came from. Suits never decide.
    Winner settle();
    // Grizzle's hand is looked at first.
    Ending ending() const;
};

} // namespace war
