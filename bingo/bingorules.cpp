// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "bingo/bingorules.h"

#include "platform/random.h"

#include <QCoreApplication>
#include <algorithm>

namespace bingo {

Card deal(Random& random)
{
    random.Randomize();
    Card card{};
    // The scratch list is kept from column to column: its leftovers lie in
    // another column's range and so never refuse a number of this one.
    std::array<int, 5> a{};
    for (int column = 1; column <= 5; ++column) {
        const int low = 15 * (column - 1) + 1;
        for (int& slot : a) {
            int n = 0;
            do
                n = randomBetween(random, low, low + 14);
            while (std::find(a.begin(), a.end(), n) != a.end());
            slot = n;
        }
        // Column N gives its middle row to the free space, pushing its
        // third and fourth numbers down a row; the fifth is not shown.
        for (int row = 1; row <= 5; ++row) {
            int shown = row;
            if (column == 3)
                shown = row < 3 ? row : row - 1;
            const int cell = 5 * (row - 1) + column;
            card[cell - 1] = cell == kCentre ? 0 : a[shown - 1];
        }
    }
    return card;
}

void BallBag::refill()
{
    ballfree.fill(true);
    ballcount = 0;
}

int BallBag::call(Random& random)
{
    random.Randomize();
    for (;;) {
        const int b = randomBetween(random, 1, kBalls);
        if (ballfree[b]) {
            ballfree[b] = false;
            ++ballcount;
            return b;
        }
        if (ballcount >= kBalls)
            return 0;
    }
}

QString ballText(int ball)
{
    if (ball < 1 || ball > kBalls)
        return {};
    return columnLetter((ball - 1) / 15) + QString::number(ball);
}

QString columnLetter(int column)
{
    return QStringLiteral("BINGO").mid(column, 1);
}

QString freeSpaceCaption()
{
    // Like the column letters, a mark of the card sized for its cell, the
    // same in every language; a screen reader says what it means.
    return QStringLiteral("FS");
}

QString patternName(int gametype)
{
    switch (gametype) {
    case Blackout: return QCoreApplication::translate("bingo", "Blackout Bingo");
    //: The pattern of both diagonals of the card
    case XOut: return QCoreApplication::translate("bingo", "X-out Bingo");
    case FourCorners: return QCoreApplication::translate("bingo", "4 Corners Bingo");
    //: The pattern in the shape of a goal post
    case FieldGoal: return QCoreApplication::translate("bingo", "Field Goal Bingo");
    default: return {};
    }
}

std::vector<int> cellsToMark(const std::array<QString, kCardCells>& captions, int ball)
{
    for (int column = 1; column <= 5; ++column) {
        std::vector<int> cells;
        for (int cell = column; cell <= kCardCells; cell += 5) {
            bool number = false;
            if (cell != kCentre && captions[cell - 1].toInt(&number) == ball && number)
                cells.push_back(cell);
        }
        if (!cells.empty())
            return cells;
    }
    return {};
}

const std::vector<int>& patternCells(int gametype)
{
    static const std::vector<int> all = [] {
        std::vector<int> cells(kCardCells);
        for (int i = 0; i < kCardCells; ++i)
            cells[i] = i + 1;
        return cells;
    }();
    static const std::vector<int> xOut{1, 5, 7, 9, 17, 19, 21, 25};
    static const std::vector<int> corners{1, 5, 21, 25};
    static const std::vector<int> fieldGoal{1, 5, 6, 10, 11, 12, 13, 14, 15, 18, 23};
    static const std::vector<int> none;
    switch (gametype) {
    case Blackout: return all;
    case XOut: return xOut;
    case FourCorners: return corners;
    case FieldGoal: return fieldGoal;
    default: return none;
    }
}

bool hasPattern(int gametype, const std::array<bool, kCardCells>& marked)
{
    const std::vector<int>& cells = patternCells(gametype);
    return !cells.empty()
        && std::all_of(cells.begin(), cells.end(), [&](int cell) { return marked[cell - 1]; });
}

} // namespace bingo
