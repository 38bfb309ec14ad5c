// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "model_war.h"

#include "support/chances.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace warmodel {

namespace {

using randomplayer::Player;
using screenstate::State;

const QString kGrizzleOut = QStringLiteral("Grizzle is out of cards, You win!");
const QString kYouOut = QStringLiteral("You're out of cards, Grizzle wins!");

// Values 2 to 13, the king the highest; suits 1 to 4. A card's picture is
// face (value - 1) * 4 + suit of the pack's 52, whose first four are the aces.
const std::array<const char*, 12> kValues{"2", "3", "4", "5", "6", "7", "8", "9", "10", "Jack", "Queen", "King"};
const std::array<const char*, 4> kSuits{"Spades", "Hearts", "Diamonds", "Clubs"};
constexpr int kCards = 48;
constexpr int kDealDraws = 26;

int value(int card) { return card / 4 + 2; }
QString cardName(int card)
{
    return QStringLiteral("%1 of %2").arg(QLatin1String(kValues[std::size_t(card / 4)]),
                                          QLatin1String(kSuits[std::size_t(card % 4)]));
}
QString faceKey(int card) { return QStringLiteral("face %1").arg(card + 5); }
int count(const Hand& hand) { return int(std::count(hand.begin(), hand.end(), true)); }

// The piles and the cards in play, in twips: a slide starts on its pile and
// moves a step of 50 diagonally, out and away from it, 40 times.
struct Place {
    const char* card;
    const char* pile;
    double left, top, step;
};
const std::array<Place, 2> kPlaces{{{"piccard1", "picDealerCards", 100, 100, 50}, {"piccard2", "picYourCards", 5280, 4095, -50}}};
constexpr int kSteps = 40;

// What is counted over the whole play.
const QString kDealtCards = QStringLiteral("War: the cards of Grizzle's deals");
const QString kDealtSizes = QStringLiteral("War: Grizzle's deals by their number of cards");
const QString kDrawn = QStringLiteral("War: a card drawn by its tenth of its hand, by the hand's size");
// A card whose next lower one (by value, then suit) is not in the hand is as
// likely as any other: draws by twentieths of the hand's cards that are such,
// and those that drew one.
const QString kAfterGap = QStringLiteral("War: draws by the share of the hand's cards above a gap");
const QString kDrewAfterGap = QStringLiteral("War: draws of a card above a gap");
constexpr int kShares = 20;

} // namespace

void War::start(Player& p, const State& fresh)
{
    // the card back and the dialog's choice last the whole run
    const int back = back_, option = option_;
    *this = War();
    back_ = back;
    option_ = option;
    shown_ = fresh;
    for (const char* card : {"piccard1", "piccard2", "cmdContinue"})
        set(card, false, true);
    set("cmdStart", true, true);
    set("cmdQuit", true, false);
    set("cmDeckOptions", true, true);
    set("picYourCards", true, true);
    winner({});
    for (const Place& place : kPlaces) {
        screenstate::Control& pile = shown_[QLatin1String(place.pile)];
        pile.picture = QStringLiteral("back %1").arg(back_);
        pile.left = place.left;
        pile.top = place.top;
    }
    namePiles();
    screenstate::compare(p, shown(), fresh, QStringLiteral("War as it loads"));
}

State War::shown() const
{
    // While the deck options are open the whole screen waits for them.
    if (!optionsOpen_)
        return shown_;
    State waiting = shown_;
    for (auto& [name, control] : waiting)
        control.enabled = false;
    return waiting;
}

void War::set(const char* control, bool shown, bool enabled)
{
    screenstate::Control& c = shown_[QLatin1String(control)];
    c.shown = shown;
    c.enabled = enabled;
}

void War::press(Player& p, Press what, int option, const State& after, const Hands& hands)
{
    // A press while a card slides, or on the pile before the deal, does nothing.
    if (sliding() && what != Okay && what != Option)
        return;
    const auto takes = [&](const char* control, const char* name) {
        const screenstate::Control& c = shown_[QLatin1String(control)];
        if (!c.shown || !c.enabled || optionsOpen_)
            p.fail(QStringLiteral("War's %1 took a press while its rules disable it").arg(QLatin1String(name)));
    };
    switch (what) {
    case Start:
        takes("cmdStart", "Start");
        deal(p, after, hands);
        return play(p, Grizzles, after);
    case Pile:
        if (!dealt_)
            return;
        takes("picYourCards", "pile");
        return play(p, Yours, after);
    case Continue:
        takes("cmdContinue", "Continue");
        set("piccard2", false, true);
        winner({});
        set("picYourCards", true, true);
        set("cmdContinue", false, true);
        return play(p, Grizzles, after);
    case DeckOptions:
        takes("cmDeckOptions", "Deck Options");
        optionsOpen_ = true;
        return;
    case Quit:
        takes("cmdQuit", "Main Menu");
        return;
    case Option:
        option_ = option;
        return;
    case Okay:
        optionsOpen_ = false;
        back_ = option_;
        for (const Place& place : kPlaces)
            shown_[QLatin1String(place.pile)].picture = QStringLiteral("back %1").arg(back_);
        return;
    }
}

