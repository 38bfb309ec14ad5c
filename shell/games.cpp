// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/games.h"

#include "bingo/bingohelp.h"
#include "bingo/frmbingo.h"
#include "fireice/fireicehelp.h"
#include "fireice/frmfireice.h"
#include "tictactoe/frmtictactoe.h"
#include "tictactoe/tictactoehelp.h"
#include "toolkit/app.h"
#include "war/frmwar.h"
#include "war/warhelp.h"

#include <QCoreApplication>
#include <algorithm>

namespace games {

namespace {

template <class Screen>
Form& screen(App& app)
{
    return app.instance<Screen>();
}

// The menu's Quit button stands between War and Tic Tac Toe in the tab order.
// The captions are the games' names on the main menu's buttons: "&" marks the
// access key, "&&" is an "&" shown.
constexpr Game kRows[] = {
    {"cmdFireIce", QT_TRANSLATE_NOOP("games", "&Fire && Ice"), {720, 1800, 1215, 375}, 0, screen<FrmFireIce>,
     fireice::helpPage},
    {"cmdWar", QT_TRANSLATE_NOOP("games", "&War"), {2040, 1800, 1215, 375}, 1, screen<frmWar>, war::helpPage},
    {"cmdTicTacToe", QT_TRANSLATE_NOOP("games", "&Tic Tac Toe"), {3360, 1800, 1215, 375}, 3, screen<frmTicTacToe>,
     tictactoe::helpPage},
    {"cmdBingo", QT_TRANSLATE_NOOP("games", "&Bingo"), {4680, 1800, 1215, 375}, 4, screen<frmBingo>, bingo::helpPage},
};

} // namespace

const std::span<const Game> kGames{kRows};

QString caption(const Game& game)
{
    return QCoreApplication::translate("games", game.caption);
}

const Game* named(std::string_view button)
{
    const auto row = std::find_if(kGames.begin(), kGames.end(), [&](const Game& g) { return g.button == button; });
    return row == kGames.end() ? nullptr : &*row;
}

} // namespace games
