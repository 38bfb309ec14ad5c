// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tictactoe/tictactoehelp.h"

#include "tictactoe/artwork.h"
#include "tictactoe/board.h"

#include <QCoreApplication>
#include <QPainter>

namespace tictactoe {

namespace {

// The board's part of the screen's paper, in pixels at 100 %: the grid
// lines and the nine cells, 45 pixels each and 48 apart.
constexpr qreal kSide = 148;
constexpr qreal kFirstCell = 4;
constexpr qreal kPitch = 48;

Picture boardPicture(const QString& key, const Board& board, const QString& description)
{
    return Picture(key, QSize(int(kSide), int(kSide)), [board](QPainter& painter) {
        painter.fillRect(QRectF(0, 0, kSide, kSide), Qt::white);
        // a light edge sets the paper off from a white page
        painter.setPen(QPen(QColor(176, 176, 176), 1));
        painter.drawRect(QRectF(0.5, 0.5, kSide - 1, kSide - 1));
        painter.setPen(QPen(Qt::black, 1));
        for (qreal at : {kFirstCell + kPitch - 1.5, kFirstCell + 2 * kPitch - 1.5}) {
            painter.drawLine(QPointF(at, 2), QPointF(at, kSide - 2));
            painter.drawLine(QPointF(2, at), QPointF(kSide - 2, at));
        }
        const Picture o = ringO();
        const Picture x = crossX();
        for (int cell = 1; cell <= 9; ++cell) {
            if (board(cell) == kEmpty)
                continue;
            painter.save();
            painter.translate(kFirstCell + kPitch * ((cell - 1) % 3), kFirstCell + kPitch * ((cell - 1) / 3));
            (board(cell) == kPlayer ? o : x).draw(painter);
            painter.restore();
        }
    }, description);
}

Board withMarks(std::initializer_list<int> os, std::initializer_list<int> xs)
{
    Board board;
    for (int cell : os)
        board(cell) = kPlayer;
    for (int cell : xs)
        board(cell) = kComputer;
    return board;
}

// The board once Grizzle has answered, and the cell it chose.
std::pair<Board, int> answered(Board board)
{
    const int cell = blockingMove(board, [&](int c) { return board(c) == kEmpty; }).value_or(0);
    if (cell)
        board(cell) = kComputer;
    return {board, cell};
}

// The cell's place inside a sentence: "top left"
QString place(int cell)
{
    // row by row, like the cells
    static const char* const places[] = {
        QT_TRANSLATE_NOOP("tictactoehelp", "top left"),    QT_TRANSLATE_NOOP("tictactoehelp", "top centre"),
        QT_TRANSLATE_NOOP("tictactoehelp", "top right"),   QT_TRANSLATE_NOOP("tictactoehelp", "middle left"),
        QT_TRANSLATE_NOOP("tictactoehelp", "centre"),      QT_TRANSLATE_NOOP("tictactoehelp", "middle right"),
        QT_TRANSLATE_NOOP("tictactoehelp", "bottom left"), QT_TRANSLATE_NOOP("tictactoehelp", "bottom centre"),
        QT_TRANSLATE_NOOP("tictactoehelp", "bottom right")};
    return cell >= 1 && cell <= 9 ? QCoreApplication::translate("tictactoehelp", places[cell - 1]) : QString();
}

// "the top left and top centre": one, two or three places
QString places(std::initializer_list<int> cells)
{
    QStringList names;
    for (int cell : cells)
        names << place(cell);
    switch (names.size()) {
    //: One cell of the board, "the centre"
    case 1: return QCoreApplication::translate("tictactoehelp", "the %1").arg(names[0]);
    //: Two cells of the board, "the top left and top centre"
    case 2: return QCoreApplication::translate("tictactoehelp", "the %1 and %2").arg(names[0], names[1]);
    //: Three cells of the board, "the top left, top right and bottom right"
    default: return QCoreApplication::translate("tictactoehelp", "the %1, %2 and %3").arg(names[0], names[1], names[2]);
    }
}

// The translators name the screen's buttons and labels as the screen shows them.
constexpr HelpWords kWords{"tictactoehelp"};

// How Grizzle chooses its square, with a board where it blocks and one where
// it cannot block both of the player's lines.
QString howGrizzlePlays(HelpPage& page)
{
    const auto os = {1, 2};
    const auto xs = {5};
    const auto [blocked, block] = answered(withMarks(os, xs));
    const QString blocking = page.figure(boardPicture(
        QStringLiteral("help/tictactoe-block"), blocked,
        //: %1, %2 and %3 are places on the board, "the top left and top centre"
        QCoreApplication::translate("tictactoehelp", "Your O on %1 and Grizzle's X on %2. Grizzle blocks your row "
                                                     "on %3.")
            .arg(places(os), places(xs), places({block}))));
    const auto forkOs = {1, 3, 9};
    const auto forkXs = {2, 8};
    const auto [forked, first] = answered(withMarks(forkOs, forkXs));
    int open = 0;
    for (int cell = 1; cell <= 9; ++cell) {
        Board next = forked;
        next(cell) = kPlayer;
        if (forked(cell) == kEmpty && outcome(next) == Outcome::PlayerWins)
            open = cell;
    }
    const QString fork = page.figure(boardPicture(
        QStringLiteral("help/tictactoe-fork"), forked,
        //: %1 to %4 are places on the board, "the top left and top centre"
        QCoreApplication::translate("tictactoehelp", "Your O on %1 and Grizzle's X on %2. You have two lines to "
                                                     "finish. Grizzle blocks on %3, and %4 wins for you.")
            .arg(places(forkOs), places(forkXs), places({first}), places({open}))));
    return kWords.list("ul", {
               QT_TRANSLATE_NOOP("tictactoehelp", "Grizzle only defends. It never tries to make a line of its own."),
               QT_TRANSLATE_NOOP("tictactoehelp", "Do you have two O in a line, with the third square free? Then "
                                                  "Grizzle puts its X there."),
               QT_TRANSLATE_NOOP("tictactoehelp", "Grizzle checks the rows from the top first, then the columns from "
                                                  "the left."),
               QT_TRANSLATE_NOOP("tictactoehelp", "Then it checks the two diagonals, the one from the top left first."),
               QT_TRANSLATE_NOOP("tictactoehelp", "With nothing to block, Grizzle picks a free square at random."),
           })
        + QStringLiteral("<table width=\"100%\" cellpadding=\"6\"><tr>\n"
                         "<td align=\"center\" width=\"50%\">%1</td><td align=\"center\" width=\"50%\">%2</td>\n"
                         "</tr></table>\n")
              .arg(blocking, fork)
        + kWords.block("p", QT_TRANSLATE_NOOP("tictactoehelp", "So if you make two lines at once, Grizzle blocks only "
                                                               "one. The other one wins for you."));
}

} // namespace

HelpPage helpPage()
{
    HelpPage page{QStringLiteral("tictactoe"), QCoreApplication::translate("tictactoehelp", "Tic Tac Toe"),
                  QStringLiteral("frmTicTacToe"), {}, {}};
    const QString play = kWords.list("ul", {
        QT_TRANSLATE_NOOP("tictactoehelp", "You play O and Grizzle plays X. The board has three by three squares."),
        QT_TRANSLATE_NOOP("tictactoehelp", "Click a free square to put your O there. Grizzle answers at once."),
        QT_TRANSLATE_NOOP("tictactoehelp", "You make the first move when you arrive and after <b>Restart</b>."),
        QT_TRANSLATE_NOOP("tictactoehelp", "Three in a row, in a column or on a diagonal win the game."),
    });
    const QString end = kWords.list("ul", {
        QT_TRANSLATE_NOOP("tictactoehelp", "A game ends with three in a line, or when the board is full."),
        QT_TRANSLATE_NOOP("tictactoehelp", "A message says <i>You win.</i>, <i>Grizzley wins.</i> or, for a full "
                                           "board, <i>Cat's tail. Nobody wins.</i>"),
        QT_TRANSLATE_NOOP("tictactoehelp", "Press OK. The board is cleared, and the winner's score goes up by one."),
        QT_TRANSLATE_NOOP("tictactoehelp", "Did the game end on your move? Then Grizzle starts the next game at "
                                           "once."),
        QT_TRANSLATE_NOOP("tictactoehelp", "Did it end on Grizzle's move? Then you start."),
        QT_TRANSLATE_NOOP("tictactoehelp", "There is no last game. Play as long as you like."),
    });
    //: Alt+R and the other keys as this language's keyboards name them, with the buttons' access keys.
    const QString keys = kWords.items({
        QT_TRANSLATE_NOOP("tictactoehelp", "Tab takes you to the board. The arrow keys move between the squares. "
                                           "Space or Enter puts your O."),
        QT_TRANSLATE_NOOP("tictactoehelp", "<b>Restart</b>, or Alt+R, clears the board. The scores stay, and you "
                                           "move first."),
        QT_TRANSLATE_NOOP("tictactoehelp", "<b>Main Menu</b>, or Alt+M, leaves Tic Tac Toe. Next time the scores "
                                           "start at 0."),
    });
    const QString tips = kWords.list("ul", {
        QT_TRANSLATE_NOOP("tictactoehelp", "Set up two lines at once. Grizzle can block only one of them."),
        QT_TRANSLATE_NOOP("tictactoehelp", "The centre is part of four lines, and each corner of three. They make "
                                           "good first moves."),
        QT_TRANSLATE_NOOP("tictactoehelp", "Grizzle does not try to win. Still, a random X can make a line. Keep an "
                                           "eye on its X."),
    });
    page.html = HelpPage::outline({
        .goal = kWords.text(QT_TRANSLATE_NOOP("tictactoehelp", "Get three O in a line before Grizzle gets three X.")),
        .play = play,
        .grizzle = howGrizzlePlays(page),
        .end = end,
        .keys = keys,
        .tips = tips,
    });
    return page;
}

} // namespace tictactoe
