// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main menu: a button for each game of the table, laid out in rows,
// Quit, the titles and the maker's note.

#include "shell/games.h"
#include "toolkit/form.h"

#include <cstddef>

class QPushButton;

class frmMainMenu : public Form {
    Q_OBJECT
public:
    // The games the menu has room for: three rows of four.
    static constexpr std::size_t kMostGames = 12;

    frmMainMenu(App& app, QWidget* parent);

    void Form_Load() override;
    void loadtheform();

    // A game's button: records the game's screen in theform, then opens it.
    void cmdGame_Click(const games::Game& game);
    void cmdQuit_Click();

    QPushButton* cmdQuit;

    // Back from a game: shows the menu with the keyboard on that game's
    // button, however the game was opened.
    void showAfterGame();

private:
    QPushButton* chosen_ = nullptr;  // the button of the game last opened
};
