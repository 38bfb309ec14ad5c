// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "bingo/bingohelp.h"

#include "bingo/bingoart.h"

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

HelpPage helpPage()
{
    HelpPage page{QStringLiteral("bingo"), QStringLiteral("Bingo"), QStringLiteral("frmBingo"), {}, {}};
    const struct {
        Pattern pattern;
        const char* name;
        const char* needs;
    } patterns[] = {
        {Blackout, "Blackout Bingo", "every cell of the card, the free space too"},
        {XOut, "X-out Bingo", "both diagonals; the free space between them is not needed"},
        {FourCorners, "4 Corners Bingo", "the four corners"},
        {FieldGoal, "Field Goal Bingo",
         "a goal post: the outer cells of the top two rows, the whole middle row with the free space, "
         "and the middle cells of the bottom two rows"},
    };
    // two to a row, so that a narrow window shows them whole
    QString figures;
    for (const auto& p : patterns)
        figures += QStringLiteral("%1<td align=\"center\" width=\"50%\">%2</td>")
                       .arg(p.pattern == FourCorners ? QStringLiteral("</tr><tr>") : QString(),
                            page.figure(bingoart::card(QStringLiteral("help/bingo-%1").arg(int(p.pattern)),
                                                       patternMarks(p.pattern),
                                                       QStringLiteral("%1: %2.").arg(QLatin1String(p.name),
                                                                                     QLatin1String(p.needs)))));

    page.html = QStringLiteral(R"(
<p>You and Grizzle each have a card of 25 cells. Balls are called one at a time; whoever is first
to complete the pattern in play wins. Grizzle's card is on the left, yours on the right.</p>

<h2>The cards</h2>
<p>Column B holds numbers from 1 to 15, I from 16 to 30, N from 31 to 45, G from 46 to 60 and
O from 61 to 75. The centre is the free space, FS, marked from the start.</p>

<h2>Starting a game</h2>
<p>When you open Bingo, the options panel is up. Choose a pattern and the call speed, then press
<b>Okay</b>. The speed bar runs from <i>Faster</i>, a ball every 2 seconds, to <i>Slower</i>, one
every 10 seconds.</p>

<h2>The patterns</h2>
<table width="100%" cellpadding="6"><tr>%1</tr></table>

<h2>Playing</h2>
<ul>
<li>Each ball is shown on the big ball with its letter, such as B7. No ball is called twice in a game.</li>
<li>Click a number on your card to mark it yellow; click it again to unmark it. From the keyboard,
Tab to your card, move with the arrow keys and mark with Space or Enter.</li>
<li>The game trusts your marks and never checks them against the balls called: mark only the
numbers you have heard.</li>
<li>Grizzle marks its own card: about once a second it looks at the ball on show and marks it if
its card has that number.</li>
</ul>

<h2>Calling Bingo</h2>
<p>When your card shows the pattern, press <b>B I N G O</b>, and you win. A complete card does not
win by itself: only the button claims it. Press it without the pattern, and Grizzle calls it
cheating: the game starts over with new cards.</p>
<p>Grizzle needs no button: it wins as soon as its card shows the pattern.</p>
<p>Blackout and Field Goal need the free space. If you unmark it, mark it again before you claim.</p>
<p>After a win, pressing OK deals new cards and the game waits: press <b>Restart</b> to play again.</p>

<h2>The buttons</h2>
<ul>
<li><b>Restart</b> deals new cards and calls the first ball at once, with the same pattern.</li>
<li><b>Options</b> pauses the game and shows the panel. <b>Okay</b> starts a new game with the
pattern chosen; <b>Cancel</b> goes back to the same game, with its pattern. A new speed counts at
once, even after Cancel.</li>
<li><b>Main Menu</b> leaves Bingo; the game is not kept.</li>
</ul>
)")
                    .arg(figures);
    return page;
}

} // namespace bingo
