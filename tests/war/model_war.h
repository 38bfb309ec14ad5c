// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// War as its rules tell it, written apart from the game's code: the 48 cards
// without aces, the deal of 26 draws with replacement, each side's random
// card, the slide of 40 steps of 50 twips out of its pile, the round that the
// higher value wins (equal values go back to their own hands), the end when a
// hand is empty, and the card backs the deck options choose; and from them
// the whole of what the screen must show (support/screenstate.h). The random
// player's driver plays it beside the screen (driver_war.cpp).

#include "support/gamedriver.h"
#include "support/screensteps.h"

#include <array>
#include <deque>

namespace warmodel {

// By card, (value - 2) * 4 + suit - 1: whether a hand holds it.
using Hand = std::array<bool, 48>;
struct Hands {
    Hand grizzles{};
    Hand yours{};
};

// What the player pressed.
enum Press { Start, Pile, Continue, DeckOptions, Quit, Okay, Option };

class War {
public:
    // A visit starts on the loaded screen, which fails the run where it is wrong.
    void start(randomplayer::Player& p, const screenstate::State& fresh);
    // What the screen must show now, and whether a card slides.
    screenstate::State shown() const;
    bool sliding() const { return slide_ != None; }
    const Hands& hands() const { return hands_; }
    // The card back the piles show, and the one the deck options have chosen.
    int back() const { return back_; }
    int option() const { return option_; }
    bool optionsOpen() const { return optionsOpen_; }

    // A press of `what` (Optcard(`option`) for Option), after which the
    // screen showed `after` with the hands `hands`.
    void press(randomplayer::Player& p, Press what, int option, const screenstate::State& after, const Hands& hands);
    // One tick of the slide's timer; a card landing may end the game with
    // the next of `heard`.
    void tick(randomplayer::Player& p, std::deque<screenstate::Heard>& heard);

    static QStringList messages();
    static std::vector<randomplayer::Histogram> histograms();
    static QString judge(const std::vector<std::vector<long>>& counts);

private:
    enum Slide { None, Grizzles, Yours };
    enum Landing { Nothing, Started, Settle };

    void deal(randomplayer::Player& p, const screenstate::State& after, const Hands& hands);
    void play(randomplayer::Player& p, Slide side, const screenstate::State& after);
    void settle(randomplayer::Player& p, std::deque<screenstate::Heard>& heard);
    void placeSlide();
    void winner(const QString& text);
    void namePiles();
    void set(const char* control, bool shown, bool enabled);

    Hands hands_;
    bool dealt_ = false;
    std::array<int, 2> inPlay_{};  // Grizzle's card and the player's, by card number
    Slide slide_ = None;
    int steps_ = 0;  // of the slide, shown
    Landing landing_ = Nothing;
    int back_ = 1;    // the card back the run starts with
    int option_ = 1;  // the dialog's, checked
    bool optionsOpen_ = false;
    screenstate::State shown_;
};

} // namespace warmodel