// The deal, which the screen does not show, read from the hands after
// Start: Grizzle's drawn cards and the one he then played; the player's every
// other card.
void War::deal(Player& p, const State& after, const Hands& hands)
{
    const QString key = after.at(QStringLiteral("piccard1")).picture;
    Hand dealt = hands.grizzles;
    for (int card = 0; card < kCards; ++card)
        if (faceKey(card) == key)
            dealt[std::size_t(card)] = true;
    const int size = count(dealt);
    if (size < 1 || size > kDealDraws)
        p.fail(QStringLiteral("Grizzle is dealt %1 cards from %2 draws").arg(size).arg(kDealDraws));
    for (int card = 0; card < kCards; ++card) {
        if (dealt[std::size_t(card)] == hands.yours[std::size_t(card)])
            p.fail(QStringLiteral("the deal gives the %1 to %2").arg(cardName(card), dealt[std::size_t(card)] ? "both" : "no one"));
        if (dealt[std::size_t(card)])
            p.sample(kDealtCards, card);
    }
    p.sample(kDealtSizes, size);
    hands_ = {dealt, hands.yours};
    dealt_ = true;
}

// A side's card, drawn at random from its hand, shows face up on its pile and
// starts to slide.
void War::play(Player& p, Slide side, const State& after)
{
    const Place& place = kPlaces[side == Grizzles ? 0 : 1];
    Hand& hand = side == Grizzles ? hands_.grizzles : hands_.yours;
    const QString key = after.at(QLatin1String(place.card)).picture;
    int card = 0;
    while (card < kCards && faceKey(card) != key)
        ++card;
    if (card == kCards || !hand[std::size_t(card)])
        p.fail(QStringLiteral("%1 plays the picture \"%2\", no card of the hand").arg(side == Grizzles ? "Grizzle" : "the player", key));
    // every card of the hand alike: its place among them, by tenths
    const int size = count(hand);
    const int at = int(std::count(hand.begin(), hand.begin() + card, true));
    p.sample(kDrawn, (size - 1) * 10 + at * 10 / size);
    int afterGaps = 0;
    for (int c = 1; c < kCards; ++c)
        afterGaps += hand[std::size_t(c)] && !hand[std::size_t(c - 1)];
    const int share = std::min(kShares - 1, afterGaps * kShares / size);
    p.sample(kAfterGap, share);
    if (card > 0 && !hand[std::size_t(card - 1)])
        p.sample(kDrewAfterGap, share);
    hand[std::size_t(card)] = false;
    inPlay_[side == Grizzles ? 0 : 1] = card;
    screenstate::Control& c = shown_[QLatin1String(place.card)];
    c.shown = true;
    c.picture = key;
    c.name = cardName(card);
    slide_ = side;
    steps_ = 1;
    landing_ = side == Yours ? Settle : shown_[QStringLiteral("cmdStart")].enabled ? Started : Nothing;
    placeSlide();
    namePiles();
}

void War::placeSlide()
{
    const Place& place = kPlaces[slide_ == Grizzles ? 0 : 1];
    screenstate::Control& c = shown_[QLatin1String(place.card)];
    c.left = place.left + steps_ * place.step;
    c.top = place.top + steps_ * place.step;
}

void War::tick(Player& p, std::deque<screenstate::Heard>& heard)
{
    if (!sliding())
        p.fail(QStringLiteral("War's slide ticks with no card sliding"));
    if (steps_ < kSteps) {
        ++steps_;
        return placeSlide();
    }
    // the last step has had its tick: the card has landed
    slide_ = None;
    if (landing_ == Started) {
        set("cmdStart", true, false);
        set("cmdQuit", true, true);
    } else if (landing_ == Settle) {
        settle(p, heard);
    }
}

// The higher value takes both cards; on equal values each goes back to its
// own hand. A hand left empty ends the game, Grizzle's looked at first.
void War::settle(Player& p, std::deque<screenstate::Heard>& heard)
{
    set("picYourCards", true, false);
    const int grizzles = inPlay_[0], yours = inPlay_[1];
    const int gain = value(yours) > value(grizzles) ? 1 : value(yours) < value(grizzles) ? -1 : 0;
    hands_.yours[std::size_t(yours)] = gain >= 0;
    hands_.grizzles[std::size_t(yours)] = gain < 0;
    hands_.yours[std::size_t(grizzles)] = gain > 0;
    hands_.grizzles[std::size_t(grizzles)] = gain <= 0;
    winner(gain > 0 ? QStringLiteral("You!") : gain < 0 ? QStringLiteral("Grizzle!") : QStringLiteral("Both of you!"));
    namePiles();
    const QString end = count(hands_.grizzles) == 0 ? kGrizzleOut : count(hands_.yours) == 0 ? kYouOut : QString();
    if (!end.isEmpty()) {
        if (heard.empty() || heard.front().text != end)
            p.fail(QStringLiteral("War shows \"%1\" where its rules show \"%2\"").arg(heard.empty() ? QString() : heard.front().text, end));
        screenstate::compare(p, shown(), heard.front().state, QStringLiteral("War while \"%1\" shows").arg(end));
        heard.pop_front();
        return;
    }
    set("cmdContinue", true, true);
}

