// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Coin Flip: the player calls Heads or Tails, the coin is tossed, and the
// score of the visit goes to whoever was right.

#include "coinflip/coinfliprules.h"
#include "toolkit/form.h"

class QPushButton;

class frmCoinFlip : public Form {
    Q_OBJECT
public:
    frmCoinFlip(App& app, QWidget* parent);

    void cmdHeads_Click();
    void cmdTails_Click();
    void cmdQuit_Click();

    QPushButton* cmdHeads;
    QPushButton* cmdTails;
    QPushButton* cmdQuit;
    PictureBox* imgCoin;
    Label* lblScore;

    coinflip::Score score;

private:
    void call(coinflip::Side side);
    void showScore();
};
