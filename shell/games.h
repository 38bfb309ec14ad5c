// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The games of the collection, as the main menu offers them. This table is
// the one place above the games that names them: the menu makes a button
// for each row and lays the buttons out, and a new game is a new row here.

#include <QString>
#include <span>
#include <string_view>

class App;
class Form;
struct HelpPage;

namespace games {

struct Game {
    const char* button;   // the menu button's control name
    const char* caption;  // its caption, with its access key; without it, the game's name
    // Where texts that list the games (launch::summary) put it: the order
    // in which the games came to the collection.
    int listed;
    // The game's screen, made with its stored initial state but not loaded.
    Form& (*screen)(App& app);
    // How to play it: its page in the help.
    HelpPage (*help)();
};

// In the order the menu makes its buttons and the keyboard goes through them.
extern const std::span<const Game> kGames;

// The button's caption in the player's language.
QString caption(const Game& game);
// The game's name in the player's language: its caption without the access key.
QString name(const Game& game);

// The row whose menu button is named `button`; none if there is no such game.
const Game* named(std::string_view button);

} // namespace games