// The round's result, which a screen reader reads as it shows.
void War::winner(const QString& text)
{
    screenstate::Control& label = shown_[QStringLiteral("lblWinner")];
    label.text = label.name = text;
}

// Each pile is named with its count once the cards are dealt.
void War::namePiles()
{
    const auto name = [this](const QString& pile, const Hand& hand) {
        const int n = count(hand);
        return dealt_ ? QStringLiteral("%1, %2 %3").arg(pile).arg(n).arg(n == 1 ? "card" : "cards") : pile;
    };
    shown_[QStringLiteral("picYourCards")].name = name(QStringLiteral("Your pile"), hands_.yours);
    shown_[QStringLiteral("picDealerCards")].name = name(QStringLiteral("Grizzle's pile"), hands_.grizzles);
}

QStringList War::messages()
{
    return {kGrizzleOut, kYouOut};
}

std::vector<randomplayer::Histogram> War::histograms()
{
    return {{kDealtCards, kCards}, {kDealtSizes, kDealDraws + 1}, {kDrawn, (kCards - 1) * 10}, {kAfterGap, kShares},
            {kDrewAfterGap, kShares}};
}

// What the rules' chances make the counts, judged by chances::likely (a tail
// of one in a thousand million at the count seen, so never by chance): each
// card is among Grizzle's in a share 1 - (47/48)^26 of the deals; his deal
// holds d different cards as often as 26 draws from 48 make it; and a card
// drawn from a hand of n is any of the n alike, so in each tenth of the hand
// as often as that tenth holds of its places, and above a gap in the hand as
// often as the share of such cards (known to a twentieth) says.
QString War::judge(const std::vector<std::vector<long>>& counts)
{
    const std::vector<long>& sizes = counts[1];
    const long deals = std::accumulate(sizes.begin(), sizes.end(), 0L);
    const double held = 1 - std::pow(47.0 / kCards, kDealDraws);
    for (int card = 0; card < kCards; ++card)
        if (!chances::likely(counts[0][std::size_t(card)], deals, held))
            return QStringLiteral("the %1 was Grizzle's in %2 of %3 deals").arg(cardName(card)).arg(counts[0][std::size_t(card)]).arg(deals);
    // the chance of d different cards after each draw, d from 0 to 26
    std::vector<double> chance(kDealDraws + 1, 0);
    chance[0] = 1;
    for (int draw = 0; draw < kDealDraws; ++draw) {
        for (int d = draw + 1; d >= 1; --d)
            chance[std::size_t(d)] = chance[std::size_t(d)] * d / kCards + chance[std::size_t(d - 1)] * (kCards - d + 1) / kCards;
        chance[0] = 0;
    }
    for (int d = 0; d <= kDealDraws; ++d) {
        if (!chances::likely(sizes[std::size_t(d)], deals, chance[std::size_t(d)]))
            return QStringLiteral("%1 of %2 deals gave Grizzle %3 cards").arg(sizes[std::size_t(d)]).arg(deals).arg(d);
    }
    const std::vector<long>& drawn = counts[2];
    for (int size = 1; size < kCards; ++size) {
        const auto from = drawn.begin() + (size - 1) * 10;
        const long draws = std::accumulate(from, from + 10, 0L);
        for (int tenth = 0; tenth < 10; ++tenth) {
            int places = 0;
            for (int at = 0; at < size; ++at)
                places += at * 10 / size == tenth;
            if (!chances::likely(from[tenth], draws, double(places) / size))
                return QStringLiteral("%1 of %2 cards drawn from hands of %3 came from their tenth %4")
                    .arg(from[tenth]).arg(draws).arg(size).arg(tenth + 1);
        }
    }
    for (int share = 0; share < kShares; ++share)
        if (!chances::likely(counts[4][std::size_t(share)], counts[3][std::size_t(share)], (share + 0.5) / kShares,
                             0.5 / kShares))
            return QStringLiteral("%1 of %2 draws from hands with %3 to %4 of a hundred cards above a gap drew one")
                .arg(counts[4][std::size_t(share)]).arg(counts[3][std::size_t(share)])
                .arg(share * 100 / kShares).arg((share + 1) * 100 / kShares);
    return {};
}

} // namespace warmodel
