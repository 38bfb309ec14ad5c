// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/games.h"

#include "bingo/bingohelp.h"
#include "bingo/frmbingo.h"
#include "fireice/fireicehelp.h"
#include "fireice/frmfireice.h"
#include "shell/frmmainmenu.h"
#include "tictactoe/frmtictactoe.h"
#include "tictactoe/tictactoehelp.h"
#include "toolkit/app.h"
#include "toolkit/controls.h"
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

// The captions are the games' names on the main menu's buttons: "&" marks the
// access key, "&&" is an "&" shown.
constexpr Game kRows[] = {
    {"cmdFireIce", QT_TRANSLATE_NOOP("games", "&Fire && Ice"), 4, screen<FrmFireIce>, fireice::helpPage},
    {"cmdWar", QT_TRANSLATE_NOOP("games", "&War"), 1, screen<frmWar>, war::helpPage},
    {"cmdTicTacToe", QT_TRANSLATE_NOOP("games", "&Tic Tac Toe"), 3, screen<frmTicTacToe>, tictactoe::helpPage},
    {"cmdBingo", QT_TRANSLATE_NOOP("games", "&Bingo"), 2, screen<frmBingo>, bingo::helpPage},
// the test tree's five-game build adds its game here (tests/fifthgame/CMakeLists.txt)
#ifdef CARDOVIA_EXTRA_GAMES
#include CARDOVIA_EXTRA_GAMES
#endif
};
static_assert(std::size(kRows) <= frmMainMenu::kMostGames, "the main menu has no room for more games");

} // namespace

const std::span<const Game> kGames{kRows};

QString caption(const Game& game)
{
    return QCoreApplication::translate("games", game.caption);
}

QString name(const Game& game)
{
    return controls::plainCaption(caption(game));
}

const Game* named(std::string_view button)
{
    const auto row = std::find_if(kGames.begin(), kGames.end(), [&](const Game& g) { return g.button == button; });
    return row == kGames.end() ? nullptr : &*row;
}

} // namespace games
