// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "war/frmwar.h"

#include "cards/frmcardimages.h"
#include "cards/frmdeckoptions.h"
#include "toolkit/accessible.h"
#include "toolkit/announce.h"
#include "toolkit/app.h"
#include "toolkit/classic.h"

#include <QPushButton>
#include <array>
#include <utility>

frmWar::frmWar(App& app, QWidget* parent)
    //: The card game's name, the screen's title.
    : Form(app, QStringLiteral("frmWar"), tr("War"), parent)
{
    twips::setRect(this, {0, 0, 6795, 5640});
    setBackColor(QColor(0, 128, 0));

    // Made back to front: the cards in play slide over the piles and labels.
    lblWinner = controls::label(this, "lblWinner", QString(), {3360, 600, 3015, 615});
    fonts::set(lblWinner, "Challenge Extra Bold", 20.25, fonts::Bold);
    lblWinner->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Label2 = controls::label(this, "Label2", tr("And the winner is..."), {3360, 120, 2985, 435});
    fonts::set(Label2, "Jester", 15.75, fonts::Bold);
    Label2->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    //: Beside the player's pile, which plays a card when clicked.
    Label1 = controls::label(this, "Label1", tr("Click on this picture."), {5160, 3720, 1455, 255});
    Label1->setForeColor(Qt::white);
    Label1->fitOnOneLine();

    // Borderless boxes: a sunken edge would cut two pixels off the card's
    // right and bottom, where the box leaves just that much room.
    picYourCards = controls::image(this, "picYourCards", {5280, 4095, 1095, 1475});
    picDealerCards = controls::image(this, "picDealerCards", {100, 100, 1095, 1475});
    for (PictureBox* pile : {picYourCards, picDealerCards})
        pile->setBackColor(classic::kFace);
    piccard1 = controls::image(this, "piccard1", {1995, 2040, 1095, 1475});
    piccard1->setBackColor(QColor(192, 192, 192));
    piccard1->hide();
    piccard2 = controls::image(this, "piccard2", {3360, 2040, 1095, 1475});
    piccard2->setBackColor(Qt::white);  // the system window colour
    piccard2->hide();
    // A card in play is named by its face; the description says whose it is.
    piccard1->setAccessibleDescription(tr("Grizzle's card"));
    piccard2->setAccessibleDescription(tr("Your card"));

    cmDeckOptions = controls::commandButton(this, "cmDeckOptions", tr("&Deck Options"), {1560, 5160, 1455, 375});
    //: A button: deals the cards.
    cmdStart = controls::commandButton(this, "cmdStart", tr("&Start"), {120, 5160, 1455, 375});
    //: A button: leaves the game for the main menu.
    cmdQuit = controls::commandButton(this, "cmdQuit", tr("&Main Menu"), {3000, 5160, 1455, 375});
    cmdQuit->setEnabled(false);
    cmdContinue = controls::commandButton(this, "cmdContinue", tr("&Click here to continue."), {4560, 1440, 1815, 375});
    cmdContinue->hide();

    // The stored tab order without the labels. The pictures take the focus
    // only from the keyboard, so a click leaves the screen as it looks; the
    // player's pile plays on Space or Enter, the others are there to be read.
    const std::array<QWidget*, 8> order = {picYourCards, cmdStart, cmDeckOptions, cmdQuit,
                                           picDealerCards, piccard1, piccard2, cmdContinue};
    for (PictureBox* picture : {picYourCards, picDealerCards, piccard1, piccard2})
        picture->setFocusPolicy(Qt::TabFocus);
    for (std::size_t i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);

    onClick(cmdStart, &QPushButton::clicked, &frmWar::cmdStart_Click);
    onClick(picYourCards, &PictureBox::clicked, &frmWar::picYourCards_Click);
    onClick(cmdContinue, &QPushButton::clicked, &frmWar::cmdContinue_Click);
    onClick(cmDeckOptions, &QPushButton::clicked, &frmWar::cmDeckOptions_Click);
    onClick(cmdQuit, &QPushButton::clicked, &frmWar::cmdQuit_Click);
    for (QPushButton* button : {cmdStart, cmdContinue, cmDeckOptions, cmdQuit})
        connect(button, &QPushButton::pressed, this, [this, button] { pressed(button); });
    // The pile's Click has no press of its own to tell: a click or a key
    // on it starts with one of these.
    picYourCards->installEventFilter(this);

    tmrSlide = app.platform().makeTimer([this] { tmrSlide_Timer(); });
}

