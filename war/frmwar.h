// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The War screen: Grizzle's pile top left, the player's pile bottom right,
// the two cards in play sliding out between them, and the round's result.

#include "platform/platform.h"
#include "toolkit/form.h"
#include "war/wardeck.h"

#include <QSet>
#include <functional>
#include <memory>

class QPushButton;

class frmWar : public Form {
    Q_OBJECT
public:
    // A slide is 40 steps of 50 twips, each shown in a frame of the display
    // of its own: about two thirds of a second at 60 Hz, so the player sees
    // every step of the card's travel. A step lasts 17 ms, a whole frame at
    // 60 Hz: at 16 ms two steps would now and then fall into one frame.
    static constexpr int kSlideSteps = 40;
    static constexpr double kSlideStep = 50;
    static constexpr int kSlideInterval = 17;

    frmWar(App& app, QWidget* parent);

    void Form_Load() override;
    // Shows the chosen card back on both piles. The deck options dialog calls
    // it by name once the player has chosen.
    Q_INVOKABLE void returncard();

    // Grizzle's card slides out; `landed` runs once it has arrived.
    void dealersturn(std::function<void()> landed);
    void movedcard(std::function<void()> landed);
    void moveycard(std::function<void()> landed);
    void checkwinner();
    void checkforend();

    // While a card slides the game takes no input: the handlers do nothing.
    void cmdStart_Click();
    void picYourCards_Click();
    void cmdContinue_Click();
    void cmDeckOptions_Click();
    void cmdQuit_Click();
    // One step of the card in play; once the last step has had its frame,
    // the card has landed and what follows the slide runs.
    void tmrSlide_Timer();
    bool sliding() const { return moving_ != nullptr; }

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
    // Moves the card that slides, a step a tick.
    std::unique_ptr<Timer> tmrSlide;

protected:
    QWidget* firstFocus() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Names the two piles with the cards left in each hand.
    void namePiles();
    Picture face(war::Card card);
    void slide(PictureBox* card, const PictureBox* pile, double step, std::function<void()> landed);
    void showStep();
    // Connects a control's Click to its handler, but for a click whose press
    // came while a card slid: that counts for nothing, even where the click
    // comes after the card has landed (a button let go later, an access
    // key's pressed look).
    template <class Control, class Signal>
    void onClick(Control* control, Signal clicked, void (frmWar::*handler)());
    void pressed(const QObject* control);

    // The card that slides (none while the game takes input), from where, by
    // how many twips a step, how many steps it has shown, and what follows.
    PictureBox* moving_ = nullptr;
    twips::Rect from_;
    double step_ = 0;
    int shown_ = 0;
    std::function<void()> landed_;
    // The controls whose last press came while a card slid.
    QSet<const QObject*> pressedWhileMoving_;
};
