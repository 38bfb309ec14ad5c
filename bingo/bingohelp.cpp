// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "bingo/bingohelp.h"

#include "bingo/bingoart.h"

#include <QCoreApplication>

namespace bingo {

std::array<bool, kCardCells> patternMarks(int gametype)
{
    std::array<bool, kCardCells> needed{};
    for (int cell = 0; cell < kCardCells; ++cell) {
        std::array<bool, kCardCells> marks;
        marks.fill(true);
        marks[std::size_t(cell)] = false;
        needed[std::size_t(cell)] = !hasPattern(gametype, marks);
    }
    return needed;
}

namespace {

// The translators name the screen's buttons and labels as the screen shows them.
constexpr HelpWords kWords{"bingohelp"};

// The patterns' pictures, two to a row: a narrow window shows them whole.
QString patternFigures(HelpPage& page)
{
    const struct {
        Pattern pattern;
        const char* needs;
    } patterns[] = {
        //: %1 is the pattern's name, "Blackout Bingo"
        {Blackout, QT_TRANSLATE_NOOP("bingohelp", "%1: every cell, the free space too.")},
        //: %1 is the pattern's name, "X-out Bingo"
        {XOut, QT_TRANSLATE_NOOP("bingohelp", "%1: both diagonals. The free space does not count.")},
        //: %1 is the pattern's name, "4 Corners Bingo"
        {FourCorners, QT_TRANSLATE_NOOP("bingohelp", "%1: the four corners.")},
        //: %1 is the pattern's name, "Field Goal Bingo"
        {FieldGoal, QT_TRANSLATE_NOOP("bingohelp", "%1: a goal post, with the free space.")},
    };
    QString figures;
    for (const auto& p : patterns)
        figures += QStringLiteral("%1<td align=\"center\" width=\"50%\">%2</td>")
                       .arg(p.pattern == FourCorners ? QStringLiteral("</tr><tr>") : QString(),
                            page.figure(bingoart::card(QStringLiteral("help/bingo-%1").arg(int(p.pattern)),
                                                       patternMarks(p.pattern),
                                                       kWords.text(p.needs).arg(patternName(p.pattern)))));
    return QStringLiteral("<table width=\"100%\" cellpadding=\"6\"><tr>%1</tr></table>\n").arg(figures);
}

// The cards, the options panel, the patterns and the marking.
QString howToPlay(HelpPage& page)
{
    //: %1 is the number of cells on a card.
    return HelpPage::block("p", kWords.text(QT_TRANSLATE_NOOP("bingohelp", "You and Grizzle each have a card of %1 "
                                                                           "cells. Grizzle's card is on the left, "
                                                                           "yours on the right."))
                                    .arg(kCardCells))
        + kWords.block("p", QT_TRANSLATE_NOOP("bingohelp", "Each column has its own numbers. B has 1 to 15, and I has "
                                                           "16 to 30."))
        + kWords.block("p", QT_TRANSLATE_NOOP("bingohelp", "N has 31 to 45, G has 46 to 60, and O has 61 to 75."))
        //: %1 is what the free space shows, "FS"
        + HelpPage::block("p", kWords.text(QT_TRANSLATE_NOOP("bingohelp", "The middle cell is the free space, %1. It "
                                                                          "is marked from the start."))
                                   .arg(freeSpaceCaption()))
        + kWords.list("ol", {
              QT_TRANSLATE_NOOP("bingohelp", "When you open Bingo, the options panel is up. Choose a pattern and a "
                                             "call speed."),
              QT_TRANSLATE_NOOP("bingohelp", "Press <b>Okay</b>. A ball is called every few seconds. It shows on the "
                                             "big ball, like B7."),
              QT_TRANSLATE_NOOP("bingohelp", "Is that number on your card? Click it to mark it yellow. Click it "
                                             "again to take the mark away."),
              //: <nobr> keeps the button's spaced letters on one line.
              QT_TRANSLATE_NOOP("bingohelp", "Fill the pattern on your card, then press <b><nobr>B I N G "
                                             "O</nobr></b>."),
          })
        + kWords.block("p", QT_TRANSLATE_NOOP("bingohelp", "No ball is called twice in a game. The game trusts your "
                                                           "marks, so mark only the balls called."))
        + kWords.block("p", QT_TRANSLATE_NOOP("bingohelp", "These are the four patterns:"))
        + patternFigures(page);
}

QString howItEnds()
{
    return kWords.block("p", QT_TRANSLATE_NOOP("bingohelp", "A full pattern does not win by itself. You win only "
                                                            "when you press <b><nobr>B I N G O</nobr></b>."))
        + kWords.block("p", QT_TRANSLATE_NOOP("bingohelp", "Press it without the pattern, and Grizzle calls it "
                                                           "cheating. The game starts over with new cards."))
        + kWords.block("p", QT_TRANSLATE_NOOP("bingohelp", "Grizzle wins as soon as its card shows the pattern. So "
                                                           "claim your win quickly."))
        //: %1 is the number of balls, 75.
        + HelpPage::block("p", kWords.text(QT_TRANSLATE_NOOP("bingohelp", "The balls never run out without a winner. "
                                                                          "By the last of the %1 balls, Grizzle's "
                                                                          "card is full. So if nobody claims, Grizzle "
                                                                          "wins then at the latest."))
                                   .arg(kBalls))
        + kWords.block("p", QT_TRANSLATE_NOOP("bingohelp", "After a win, press OK. New cards are dealt, and the game "
                                                           "waits. Press <b>Restart</b> to play again."));
}

} // namespace

HelpPage helpPage()
{
    HelpPage page{QStringLiteral("bingo"), QCoreApplication::translate("bingohelp", "Bingo"),
                  QStringLiteral("frmBingo"), {}, {}};
    const QString grizzle = kWords.list("ul", {
        QT_TRANSLATE_NOOP("bingohelp", "Grizzle marks its own card. About once a second, it looks at the ball on "
                                       "show."),
        QT_TRANSLATE_NOOP("bingohelp", "If its card has that number, Grizzle marks it. It never misses a ball."),
        QT_TRANSLATE_NOOP("bingohelp", "Grizzle needs no button. It wins the moment its card shows the pattern."),
    });
    //: Alt+R and the other keys as this language's keyboards name them, with the buttons' access keys.
    const QString keys = kWords.items({
        QT_TRANSLATE_NOOP("bingohelp", "<b><nobr>B I N G O</nobr></b> claims your win. Click it, or Tab to it and "
                                       "press Space."),
        QT_TRANSLATE_NOOP("bingohelp", "Tab takes you to your card. The arrow keys move between its cells. Space or "
                                       "Enter marks one."),
        QT_TRANSLATE_NOOP("bingohelp", "<b>Restart</b>, or Alt+R, deals new cards. The first ball comes at once, "
                                       "with the same pattern."),
        QT_TRANSLATE_NOOP("bingohelp", "<b>Options</b>, or Alt+O, pauses the game and shows the options panel."),
        QT_TRANSLATE_NOOP("bingohelp", "On the panel, the arrow keys choose a pattern and move the speed bar."),
        QT_TRANSLATE_NOOP("bingohelp", "<b>Okay</b>, or Alt+O, starts a new game with the pattern you chose."),
        QT_TRANSLATE_NOOP("bingohelp", "<b>Cancel</b>, or Alt+C, goes back to the same game. A new speed counts "
                                       "even then."),
        QT_TRANSLATE_NOOP("bingohelp", "<b>Main Menu</b>, or Alt+M, leaves Bingo. The game is not kept."),
    });
    const QString tips = kWords.list("ul", {
        //: "Faster" and "Slower" as the options panel shows them under the speed bar.
        QT_TRANSLATE_NOOP("bingohelp", "At <i>Faster</i>, a ball comes every 2 seconds. At <i>Slower</i>, one "
                                       "comes every 10 seconds."),
        QT_TRANSLATE_NOOP("bingohelp", "Too fast? Move the bar to the right for more time."),
        QT_TRANSLATE_NOOP("bingohelp", "4 Corners is over quickly. Blackout needs every number, so it takes longest."),
        QT_TRANSLATE_NOOP("bingohelp", "Blackout and Field Goal need the free space. Did you unmark it? Mark it "
                                       "again before you claim."),
    });
    page.html = HelpPage::outline({
        .goal = kWords.text(QT_TRANSLATE_NOOP("bingohelp", "Complete the pattern on your card first, and claim it "
                                                           "with <b><nobr>B I N G O</nobr></b>.")),
        .play = howToPlay(page),
        .grizzle = grizzle,
        .end = howItEnds(),
        .keys = keys,
        .tips = tips,
    });
    return page;
}

} // namespace bingo
