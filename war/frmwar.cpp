#include "war/frmwar.h"

#include "shell/app.h"

#include <QPushButton>

frmWar::frmWar(App& app, QWidget* parent) : Form(app, QStringLiteral("frmWar"), parent)
{
    twips::setRect(this, {0, 0, 6795, 5640});
    setBackColor(QColor(0, 128, 0));
    cmdQuit = controls::commandButton(this, "cmdQuit", "&Main Menu", {3000, 5160, 1455, 375});
    connect(cmdQuit, &QPushButton::clicked, this, &frmWar::cmdQuit_Click);
}

void frmWar::cmdQuit_Click()
{
    app().returnToMenu(*this);
}
