// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main menu: the four games, Quit, the titles and the maker's note.

#include "shell/games.h"
#include "toolkit/form.h"

class QPushButton;

class frmMainMenu : public Form {
    Q_OBJECT
public:
    frmMainMenu(App& app, QWidget* parent);

    void Form_Load() override;
    void loadtheform();

    void cmdFireIce_Click();
    void cmdWar_Click();
    void cmdTicTacToe_Click();
    void cmdBingo_Click();
    void cmdQuit_Click();

    QPushButton* cmdFireIce;
    QPushButton* cmdWar;
    QPushButton* cmdTicTacToe;
    QPushButton* cmdBingo;
    QPushButton* cmdQuit;

private:
    QPushButton* gameButton(games::Id game);
    // Records the game's screen in theform, then opens it.
    void choose(games::Id game);
};
