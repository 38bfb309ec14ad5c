// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The games of the collection, as the main menu offers them. This list is
// the one place above the games that names them: a new game is a new row
// here and a button on the menu.

#include "toolkit/twips.h"

#include <array>

class App;
class Form;
struct HelpPage;

namespace games {

struct Game {
    const char* button;   // the menu button's control name
    const char* caption;  // its caption, with its access key
    twips::Rect place;    // where the button stands on the menu
    // The game's screen, made with its stored initial state but not loaded.
    Form& (*screen)(App& app);
    // How to play it: its page in the help.
    HelpPage (*help)();
};

enum Id { FireIce, War, TicTacToe, Bingo };

// In the order of Id.
extern const std::array<Game, 4> kGames;

} // namespace games
