// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Fire & Ice: a random card slides back and forth and the player calls Fire
// for a red card or Ice for a black one.

#include "platform/platform.h"
#include "toolkit/form.h"

#include <memory>

class QPushButton;

class FrmFireIce : public Form {
    Q_OBJECT
public:
    FrmFireIce(App& app, QWidget* parent);

    void cmdShuffle_Click();
    void tmrMovement_Timer();
    void cmdIce_Click();
    void cmdFire_Click();
    void cmdReturn_Click();

    QPushButton* cmdReturn;
    PictureBox* picGuy;
    std::unique_ptr<Timer> tmrMovement;
    QPushButton* cmdShuffle;
    QPushButton* cmdIce;
    QPushButton* cmdFire;
    PictureBox* imgCard;

    // The card on show, as a face number 1 to 52.
    int cardnumber = 0;
    // Twips the card moves per tick; the sign is its direction.
    qint16 stepsize = 0;
    // Set by a call: the next tick makes the card's last move.
    bool stopmoving = false;

private:
    // After either call: no second call until the next shuffle, and the
    // keyboard is back on Shuffle.
    void endcall();
};
