// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A visit of everything the game can show, taken the same way every time and
// in every language: the main menu and the opponent panel with its music,
// every page of the help, the About box (also as it is when the audio module
// cannot load), and each game of the table: its screen, its dialogs and its
// message boxes, reached by a play of its random player's driver and by the
// steps the driver adds for what play reaches only by luck (gamedriver.h).
// It looks at the start-up's loading screen too.
// Nothing here names a game: a game added to the table is visited as it is.
//
// Each part (the shell's, each game's play, each of its steps) is taken in a
// copy of this process forked from one started application, so every part
// starts alike whatever the others did, and a game that ends the application
// ends only its part there, as the real one ends the process.

#include <QStringList>
#include <functional>

namespace visit {

// A stop of the visit: the windows are there to look at, with what they
// showed and said since the last stop that has no window of its own.
struct Stop {
    QStringList messages;  // the message boxes (the fake platform's)
    QString heard;         // what a screen reader said (screenreader.h)
};
// What it returns at each stop is kept.
using Look = std::function<QStringList(const Stop& stop)>;

struct Result {
    QStringList kept;  // what the stops returned, each line once, in order
    QString failure;   // empty, or the part that failed and how
};

// Visits everything, in the language of the default locale, looking at
// every stop.
Result everything(const Look& look);

} // namespace visit
