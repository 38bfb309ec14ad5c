// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A careless player inside the process. It plays the real screens on the
// fake platform: it opens every game and leaves it, presses what is there,
// clicks anywhere, types, lets the timers run, plays games to their ends and
// quits; after every event it checks the rules that must always hold.
//
// Each run of the application, from the menu to its end, is played in a
// child process forked from one started application, so every run starts
// alike and an application that ends leaves its process as the real one
// does: at once, from inside the handler that ended it, without unwinding
// through Qt's frames (which Qt does not survive without leaks). The child
// shuts the application down, lets the leak checker look at what the run
// left behind, and reports to the parent.

#include <QString>
#include <array>

namespace randomplayer {

// The texts of the design's message boxes, the only ones a run may show.
inline constexpr int kMessages = 10;
extern const std::array<const char*, kMessages> kMessageTexts;

// What the runs reached.
struct Tally {
    long events = 0;
    long runs = 0;
    std::array<long, kMessages> messages{};  // by kMessageTexts
    std::array<long, 4> bingoGames{};        // won by either side, by pattern (gametype 1 to 4)
    long endedByWar = 0;
    long endedByQuit = 0;      // the menu's Quit button
    long endedByFileQuit = 0;  // File, Quit
};

struct Result {
    Tally tally;
    // Empty when every rule held; otherwise what broke, with the seed and
    // the number of the event, which replay it.
    QString failure;
};

// Plays `events` events from `seed`, in runs of the application. The same
// seed and count play the same events.
Result play(unsigned seed, long events);

// The tally as lines for a person to read.
QString describe(const Tally& tally);

} // namespace randomplayer
