// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Fire & Ice as its rules tell it, written apart from the game's code: the
// card shuffled (its value, its suit and so its colour, as the faces are
// numbered), its slide and its stop, each call's answer and the gunman; and
// from them the whole of what the screen must show (support/screenstate.h).
// The random player's driver plays it beside the screen (driver_fireice.cpp).

#include "support/gamedriver.h"
#include "support/screenstate.h"

namespace fireicemodel {

class Model {
public:
    // A visit starts on the loaded screen: what is wrong with it, or empty.
    QString start(const screenstate::State& fresh);
    // What the screen must show now.
    const screenstate::State& shown() const { return shown_; }
    // Fire and Ice take a call.
    bool calling() const { return calling_; }
    // The card slides, and the movement timer runs.
    bool moving() const { return moving_; }

    // Shuffle, which drew the card `shows`: why no shuffle could show it, or
    // empty; the card is counted for the chances (histograms).
    QString shuffle(randomplayer::Player& player, const screenstate::Control& shows);
    // A call of Fire or Ice on the card in play: the message it gives, empty
    // for a right Fire. True in `gunman` when the gunman is due.
    QString call(bool fire, bool* gunman);
    // A right Fire's gunman, shown as `shows` on a screen of that size in
    // twips: why the rules could not place him there, or empty.
    QString place(randomplayer::Player& player, const screenstate::Control& shows, double width, double height);
    // After the call's message: Shuffle and no other call.
    void endCall();
    // One tick of the movement timer on a screen `width` twips wide; true
    // when the card turned.
    bool tick(double width);

    // The game's two messages.
    static QStringList messages();
    // What the shuffles and gunmen are counted by, and their judgement.
    static std::vector<randomplayer::Histogram> histograms();
    static QString judge(const std::vector<std::vector<long>>& counts);

private:
    void setCalling(bool calling);

    int face_ = 0;  // the card in play, 1 to 52
    double step_ = 0;
    bool calling_ = false;
    bool moving_ = false;
    bool stopping_ = false;  // a call's: the next tick is the card's last
    screenstate::State shown_;
};

} // namespace fireicemodel
