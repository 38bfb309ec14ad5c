// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The rules of Tic Tac Toe against Grizzle, apart from any screen: the board,
// its eight lines, the outcome of a position and the computer's choice of
// cell. Whether a cell is free is asked of the caller, because the screen
// keeps that flag on the cell's image, not on the board.

#include "platform/random.h"

#include <QString>
#include <array>
#include <functional>
#include <optional>

namespace tictactoe {

inline constexpr qint16 kEmpty = 0;
inline constexpr qint16 kPlayer = 1;    // the player's O
inline constexpr qint16 kComputer = 2;  // Grizzle's X

// Cells 1 to 9, row by row from the top left, as the player reads them.
struct Board {
    std::array<qint16, 9> cells{};

    qint16& operator()(int cell) { return cells.at(std::size_t(cell - 1)); }
    qint16 operator()(int cell) const { return cells.at(std::size_t(cell - 1)); }
};

// The cell as the player names it: "Top left", "Centre", "Bottom right".
QString cellName(int cell);

struct Line {
    int first, middle, last;
};

// Rows, then columns, then the two diagonals: the order decides which line
// is reported when one mark completes two.
inline constexpr std::array<Line, 8> kLines{{
    {1, 2, 3}, {4, 5, 6}, {7, 8, 9},
    {1, 4, 7}, {2, 5, 8}, {3, 6, 9},
    {1, 5, 9}, {3, 5, 7},
}};

enum class Outcome { None, PlayerWins, ComputerWins, Draw };

// The player's lines are tested before Grizzle's, and a full board counts as
// a draw only when no line is complete.
Outcome outcome(const Board& board);

// Two of the player's marks on a line and the cell that completes it.
struct BlockingRule {
    int first, second, target;
};

// Three rules per line, lines in order: the first two taken, the last two
// taken, then the outer two.
std::array<BlockingRule, 24> blockingRules();

using FreeCell = std::function<bool(int cell)>;

// The target of the first rule whose pair holds the player's marks and whose
// target is still free. Grizzle only blocks; it never looks for a line of its own.
std::optional<int> blockingMove(const Board& board, const FreeCell& isFree);

// Draws cells until one is free, reseeding before every draw, which gives
// each free cell the same chance. No cell at all when none is free, so a
// full board cannot hang the game.
std::optional<int> randomFreeCell(Random& random, const FreeCell& isFree);

} // namespace tictactoe
