// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "coinflip/frmcoinflip.h"

#include "coinflip/coin.h"
#include "toolkit/announce.h"
#include "toolkit/app.h"

#include <QPushButton>

frmCoinFlip::frmCoinFlip(App& app, QWidget* parent)
    //: The game's name, the screen's title.
    : Form(app, QStringLiteral("frmCoinFlip"), tr("Coin Flip"), parent)
{
    twips::setRect(this, {0, 0, 6600, 7200});
    setBackColor(QColor(0, 96, 96));

    imgCoin = controls::image(this, "imgCoin", {2700, 1200, 1200, 1200});
    imgCoin->setPicture(coinflip::coin(coinflip::Side::Heads));
    //: A button: the player calls heads.
    cmdHeads = controls::commandButton(this, "cmdHeads", tr("H&eads"), {1500, 3000, 1455, 495});
    //: A button: the player calls tails.
    cmdTails = controls::commandButton(this, "cmdTails", tr("&Tails"), {3645, 3000, 1455, 495});
    lblScore = controls::label(this, "lblScore", QString(), {1500, 3720, 3600, 375});
    lblScore->setForeColor(Qt::white);
    lblScore->setAlignment(Qt::AlignCenter);
    //: A button: leaves the game for the main menu.
    cmdQuit = controls::commandButton(this, "cmdQuit", tr("&Main Menu"), {2580, 4500, 1455, 375});
    showScore();

    connect(cmdHeads, &QPushButton::clicked, this, &frmCoinFlip::cmdHeads_Click);
    connect(cmdTails, &QPushButton::clicked, this, &frmCoinFlip::cmdTails_Click);
    connect(cmdQuit, &QPushButton::clicked, this, &frmCoinFlip::cmdQuit_Click);
}

void frmCoinFlip::cmdHeads_Click()
{
    call(coinflip::Side::Heads);
}

void frmCoinFlip::cmdTails_Click()
{
    call(coinflip::Side::Tails);
}

void frmCoinFlip::call(coinflip::Side side)
{
    const coinflip::Side landed = coinflip::toss(app().platform());
    imgCoin->setPicture(coinflip::coin(landed));
    score = coinflip::scored(score, side, landed);
    showScore();
    //: Read after a toss: %1 is the side the coin shows, %2 the score.
    announce::say(tr("%1. %2.").arg(imgCoin->picture().description(), lblScore->text()));
}

void frmCoinFlip::showScore()
{
    //: The score of the visit.
    lblScore->setText(tr("You %1, Grizzle %2").arg(score.yours).arg(score.grizzles));
}

void frmCoinFlip::cmdQuit_Click()
{
    app().returnToMenu(*this);
}
