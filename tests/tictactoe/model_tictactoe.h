// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Tic Tac Toe as its rules tell it, written apart from the game's code: the
// board, its eight lines in the order they are tested, Grizzle's blocking
// rules in the order he tries them and his random reply, the three messages
// and the scores; and from them the whole of what the screen must show
// (support/screenstate.h). The random player's driver plays it beside the
// screen (driver_tictactoe.cpp).

#include "support/gamedriver.h"
#include "support/screenstate.h"

#include <array>

namespace tictactoemodel {

// What a cell holds, valued as the game's board keeps it.
enum Mark { Empty = 0, O = 1, X = 2 };

class Model {
public:
    // A visit starts on the loaded screen: what is wrong with it, or empty.
    QString start(const screenstate::State& fresh);
    // What the screen must show now.
    const screenstate::State& shown() const { return shown_; }
    // Cell 1 to 9.
    Mark at(int cell) const { return board_[std::size_t(cell - 1)]; }
    long score(Mark who) const { return scores_[std::size_t(who)]; }

    // The player's O or Grizzle's X on a free cell.
    void mark(int cell, Mark who);
    // The message the board gives now, the player's lines tested first;
    // empty while the game goes on.
    QString verdict() const;
    // Once its message is closed, a game that `verdict` ended scores and
    // leaves an empty board.
    void end(const QString& verdict);
    // The cells that hold nothing here but a mark in `state`: the mark just made.
    std::vector<int> newMarks(const screenstate::State& state) const;
    // Grizzle's X about to go on free `cell`: why the rules forbid it, or empty;
    // a random reply is counted for the chances (histograms).
    QString reply(randomplayer::Player& player, int cell) const;
    // Grizzle has moved: the turn label says so.
    void replied();
    // Restart, and the end of a game: an empty board, the scores kept.
    void restart();

    // The game's three messages.
    static QStringList messages();
    // What Grizzle's random replies are counted by, and their judgement.
    static std::vector<randomplayer::Histogram> histograms();
    static QString judge(const std::vector<std::vector<long>>& counts);

private:
    void setScore(const QString& label, long score);

    std::array<Mark, 9> board_{};
    std::array<long, 3> scores_{};  // by Mark: the player's, Grizzle's
    screenstate::State fresh_;      // the screen as the visit found it
    screenstate::State shown_;
};

} // namespace tictactoemodel