template <class Control, class Signal>
void frmWar::onClick(Control* control, Signal clicked, void (frmWar::*handler)())
{
    connect(control, clicked, this, [this, control, handler] {
        if (!pressedWhileMoving_.contains(control))
            (this->*handler)();
    });
}

void frmWar::pressed(const QObject* control)
{
    if (sliding())
        pressedWhileMoving_.insert(control);
    else
        pressedWhileMoving_.remove(control);
}

bool frmWar::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (watched == picYourCards && (type == QEvent::MouseButtonPress || type == QEvent::KeyPress))
        pressed(picYourCards);
    return Form::eventFilter(watched, event);
}

void frmWar::Form_Load()
{
    app().platform().Randomize();
    returncard();
    namePiles();
}

QWidget* frmWar::firstFocus()
{
    // Before the deal the player's pile does nothing: Start comes first.
    return deck.yourdealt ? Form::firstFocus() : cmdStart;
}

void frmWar::namePiles()
{
    // Before the deal the piles are named without a count.
    const bool dealt = deck.yourdealt;
    accessible::setName(picYourCards, dealt ? tr("Your pile, %n cards", nullptr, deck.yourcards.count())
                                            : tr("Your pile"));
    accessible::setName(picDealerCards, dealt ? tr("Grizzle's pile, %n cards", nullptr, deck.dealercards.count())
                                              : tr("Grizzle's pile"));
}

void frmWar::returncard()
{
    const frmCardImages& images = app().form<frmCardImages>();
    const Picture back = images.PictureClip1(images.cardtype);
    if (back.isNull())
        return;
    picYourCards->setPicture(back);
    picDealerCards->setPicture(back);
}

Picture frmWar::face(war::Card card)
{
    return app().form<frmCardImages>().cardpicture(qint16(card.value), qint16(card.suit));
}

void frmWar::dealersturn(std::function<void()> landed)
{
    const std::optional<war::Card> card = deck.dealersplay(app().platform());
    if (!card)
        return landed();
    piccard1->setPicture(face(*card));
    piccard1->setVisible(true);
    namePiles();
    movedcard([this, landed = std::move(landed)] {
        // Said as the card lands, where the player sees it.
        //: %1 is a card's name, e.g. "Queen of Hearts".
        announce::say(tr("Grizzle plays %1.").arg(piccard1->picture().description()));
        landed();
    });
}

void frmWar::movedcard(std::function<void()> landed)
{
    slide(piccard1, picDealerCards, kSlideStep, std::move(landed));
}

void frmWar::moveycard(std::function<void()> landed)
{
    slide(piccard2, picYourCards, -kSlideStep, std::move(landed));
}

void frmWar::slide(PictureBox* card, const PictureBox* pile, double step, std::function<void()> landed)
{
    moving_ = card;
    from_ = twips::rect(card);
    from_.left = twips::left(pile);
    from_.top = twips::top(pile);
    step_ = step;
    shown_ = 0;
    landed_ = std::move(landed);
    // The first step shows at once, each further one a tick later.
    showStep();
    tmrSlide->setEnabled(true);
}

