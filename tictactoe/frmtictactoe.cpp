// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tictactoe/frmtictactoe.h"

#include "tictactoe/artwork.h"
#include "toolkit/accessible.h"
#include "toolkit/announce.h"
#include "toolkit/app.h"

#include <QLocale>
#include <QPushButton>

namespace {

Label* heading(QWidget* parent, const QString& name, const QString& caption, const twips::Rect& rect,
               const QColor& color, int style)
{
    Label* l = controls::label(parent, name, caption, rect);
    l->setForeColor(color);
    fonts::set(l, "Arial Rounded MT Bold", 14.25, style);
    l->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    return l;
}

Label* score(QWidget* parent, const QString& name, const twips::Rect& rect)
{
    Label* l = controls::label(parent, name, QLocale().toString(0), rect);
    fonts::set(l, "MS Sans Serif", 9.75, fonts::Bold);
    l->setAlignment(Qt::AlignCenter);
    l->setForeColor(Qt::black);
    l->setOpaque(true);
    l->setBackColor(Qt::white);
    return l;
}

} // namespace

frmTicTacToe::frmTicTacToe(App& app, QWidget* parent)
    : Form(app, QStringLiteral("frmTicTacToe"), tr("Tic Tac Toe"), parent)
{
    twips::setRect(this, {0, 0, 6510, 5925});
    setBackColor(QColor(0, 128, 0));

    cmdRestart = controls::commandButton(this, "cmdRestart", tr("&Restart"), {2040, 5400, 975, 375});

    Picture1 = controls::pictureBox(this, "Picture1", {1320, 600, 3855, 4455});
    Picture1->setBackColor(Qt::white);
    Picture1->setPicture(tictactoe::ruledPaper());
    //: The playing board, as a screen reader names it
    accessible::setName(Picture1, tr("Board"));

    Line1 = controls::line(Picture1, "Line1", 1560, 1200, 1560, 3360);
    Line2 = controls::line(Picture1, "Line2", 2280, 1200, 2280, 3360);
    Line3 = controls::line(Picture1, "Line3", 840, 2640, 3000, 2640);
    Line4 = controls::line(Picture1, "Line4", 840, 1920, 3000, 1920);

    const std::array<double, 3> columns{870, 1590, 2310};
    const std::array<double, 3> rows{1230, 1950, 2670};
    for (int n = 1; n <= 9; ++n) {
        const double left = columns[std::size_t((n - 1) % 3)];
        const double top = rows[std::size_t((n - 1) / 3)];
        Image1[n] = controls::image(Picture1, controls::indexed("Image1", n), {left, top, 675, 675});
        connect(Image1[n], &PictureBox::clicked, this, [this, n] { Image1_Click(n); });
        // the key speaks for the cell
        accessible::setDecorative(Image1[n]);
    }
    // Made after the cells, so each key lies in front of its cell and takes
    // its clicks, to the same effect.
    for (int n = 1; n <= 9; ++n) {
        cellKey[n] = controls::label(Picture1, controls::indexed("cellKey", n), QString(), twips::rect(Image1[n]));
        // from the keyboard only, so that a click leaves no focus frame behind
        cellKey[n]->setFocusPolicy(Qt::TabFocus);
        connect(cellKey[n], &Label::clicked, this, [this, n] { Image1_Click(n); });
        nameCell(n);
    }
    new ArrowKeys({cellKey.begin() + 1, cellKey.end()}, 3);

    cmdQuit = controls::commandButton(this, "cmdQuit", tr("&Main Menu"), {3480, 5400, 975, 375});

    scr2 = score(this, "scr2", {5520, 720, 735, 255});
    scr1 = score(this, "scr1", {240, 720, 735, 255});
    accessible::setSubject(scr1, tr("Your score"));
    accessible::setSubject(scr2, tr("Grizzle's score"));

    // Each heading is drawn twice; the yellow copy stands in front of the
    // black italic one 120 twips to its right, which reads as its shadow.
    //: The heading over the player's score
    const QString you = tr("You");
    //: The heading over the opponent's score
    const QString grizzle = tr("Grizzle");
    Label12 = heading(this, "Label12", you, {-480, 120, 2295, 495}, Qt::black, fonts::Bold | fonts::Italic);
    Label17 = heading(this, "Label17", you, {-600, 120, 2295, 495}, QColor(255, 255, 0), fonts::Bold);
    Label11 = heading(this, "Label11", grizzle, {4920, 120, 2175, 495}, Qt::black, fonts::Bold | fonts::Italic);
    Label16 = heading(this, "Label16", grizzle, {4800, 120, 2175, 495}, QColor(255, 255, 0), fonts::Bold);
    accessible::setDecorative(Label12);
    accessible::setDecorative(Label11);

    lblturn = controls::label(this, "lblturn", QString(), {2520, 120, 1455, 375});
    lblturn->hide();

    imgO = controls::image(this, controls::indexed("imgO", 10), {1200, 4200, 675, 675});
    imgO->setPicture(tictactoe::ringO());
    imgO->hide();
    imgX = controls::image(this, controls::indexed("imgX", 0), {360, 4200, 675, 675});
    imgX->setPicture(tictactoe::crossX());
    imgX->hide();

    // Of the controls that take the focus, Main Menu comes before the paper
    // with its cells, then Restart.
    setTabOrder(cmdQuit, cellKey[1]);
    for (int n = 2; n <= 9; ++n)
        setTabOrder(cellKey[std::size_t(n - 1)], cellKey[std::size_t(n)]);
    setTabOrder(cellKey[9], cmdRestart);

    connect(cmdRestart, &QPushButton::clicked, this, &frmTicTacToe::cmdRestart_Click);
    connect(cmdQuit, &QPushButton::clicked, this, &frmTicTacToe::cmdQuit_Click);
}

