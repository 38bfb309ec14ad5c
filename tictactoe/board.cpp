// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tictactoe/board.h"

#include <QCoreApplication>

namespace tictactoe {

namespace {

bool holds(const Board& board, const Line& line, qint16 who)
{
    return board(line.first) == who && board(line.middle) == who && board(line.last) == who;
}

} // namespace

QString cellName(int cell)
{
    // the places of the board's cells, row by row
    static const char* const names[] = {
        QT_TRANSLATE_NOOP("tictactoe", "Top left"),    QT_TRANSLATE_NOOP("tictactoe", "Top centre"),
        QT_TRANSLATE_NOOP("tictactoe", "Top right"),   QT_TRANSLATE_NOOP("tictactoe", "Middle left"),
        QT_TRANSLATE_NOOP("tictactoe", "Centre"),      QT_TRANSLATE_NOOP("tictactoe", "Middle right"),
        QT_TRANSLATE_NOOP("tictactoe", "Bottom left"), QT_TRANSLATE_NOOP("tictactoe", "Bottom centre"),
        QT_TRANSLATE_NOOP("tictactoe", "Bottom right")};
    return cell >= 1 && cell <= 9 ? QCoreApplication::translate("tictactoe", names[cell - 1]) : QString();
}

Outcome outcome(const Board& board)
{
    // Counted before the lines are read: the mark that fills the board may
    // also complete a line, and then only the win counts.
    int filled = 0;
    for (qint16 cell : board.cells)
        filled += (cell == kPlayer || cell == kComputer) ? 1 : 0;

    for (const Line& line : kLines)
        if (holds(board, line, kPlayer))
            return Outcome::PlayerWins;
    for (const Line& line : kLines)
        if (holds(board, line, kComputer))
            return Outcome::ComputerWins;
    return filled == 9 ? Outcome::Draw : Outcome::None;
}

std::array<BlockingRule, 24> blockingRules()
{
    std::array<BlockingRule, 24> rules{};
    std::size_t k = 0;
    for (const Line& line : kLines) {
        rules[k++] = {line.first, line.middle, line.last};
        rules[k++] = {line.middle, line.last, line.first};
        rules[k++] = {line.first, line.last, line.middle};
    }
    return rules;
}

std::optional<int> blockingMove(const Board& board, const FreeCell& isFree)
{
    for (const BlockingRule& rule : blockingRules())
        if (board(rule.first) == kPlayer && board(rule.second) == kPlayer && isFree(rule.target))
            return rule.target;
    return std::nullopt;
}

std::optional<int> randomFreeCell(Random& random, const FreeCell& isFree)
{
    bool any = false;
    for (int cell = 1; cell <= 9; ++cell)
        any = any || isFree(cell);
    if (!any)
        return std::nullopt;
    for (;;) {
        random.Randomize();
        const int pick = randomBetween(random, 1, 9);
        if (isFree(pick))
            return pick;
    }
}

} // namespace tictactoe
