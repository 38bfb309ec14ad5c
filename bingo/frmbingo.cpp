#include "bingo/frmbingo.h"

#include "shell/app.h"

#include <QPushButton>

frmBingo::frmBingo(App& app, QWidget* parent) : Form(app, QStringLiteral("frmBingo"), parent)
{
    twips::setRect(this, {0, 0, 6690, 6015});
    setBackColor(QColor(0, 128, 0));
    cmdQuit = controls::commandButton(this, "cmdQuit", "&Main Menu", {120, 120, 1335, 375});
    connect(cmdQuit, &QPushButton::clicked, this, &frmBingo::cmdQuit_Click);
}

void frmBingo::cmdQuit_Click()
{
    app().returnToMenu(*this);
}
