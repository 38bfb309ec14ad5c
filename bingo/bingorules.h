// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The rules of Bingo, apart from any screen: dealing a card, the bag of 75
// balls, the text of a ball, the opponent's marking and the four patterns.
// Cells are numbered 1 to 25 along the rows of one card; 13 is the centre.

#include <QString>
#include <array>
#include <vector>

class Random;

namespace bingo {

inline constexpr int kBalls = 75;
inline constexpr int kCardCells = 25;
inline constexpr int kCentre = 13;

// gametype values: the pattern in play.
enum Pattern : qint16 { Blackout = 1, XOut = 2, FourCorners = 3, FieldGoal = 4 };

// A dealt card by cell (index 0 is cell 1). The centre holds 0: it is the
// free space and carries no number.
using Card = std::array<int, kCardCells>;

// Reseeds, then draws the five columns from 1-15, 16-30, 31-45, 46-60 and
// 61-75, distinct within a column and kept in the order drawn. Column N
// draws five numbers like the others but shows only the first four.
Card deal(Random& random);

// The balls of one game.
struct BallBag {
    // ballfree[b] is true while ball b (1 to 75) has not been called; [0] is unused.
    std::array<bool, kBalls + 1> ballfree{};
    qint16 ballcount = 0;

    BallBag() { refill(); }
    void refill();
    // Reseeds and draws until a free ball turns up; that ball is called and
    // returned. Once all 75 have been called it draws once and returns 0.
    int call(Random& random);
};

// "B7", "O75": the column letter followed by the number; a null string
// for a number outside 1 to 75.
QString ballText(int ball);
// The letter over a column of a card, 0 to 4: "B" to "O".
QString columnLetter(int column);
// What the free space in the centre of a card shows: "FS".
QString freeSpaceCaption();
// The pattern as the player chooses it: "Blackout Bingo"; empty for a
// gametype that is none of the four.
QString patternName(int gametype);

// The cells (1 to 25) the opponent marks for the ball: every cell holding it
// in the first column, B to O, that holds it at all. The centre is never
// looked at; captions that are not numbers match nothing.
std::vector<int> cellsToMark(const std::array<QString, kCardCells>& captions, int ball);

// The cells (1 to 25) that must all be marked for the pattern.
const std::vector<int>& patternCells(int gametype);

// Whether a card whose marks are given by cell (index 0 is cell 1) shows the
// pattern. Blackout needs all 25, the centre included.
bool hasPattern(int gametype, const std::array<bool, kCardCells>& marked);

} // namespace bingo