void frmWar::showStep()
{
    ++shown_;
    twips::Rect at = from_;
    at.left += shown_ * step_;
    at.top += shown_ * step_;
    twips::setRect(moving_, at);
    // Drawn now, with the area the card has just left, so the step reaches
    // the screen when its tick comes; the next tick is counted from here,
    // so that a late one never brings the next step into the same frame.
    moving_->refresh();
    tmrSlide->setInterval(kSlideInterval);
}

void frmWar::tmrSlide_Timer()
{
    if (!moving_)
        return;
    if (shown_ < kSlideSteps)
        return showStep();
    // The last step has had its frame: the card has landed.
    tmrSlide->setEnabled(false);
    moving_ = nullptr;
    std::exchange(landed_, nullptr)();
}

void frmWar::checkwinner()
{
    const war::Winner winner = deck.settle();
    namePiles();
    switch (winner) {
    case war::Winner::You:
        //: The round's winner, under "And the winner is...": the player.
        lblWinner->setText(tr("You!"));
        break;
    case war::Winner::Grizzle:
        //: The round's winner, under "And the winner is...".
        lblWinner->setText(tr("Grizzle!"));
        break;
    case war::Winner::Both:
        //: The round's result on equal cards, under "And the winner is...".
        lblWinner->setText(tr("Both of you!"));
        break;
    }
    // The round's result and where both hands stand, read with Continue.
    //: Read after each round: %1 "And the winner is...", %2 the winner ("You!"),
    //: %3 and %4 the two piles with their cards ("Your pile, 30 cards").
    announce::say(tr("%1 %2 %3. %4.")
                      .arg(Label2->text(), lblWinner->text(), picYourCards->accessibleName(),
                           picDealerCards->accessibleName()));
    checkforend();
    cmdContinue->setEnabled(true);
    cmdContinue->setVisible(true);
    cmdContinue->setFocus();
}

void frmWar::checkforend()
{
    switch (deck.ending()) {
    case war::Ending::None:
        return;
    case war::Ending::GrizzleOut:
        app().platform().MsgBox(tr("Grizzle is out of cards, You win!"));
        break;
    case war::Ending::YouOut:
        app().platform().MsgBox(tr("You're out of cards, Grizzle wins!"));
        break;
    }
    app().platform().End();
}

void frmWar::cmdStart_Click()
{
    if (sliding())
        return;
    deck.dealcards(app().platform());
    dealersturn([this] {
        cmdStart->setEnabled(false);
        cmdQuit->setEnabled(true);
        picYourCards->setFocus(Qt::OtherFocusReason);
    });
}

void frmWar::picYourCards_Click()
{
    if (sliding())
        return;
    const std::optional<war::Card> card = deck.yourplay(app().platform());
    if (!card)
        return;
    piccard2->setPicture(face(*card));
    piccard2->setVisible(true);
    namePiles();
    moveycard([this] {
        //: %1 is a card's name, e.g. "Queen of Hearts".
        announce::say(tr("You play %1.").arg(piccard2->picture().description()));
        picYourCards->setEnabled(false);
        checkwinner();
    });
}

void frmWar::cmdContinue_Click()
{
    if (sliding())
        return;
    piccard2->setVisible(false);
    lblWinner->setText(QString());
    // The keyboard goes to the pile before Continue goes, so that it stays
    // there, and a screen reader with it, while Grizzle's card slides.
    picYourCards->setEnabled(true);
    picYourCards->setFocus(Qt::OtherFocusReason);
    cmdContinue->setVisible(false);
    dealersturn([] {});
}

void frmWar::cmDeckOptions_Click()
{
    if (sliding())
        return;
    frmDeckOptions& dialog = app().form<frmDeckOptions>();
    dialog.setVisible(true);
    dialog.setEnabled(true);
    // The dialog may be older than this screen, which would then cover it.
    dialog.raise();
    setEnabled(false);
    app().theform = this;
    dialog.focusFirst();
}

void frmWar::cmdQuit_Click()
{
    if (sliding())
        return;
    app().returnToMenu(*this);
}
