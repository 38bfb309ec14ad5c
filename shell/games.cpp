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

namespace games {

namespace {

template <class Screen>
Form& screen(App& app)
{
    return app.instance<Screen>();
}

} // namespace

const std::array<Game, 4> kGames{{
    {"cmdFireIce", "&Fire && Ice", {720, 1800, 1215, 375}, screen<FrmFireIce>, fireice::helpPage},
    {"cmdWar", "&War", {2040, 1800, 1215, 375}, screen<frmWar>, war::helpPage},
    {"cmdTicTacToe", "&Tic Tac Toe", {3360, 1800, 1215, 375}, screen<frmTicTacToe>, tictactoe::helpPage},
    {"cmdBingo", "&Bingo", {4680, 1800, 1215, 375}, screen<frmBingo>, bingo::helpPage},
}};

} // namespace games
