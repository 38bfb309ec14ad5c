// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "bingo/bingohelp.h"

#include "bingo/bingoart.h"

#include <QCoreApplication>

namespace bingo {

namespace {

// A block of the page in the reader's language (HelpPage::block).
QString tagged(const char* tag, const char* text)
{
    return HelpPage::block(tag, QCoreApplication::translate("bingohelp", text));
}

} // namespace

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

// The patterns' pictures, two to a row: a narrow window shows them whole.
QString patternFigures(HelpPage& page)
{
    const struct {
        Pattern pattern;
        const char* needs;
    } patterns[] = {
        //: %1 is the pattern's name, "Blackout Bingo"
        {Blackout, QT_TRANSLATE_NOOP("bingohelp", "%1: every cell of the card, the free space too.")},
        //: %1 is the pattern's name, "X-out Bingo"
        {XOut, QT_TRANSLATE_NOOP("bingohelp", "%1: both diagonals; the free space between them is not needed.")},
        //: %1 is the pattern's name, "4 Corners Bingo"
        {FourCorners, QT_TRANSLATE_NOOP("bingohelp", "%1: the four corners.")},
        //: %1 is the pattern's name, "Field Goal Bingo"
        {FieldGoal, QT_TRANSLATE_NOOP("bingohelp",
                                      "%1: a goal post: the outer cells of the top two rows, the whole middle row "
                                      "with the free space, and the middle cells of the bottom two rows.")},
    };
    QString figures;
    for (const auto& p : patterns)
        figures += QStringLiteral("%1<td align=\"center\" width=\"50%\">%2</td>")
                       .arg(p.pattern == FourCorners ? QStringLiteral("</tr><tr>") : QString(),
                            page.figure(bingoart::card(
                                QStringLiteral("help/bingo-%1").arg(int(p.pattern)), patternMarks(p.pattern),
                                QCoreApplication::translate("bingohelp", p.needs).arg(patternName(p.pattern)))));

    return figures;
}

// How a game is played and claimed, and what the buttons do.
QString playingAndButtons()
{
    return tagged("h2", QT_TRANSLATE_NOOP("bingohelp", "Playing"))
        + QStringLiteral("<ul>\n")
        + tagged("li", QT_TRANSLATE_NOOP("bingohelp",
                                         "Each ball is shown on the big ball with its letter, such as B7. No ball is "
                                         "called twice in a game."))
        + tagged("li", QT_TRANSLATE_NOOP("bingohelp",
                                         "Click a number on your card to mark it yellow; click it again to unmark "
                                         "it. From the keyboard, Tab to your card, move with the arrow keys and mark "
                                         "with Space or Enter."))
        + tagged("li", QT_TRANSLATE_NOOP("bingohelp",
                                         "The game trusts your marks and never checks them against the balls called: "
                                         "mark only the numbers you have heard."))
        + tagged("li", QT_TRANSLATE_NOOP("bingohelp",
                                         "Grizzle marks its own card: about once a second it looks at the ball on "
                                         "show and marks it if its card has that number."))
        + QStringLiteral("</ul>\n")
        + tagged("h2", QT_TRANSLATE_NOOP("bingohelp", "Calling Bingo"))
        + tagged("p", QT_TRANSLATE_NOOP("bingohelp",
                                        "When your card shows the pattern, press <b>B I N G O</b>, and you win. A "
                                        "complete card does not win by itself: only the button claims it. Press it "
                                        "without the pattern, and Grizzle calls it cheating: the game starts over "
                                        "with new cards."))
        + tagged("p", QT_TRANSLATE_NOOP("bingohelp",
                                        "Grizzle needs no button: it wins as soon as its card shows the pattern."))
        + tagged("p", QT_TRANSLATE_NOOP("bingohelp",
                                        "Blackout and Field Goal need the free space. If you unmark it, mark it "
                                        "again before you claim."))
        + tagged("p", QT_TRANSLATE_NOOP("bingohelp",
                                        "After a win, pressing OK deals new cards and the game waits: press "
                                        "<b>Restart</b> to play again."))
        + tagged("h2", QT_TRANSLATE_NOOP("bingohelp", "The buttons"))
        + QStringLiteral("<ul>\n")
        + tagged("li", QT_TRANSLATE_NOOP("bingohelp",
                                         "<b>Restart</b> deals new cards and calls the first ball at once, with the "
                                         "same pattern."))
        + tagged("li", QT_TRANSLATE_NOOP("bingohelp",
                                         "<b>Options</b> pauses the game and shows the panel. <b>Okay</b> starts a "
                                         "new game with the pattern chosen; <b>Cancel</b> goes back to the same "
                                         "game, with its pattern. A new speed counts at once, even after Cancel."))
        + tagged("li", QT_TRANSLATE_NOOP("bingohelp", "<b>Main Menu</b> leaves Bingo; the game is not kept."))
        + QStringLiteral("</ul>\n");
}

} // namespace

HelpPage helpPage()
{
    HelpPage page{QStringLiteral("bingo"), QCoreApplication::translate("bingohelp", "Bingo"),
                  QStringLiteral("frmBingo"), {}, {}};
    const QString figures = patternFigures(page);
    page.html = tagged("p", QT_TRANSLATE_NOOP("bingohelp",
                                              "You and Grizzle each have a card of %1 cells. Balls are called one at "
                                              "a time; whoever is first to complete the pattern in play wins. "
                                              "Grizzle's card is on the left, yours on the right."))
                    .arg(kCardCells)
        + tagged("h2", QT_TRANSLATE_NOOP("bingohelp", "The cards"))
        //: %1 is what the free space shows, "FS"
        + tagged("p", QT_TRANSLATE_NOOP("bingohelp",
                                        "Column B holds numbers from 1 to 15, I from 16 to 30, N from 31 to 45, G "
                                        "from 46 to 60 and O from 61 to 75. The centre is the free space, %1, marked "
                                        "from the start."))
              .arg(freeSpaceCaption())
        + tagged("h2", QT_TRANSLATE_NOOP("bingohelp", "Starting a game"))
        + tagged("p", QT_TRANSLATE_NOOP("bingohelp",
                                        "When you open Bingo, the options panel is up. Choose a pattern and the call "
                                        "speed, then press <b>Okay</b>. The speed bar runs from <i>Faster</i>, a ball "
                                        "every 2 seconds, to <i>Slower</i>, one every 10 seconds."))
        + tagged("h2", QT_TRANSLATE_NOOP("bingohelp", "The patterns"))
        + QStringLiteral("<table width=\"100%\" cellpadding=\"6\"><tr>%1</tr></table>\n").arg(figures)
        + playingAndButtons();
    return page;
}

} // namespace bingo
