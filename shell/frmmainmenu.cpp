// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/frmmainmenu.h"

#include "cards/frmcardimages.h"
#include "platform/appinfo.h"
#include "platform/platform.h"
#include "shell/art.h"
#include "shell/cardovia.h"
#include "shell/frmmain.h"

#include <QPushButton>

frmMainMenu::frmMainMenu(App& app, QWidget* parent)
    : Form(app, QStringLiteral("frmMainMenu"), QStringLiteral("Main menu"), parent)
{
    setWindowTitle(QStringLiteral("Main Menu"));
    setWindowIcon(art::menuIcon());
    setBackColor(QColor(0, 0, 255));
    fonts::set(this, "MS Sans Serif", 8.25, fonts::Bold);

    cmdFireIce = gameButton(games::FireIce);
    cmdWar = gameButton(games::War);
    cmdTicTacToe = gameButton(games::TicTacToe);
    cmdBingo = gameButton(games::Bingo);
    cmdQuit = controls::commandButton(this, "cmdQuit", "Quit", {2760, 2400, 1095, 375});
    for (QPushButton* b : {cmdFireIce, cmdWar, cmdTicTacToe, cmdBingo, cmdQuit})
        fonts::setStandard(b);
    connect(cmdFireIce, &QPushButton::clicked, this, &frmMainMenu::cmdFireIce_Click);
    connect(cmdWar, &QPushButton::clicked, this, &frmMainMenu::cmdWar_Click);
    connect(cmdTicTacToe, &QPushButton::clicked, this, &frmMainMenu::cmdTicTacToe_Click);
    connect(cmdBingo, &QPushButton::clicked, this, &frmMainMenu::cmdBingo_Click);
    connect(cmdQuit, &QPushButton::clicked, this, &frmMainMenu::cmdQuit_Click);
    setTabOrder(cmdFireIce, cmdWar);
    setTabOrder(cmdWar, cmdQuit);
    setTabOrder(cmdQuit, cmdTicTacToe);
    setTabOrder(cmdTicTacToe, cmdBingo);

    // Label2 stands in front of Label1, so the two make a shadowed title.
    Label* shadow = controls::label(this, "Label1", "The Main Menu", {1560, 240, 2535, 495});
    shadow->setForeColor(QColor(0, 64, 0));
    fonts::set(shadow, "MS Sans Serif", 13.5, fonts::Bold | fonts::Italic);
    Label* title = controls::label(this, "Label2", "The Main Menu ... Thusfar", {1560, 240, 3855, 495});
    title->setForeColor(QColor(255, 255, 0));
    fonts::set(title, "MS Sans Serif", 13.5, fonts::Bold);

    PictureBox* logo = controls::image(this, "Picture1", {1860, 3120, 2895, 1095});
    logo->setPicture(art::logo());

    Label* note = controls::label(this, "Label3",
                                  "     This is the start to a great collection of games.  These are the game "
                                  "we have made so far.  If you have any ideas on an addition to this, send "
                                  "them to us.",
                                  {1260, 4560, 4095, 855});
    note->setOpaque(true);
    note->setBackColor(QColor(128, 255, 255));
    note->setForeColor(Qt::black);
    note->setBorder(true);

    Label* mail = controls::label(this, "Label4",
                                  QStringLiteral("Send it to us at %1 ").arg(QString::fromUtf8(appinfo::kEmail)),
                                  {1350, 5520, 3975, 255});
    mail->setForeColor(Qt::white);
    Label* web = controls::label(this, "Label5",
                                 QStringLiteral("Or visit us at   %1").arg(QString::fromUtf8(appinfo::kWebAddress)),
                                 {900, 5760, 4815, 255});
    web->setForeColor(Qt::white);
}

QPushButton* frmMainMenu::gameButton(games::Id game)
{
    const games::Game& g = games::kGames[game];
    return controls::commandButton(this, g.button, g.caption, g.place);
}

void frmMainMenu::Form_Load()
{
    const frmMain& main = Cardovia::of(*this).main();
    twips::setRect(this, {0, 0, main.Width() - 3000, main.Height()});
    app().form<frmCardImages>().cardtype = 1;
}

void frmMainMenu::loadtheform()
{
    Form* form = app().theform;
    app().load(*form);
    const frmMain& main = Cardovia::of(*this).main();
    twips::setRect(form, {0, 0, main.Width() - 3000, main.Height()});
    form->setEnabled(true);
    form->setVisible(true);
    // Before the menu goes: hiding the focused button would hand the focus
    // to the opponent panel.
    form->focusFirst();
    setVisible(false);
}

void frmMainMenu::choose(games::Id game)
{
    // the game is recorded before it is loaded, as loadtheform expects
    app().theform = &games::kGames[game].screen(app());
    loadtheform();
}

void frmMainMenu::cmdFireIce_Click()
{
    choose(games::FireIce);
}

void frmMainMenu::cmdWar_Click()
{
    choose(games::War);
}

void frmMainMenu::cmdTicTacToe_Click()
{
    choose(games::TicTacToe);
}

void frmMainMenu::cmdBingo_Click()
{
    choose(games::Bingo);
}

void frmMainMenu::cmdQuit_Click()
{
    app().platform().End();
}
