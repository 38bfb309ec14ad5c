// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "war/wardeck.h"

#include "platform/random.h"

#include <algorithm>

namespace war {

namespace {

// Value first, then suit: two numbers from the generator per card.
Card randomCard(Random& random)
{
    const int value = randomBetween(random, kLowValue, kHighValue);
    const int suit = randomBetween(random, 1, kSuits);
    return {value, suit};
}

// One side's play: a card from its hand, remembered as that side's card in
// play. Nothing before the deal.
std::optional<Card> play(Random& random, bool dealt, Hand& hand, int& value, int& suit)
{
    if (!dealt)
        return std::nullopt;
    const std::optional<Card> card = draw(random, hand);
    if (card) {
        value = card->value;
        suit = card->suit;
    }
    return card;
}

} // namespace

bool Hand::inDeck(Card card)
{
    return card.value >= kLowValue && card.value <= kHighValue && card.suit >= 1 && card.suit <= kSuits;
}

std::size_t Hand::index(Card card)
{
    return std::size_t((card.value - kLowValue) * kSuits + card.suit - 1);
}

bool Hand::holds(Card card) const
{
    return inDeck(card) && held_[index(card)];
}

void Hand::put(Card card)
{
    if (inDeck(card))
        held_[index(card)] = true;
}

void Hand::take(Card card)
{
    if (inDeck(card))
        held_[index(card)] = false;
}

int Hand::count() const
{
    return int(std::count(held_.begin(), held_.end(), true));
}

std::optional<Card> draw(Random& random, Hand& hand)
{
    if (hand.count() == 0)
        return std::nullopt;
    for (;;) {
        const Card card = randomCard(random);
        if (hand.holds(card)) {
            hand.take(card);
            return card;
        }
    }
}

void WarDeck::dealcards(Random& random)
{
    random.Randomize();
    for (int i = 0; i < kDealt; ++i)
        dealercards.put(randomCard(random));
    for (int value = kLowValue; value <= kHighValue; ++value)
        for (int suit = 1; suit <= kSuits; ++suit)
            if (!dealercards.holds({value, suit}))
                yourcards.put({value, suit});
    dealerdealt = true;
    yourdealt = true;
}

std::optional<Card> WarDeck::dealersplay(Random& random)
{
    return play(random, dealerdealt, dealercards, dealervalue, dealersuit);
}

std::optional<Card> WarDeck::yourplay(Random& random)
{
    random.Randomize();
    return play(random, yourdealt, yourcards, yourvalue, yoursuit);
}

Winner WarDeck::settle()
{
    const Card yours{yourvalue, yoursuit};
    const Card grizzles{dealervalue, dealersuit};
    if (yourvalue > dealervalue) {
        yourcards.put(yours);
        yourcards.put(grizzles);
        return Winner::You;
    }
    if (yourvalue < dealervalue) {
        dealercards.put(yours);
        dealercards.put(grizzles);
        return Winner::Grizzle;
    }
    yourcards.put(yours);
    dealercards.put(grizzles);
    return Winner::Both;
}

Ending WarDeck::ending() const
{
    if (dealercards.count() == 0)
        return Ending::GrizzleOut;
    if (yourcards.count() == 0)
        return Ending::YouOut;
    return Ending::None;
}

} // namespace war
