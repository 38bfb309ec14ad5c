// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How the Bingo screen shows a card: the heading over it, its column letters
// and its cells, and the keys that play the player's card.

#include <QColor>
#include <vector>

class Label;
class PictureBox;
class QString;
class QWidget;

namespace bingocard {

// The headings' yellow, and the cells' behind their numbers.
inline const QColor kYellow(255, 255, 0);

// A yellow heading on `form` with a black italic copy behind it, 120 twips
// to the right, which a reader passes over: `back` is made first.
void addHeading(QWidget* form, const char* front, const char* back, const QString& text, double left, double width);

// The column letters B to O over a card, named Label<firstNumber> onwards,
// `step` apart: the player's are numbered backwards, Label10 for B down to
// Label6 for O.
void addLetters(PictureBox* card, int firstNumber, int step);

// The screen's cell lblNumber<number>: cells 1 to 25 are the first card's,
// 26 to 50 the second's, each card's row by row. Its number shows in `text`.
Label* addCell(PictureBox* card, int number, const QColor& text);

// The player's cells, and only those, are played from the keyboard too: Tab
// reaches them and the arrow keys move among them, five to a row. A click
// with the mouse gives them no focus, so the card looks the same.
void playFromKeyboard(std::vector<QWidget*> cells);

} // namespace bingocard
