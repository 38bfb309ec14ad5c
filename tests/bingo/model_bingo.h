// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Bingo as its rules tell it, written out apart from the game's code: the
// columns and their letters, the four patterns, the screen's four states and
// what each click and tick does to what the screen shows. The random
// player's driver (driver_bingo.cpp) tells it what the screen's controls
// heard and which timers ticked in an event; it says what the whole screen
// must show then, starting from what it showed before, and reads from the
// screen only what the rules leave to chance (the numbers dealt, the ball
// drawn), which it checks was allowed.

#include "support/gamedriver.h"
#include "support/screenstate.h"

#include <array>
#include <deque>
#include <vector>

namespace bingomodel {

extern const QString kGrizzleWins;
extern const QString kYouWin;
extern const QString kNoCheating;

// What a control of the screen heard, or a timer that ticked.
struct Input {
    enum Kind { BallTick, GrizzleTick, Start, Options, Okay, Cancel, Claim, Cell, Option, Speed };
    Kind kind;
    int value = 0;    // the cell (1 to 50), the option (1 to 4), the bar's value
    bool on = false;  // the option is checked now; the player moved the bar
};

// The screen as it was while a message box showed.
struct AtMessage {
    QString text;
    screenstate::State shown;
    bool timers = false;  // either timer ran
};

// In twips: the options panel opens in the middle of the screen.
struct Sizes {
    double width, height, panelWidth, panelHeight;
};

enum class Phase { Setup, Running, Paused, Over };

class Bingo {
public:
    // A visit begins with the screen as it loaded; `panel` names the
    // controls on the options panel.
    void load(randomplayer::Player& p, const screenstate::State& shown, const QStringList& panel);
    // Plays an event's inputs, in order, on `expected`, which holds the
    // screen as it was before; `after` is what it shows now, where the new
    // cards and the ball drawn are read. A broken rule fails the run.
    void play(randomplayer::Player& p, const std::vector<Input>& inputs, std::deque<AtMessage> messages,
              screenstate::State& expected, const screenstate::State& after, const Sizes& sizes);

    Phase phase() const { return phase_; }
    int gametype() const { return gametype_; }
    int curball() const { return curball_; }
    // Whether ball `ball` was called in this game; how many were.
    bool called(int ball) const { return called_[std::size_t(ball)]; }
    int calls() const { return calls_; }
    // Whether a card marked so (by cell, 1 to 25) shows pattern `gametype`.
    static bool complete(int gametype, const std::array<bool, 26>& marked);

    static std::vector<randomplayer::Histogram> histograms();
    static QString judge(const std::vector<std::vector<long>>& counts);

private:
    // Cells 1 to 25 are Grizzle's card, 26 to 50 the player's.
    int number(int cell) const { return numbers_[std::size_t(cell)]; }
    bool marked(int cell) const { return marks_[std::size_t(cell)]; }
    // Whether the card after cell `offset` (0 or 25) shows the pattern in play.
    bool hasPattern(int offset) const;
    void step(randomplayer::Player& p, const Input& input, screenstate::State& expected, const Sizes& sizes);
    void guard(randomplayer::Player& p, bool allowed, const char* what) const;
    void setPhase(Phase phase, screenstate::State& expected);
    void halt(screenstate::State& expected) const;
    void message(randomplayer::Player& p, const QString& text, screenstate::State& expected);
    void restart(screenstate::State& expected);
    void call();
    void lookForGrizzle(screenstate::State& expected);
    void setMark(int cell, bool on, screenstate::State& expected);
    void writeCell(int cell, screenstate::State& expected) const;
    // What the rules leave to chance, read from `shown` once it shows.
    void adopt(randomplayer::Player& p, const screenstate::State& shown, screenstate::State& expected);
    void readCard(randomplayer::Player& p, const screenstate::State& shown, int offset);
    void readBall(randomplayer::Player& p, const screenstate::State& shown, screenstate::State& expected);

    Phase phase_ = Phase::Setup;
    int gametype_ = 1;
    bool cancelable_ = false;  // Cancel is enabled once Okay has been pressed
    std::array<bool, 5> options_{};  // Option1 to Option4 checked, from [1]
    int curball_ = 0;
    std::array<bool, 76> called_{};  // by ball, in this game
    int calls_ = 0;
    std::array<int, 51> numbers_{};  // by cell; 0 for the free spaces
    std::array<int, 51> dealtBefore_{};
    std::array<bool, 51> marks_{};
    bool dealPending_ = false;  // cards dealt and not yet read
    bool ballPending_ = false;  // a ball called and not yet read
    QStringList panel_;
    std::deque<AtMessage> messages_;  // those of the event not yet accounted for
};

} // namespace bingomodel
