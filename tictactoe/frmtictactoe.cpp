#include "tictactoe/frmtictactoe.h"

#include "shell/app.h"

#include <QPushButton>

frmTicTacToe::frmTicTacToe(App& app, QWidget* parent) : Form(app, QStringLiteral("frmTicTacToe"), parent)
{
    twips::setRect(this, {0, 0, 6510, 5925});
    setBackColor(QColor(0, 128, 0));
    cmdQuit = controls::commandButton(this, "cmdQuit", "&Main Menu", {3480, 5400, 975, 375});
    connect(cmdQuit, &QPushButton::clicked, this, &frmTicTacToe::cmdQuit_Click);
}

void frmTicTacToe::cmdQuit_Click()
{
    app().returnToMenu(*this);
}
