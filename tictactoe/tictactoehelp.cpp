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

// A block of the page in the reader's language (HelpPage::block).
QString tagged(const char* tag, const char* text)
{
    return HelpPage::block(tag, QCoreApplication::translate("tictactoehelp", text));
}

} // namespace

HelpPage helpPage()
{
    HelpPage page{QStringLiteral("tictactoe"), QCoreApplication::translate("tictactoehelp", "Tic Tac Toe"),
                  QStringLiteral("frmTicTacToe"), {}, {}};
    const auto os = {1, 2};
    const auto xs = {5};
    const auto [blocked, block] = answered(withMarks(os, xs));
    const QString blocking = page.figure(boardPicture(
        QStringLiteral("help/tictactoe-block"), blocked,
        //: %1, %2 and %3 are places on the board, "the top left and top centre"
        QCoreApplication::translate("tictactoehelp",
                                    "Your O on %1, Grizzle's first X on %2: it blocks your row with its X on %3.")
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
        QCoreApplication::translate("tictactoehelp",
                                    "Your O on %1, Grizzle's X on %2: you threaten two lines, Grizzle blocks the one "
                                    "it looks at first with its X on %3, and %4 wins for you.")
            .arg(places(forkOs), places(forkXs), places({first}), places({open}))));

    page.html = tagged("p", QT_TRANSLATE_NOOP("tictactoehelp",
                                              "You play O and Grizzle plays X on a board of three by three. Three of "
                                              "one kind in a row, a column or a diagonal win."))
        + tagged("h2", QT_TRANSLATE_NOOP("tictactoehelp", "Playing"))
        + tagged("p", QT_TRANSLATE_NOOP("tictactoehelp",
                                        "Click a free square to put your O there, or Tab to the board, move with the "
                                        "arrow keys and press Space or Enter. Grizzle answers at once. You make the "
                                        "first move when you arrive and after <b>Restart</b>."))
        + tagged("h2", QT_TRANSLATE_NOOP("tictactoehelp", "How Grizzle plays"))
        + tagged("p", QT_TRANSLATE_NOOP("tictactoehelp",
                                        "Grizzle only defends. When you have two O in a line and its third square is "
                                        "free, Grizzle puts its X there. It looks at the lines in a fixed order (the "
                                        "rows from the top, the columns from the left, then the diagonal from the top "
                                        "left and the one from the top right) and blocks the first open pair it "
                                        "finds. With nothing to block, it plays a free square at random. It never "
                                        "looks for a line of its own, and completes one only by chance."))
        + QStringLiteral("<table width=\"100%\" cellpadding=\"6\"><tr>\n"
                         "<td align=\"center\" width=\"50%\">%1</td><td align=\"center\" width=\"50%\">%2</td>\n"
                         "</tr></table>\n")
              .arg(blocking, fork)
        + tagged("p", QT_TRANSLATE_NOOP("tictactoehelp",
                                        "So when you threaten two lines at once, Grizzle blocks one, and the other is "
                                        "yours."))
        + tagged("h2", QT_TRANSLATE_NOOP("tictactoehelp", "The end of a game"))
        + tagged("p", QT_TRANSLATE_NOOP("tictactoehelp",
                                        "A message says how it went: <i>You win.</i>, <i>Grizzley wins.</i>, or, "
                                        "when the board is full without a line, <i>Cat's tail. Nobody wins.</i> Press "
                                        "OK: the board is cleared, and a win adds one to the winner's score under its "
                                        "name."))
        + tagged("p", QT_TRANSLATE_NOOP("tictactoehelp",
                                        "If the game ended on your move, a win or a board you filled, Grizzle opens "
                                        "the next game at once. If it ended on Grizzle's move, the next first move is "
                                        "yours."))
        + tagged("h2", QT_TRANSLATE_NOOP("tictactoehelp", "The buttons"))
        + QStringLiteral("<ul>\n")
        + tagged("li", QT_TRANSLATE_NOOP("tictactoehelp",
                                         "<b>Restart</b> clears the board in the middle of a game and keeps the "
                                         "scores; the next move is yours."))
        + tagged("li", QT_TRANSLATE_NOOP("tictactoehelp",
                                         "<b>Main Menu</b> leaves Tic Tac Toe. The scores count the games of one "
                                         "visit, so they start again from 0 next time."))
        + QStringLiteral("</ul>\n");
    return page;
}

} // namespace tictactoe
