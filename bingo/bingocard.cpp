// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "bingo/bingocard.h"

#include "bingo/bingorules.h"
#include "toolkit/accessible.h"
#include "toolkit/controls.h"
#include "toolkit/keyboard.h"

namespace bingocard {

void addHeading(QWidget* form, const char* front, const char* back, const QString& text, double left, double width)
{
    Label* shadow = controls::label(form, back, text, {left + 120, 2520, width, 495});
    fonts::set(shadow, "Arial Rounded MT Bold", 14.25, fonts::Bold | fonts::Italic);
    shadow->setForeColor(Qt::black);
    // a reader says the name once
    accessible::setDecorative(shadow);
    Label* name = controls::label(form, front, text, {left, 2520, width, 495});
    fonts::set(name, "Arial Rounded MT Bold", 14.25, fonts::Bold);
    name->setForeColor(kYellow);
    for (Label* l : {shadow, name})
        l->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
}

void addLetters(PictureBox* card, int firstNumber, int step)
{
    static const double lefts[] = {120, 660, 1080, 1560, 2040};
    for (int i = 0; i < 5; ++i) {
        const double width = i == 1 ? 255 : 375;
        Label* l = controls::label(card, QStringLiteral("Label%1").arg(firstNumber + step * i),
                                   bingo::columnLetter(i), {lefts[i], 0, width, 375});
        fonts::set(l, "Wide Latin", 14.25);
        l->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        l->setForeColor(Qt::black);
    }
}

Label* addCell(PictureBox* card, int number, const QColor& text)
{
    const int cell = (number - 1) % bingo::kCardCells;
    Label* l = controls::label(card, controls::indexed("lblNumber", number), QString(),
                               {120.0 + 480 * (cell % 5), 480.0 + 480 * (cell / 5), 375, 375});
    fonts::set(l, "Courier New", 11.25, fonts::Bold);
    l->setForeColor(text);
    l->setBorder(true);
    l->setAlignment(Qt::AlignCenter);
    l->setWordWrap(false);
    return l;
}

void playFromKeyboard(std::vector<QWidget*> cells)
{
    for (QWidget* cell : cells)
        cell->setFocusPolicy(Qt::TabFocus);
    new ArrowKeys(std::move(cells), 5);
}

} // namespace bingocard