void frmTicTacToe::Form_Load()
{
    board = {};
    playerscore = 0;
    computerscore = 0;
}

QWidget* frmTicTacToe::firstFocus()
{
    return cellKey[1];
}

bool frmTicTacToe::isFree(int cell) const
{
    // the image's own Enabled flag, whatever its containers' state
    return Image1[std::size_t(cell)]->isEnabledTo(this);
}

void frmTicTacToe::mark(int cell, const PictureBox* from, qint16 who)
{
    PictureBox* image = Image1[std::size_t(cell)];
    image->setPicture(from->picture());
    image->setEnabled(false);
    board(cell) = who;
    nameCell(cell);
}

void frmTicTacToe::nameCell(int cell)
{
    const PictureBox* image = Image1[std::size_t(cell)];
    //: What a free cell of the board holds
    const QString mark = image->picture().isNull() ? tr("empty") : image->picture().description();
    //: A cell of the board: its place, then what it holds, "Top left, empty" or "Centre, O"
    accessible::setName(cellKey[std::size_t(cell)], tr("%1, %2").arg(tictactoe::cellName(cell), mark));
}

void frmTicTacToe::Image1_Click(int Index)
{
    if (Index < 1 || Index > 9 || !isFree(Index))
        return;
    mark(Index, imgO, tictactoe::kPlayer);
    announce::say(cellKey[std::size_t(Index)]->accessibleName() + QLatin1Char('.'));
    // The O must be on screen before a message box or Grizzle's reply.
    Image1[std::size_t(Index)]->refresh();
    checkwinner();
    // Also after a game that just ended: Grizzle then opens the next one.
    dealersturn();
}

void frmTicTacToe::checkwinner()
{
    const tictactoe::Outcome result = tictactoe::outcome(board);
    if (result == tictactoe::Outcome::None)
        return;
    app().platform().MsgBox(result == tictactoe::Outcome::PlayerWins
                                ? tr("You win. Click okay to start a new game.")
                            : result == tictactoe::Outcome::ComputerWins
                                ? tr("Grizzley wins. Click okay to start a new game.")
                                //: A draw: the board is full and nobody has a line
                                : tr("Cat's tail. Nobody wins. Click okay to start a new game."));
    // The finished position stays up while the box is open; the score
    // changes only once the board is empty again.
    cmdRestart_Click();
    if (result == tictactoe::Outcome::PlayerWins)
        scr1->setText(QLocale().toString(++playerscore));
    else if (result == tictactoe::Outcome::ComputerWins)
        scr2->setText(QLocale().toString(++computerscore));
    //: Said when the board is cleared: %1 and %2 are the two scores, "Your score: 1"
    announce::say(tr("New game. %1, %2.").arg(accessible::name(scr1), accessible::name(scr2)));
}

void frmTicTacToe::dealersturn()
{
    const tictactoe::FreeCell free = [this](int cell) { return isFree(cell); };
    std::optional<int> cell = tictactoe::blockingMove(board, free);
    if (!cell)
        cell = tictactoe::randomFreeCell(app().platform(), free);
    if (cell) {
        mark(*cell, imgX, tictactoe::kComputer);
        //: Said when Grizzle plays: %1 is the cell, "Centre, X"
        announce::say(tr("Grizzle: %1.").arg(cellKey[std::size_t(*cell)]->accessibleName()));
    }
    checkwinner();
    lblturn->setText(tr("Your Turn."));
}

void frmTicTacToe::cmdRestart_Click()
{
    for (int n = 1; n <= 9; ++n) {
        board(n) = tictactoe::kEmpty;
        Image1[std::size_t(n)]->setEnabled(true);
        Image1[std::size_t(n)]->setPicture(Picture());
        nameCell(n);
    }
}

void frmTicTacToe::cmdQuit_Click()
{
    app().returnToMenu(*this);
}
