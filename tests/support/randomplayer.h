// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A careless player inside the process. It plays the real screens on the
// fake platform: it opens every game and leaves it, presses what is there,
// clicks anywhere, types, lets the timers run, plays games to their ends and
// quits; after every event it checks the rules that must always hold. How it
// plays each game, and that game's rules, are the game's driver's
// (gamedriver.h).
//
// Each run of the application, from the menu to its end, is played in a
// child process forked from one started application, so every run starts
// alike and an application that ends leaves its process as the real one
// does: at once, from inside the handler that ended it, without unwinding
// through Qt's frames (which Qt does not survive without leaks). The child
// shuts the application down, lets the leak checker look at what the run
// left behind, and reports to the parent.
//
// The screens' media players are the fake platform's recorders, or the real
// ones: an audio worker of each run's own, started in the child (a fork
// copies only the thread that makes it), with the audio module beside the
// program and the music where the tests find it.

#include <QString>
#include <QStringList>
#include <array>

namespace randomplayer {

// The most things a tally can count.
inline constexpr int kMaxCounters = 64;

// What the runs reached.
struct Tally {
    long events = 0;
    long runs = 0;
    long audioRuns = 0;  // runs that started the real players' worker
    std::array<long, kMaxCounters> counts{};  // by counters()
};

// What the tally counts, in the order of Tally::counts: how runs ended, and
// each game's message boxes and its drivers' own counters (gamedriver.h). A
// player who gets everywhere reaches every one of them.
QStringList counters();

struct Result {
    Tally tally;
    // Empty when every rule held; otherwise what broke, with the seed and
    // the number of the event, which replay it.
    QString failure;
};

// What the screens' media players are: the recorders, or those passing each
// command on to a real audio worker too.
enum class Players { Recording, Real };

// What else a play does: the real players.
struct Options {
    Players players = Players::Recording;
};

// Plays `events` events from `seed`, in runs of the application. The same
// seed and count play the same events.
Result play(unsigned seed, long events, const Options& options = {});

// The tally as lines for a person to read.
QString describe(const Tally& tally);

} // namespace randomplayer
