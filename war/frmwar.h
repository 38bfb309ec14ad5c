// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The War screen: Grizzle's pile top left, the player's pile bottom right,
// the two cards in play sliding out between them, and the round's result.

#include "toolkit/form.h"
#include "war/wardeck.h"

class QPushButton;

class frmWar : public Form {
    Q_OBJECT
public:
    // A slide is 40 steps of 50 twips, each shown in a frame of the display
    // of its own: about two thirds of a second at 60 Hz, so the player sees
    // every step of the card's travel.
    static constexpr int kSlideSteps = 40;
    static constexpr double kSlideStep = 50;

    frmWar(App& app, QWidget* parent);

    void Form_Load() override;
    // Shows the chosen card back on both piles. The deck options dialog calls
    // it by name once the player has chosen.
    Q_INVOKABLE void returncard();

    void dealersturn();
    void movedcard();
    void moveycard();
    void checkwinner();
    void checkforend();

    void cmdStart_Click();
    void picYourCards_Click();
    void cmdContinue_Click();
    void cmDeckOptions_Click();
    void cmdQuit_Click();

    QPushButton* cmdContinue;
    QPushButton* cmdQuit;
    QPushButton* cmdStart;
    QPushButton* cmDeckOptions;
    PictureBox* piccard2;
    PictureBox* piccard1;
    PictureBox* picDealerCards;
    PictureBox* picYourCards;
    Label* Label1;
    Label* Label2;
    Label* lblWinner;

    // The game: both hands and the cards in play.
    war::WarDeck deck;

protected:
    QWidget* firstFocus() override;

private:
    // Names the two piles with the cards left in each hand.
    void namePiles();
    Picture face(war::Card card);
    void slide(PictureBox* card, PictureBox* pile, double step);
};
