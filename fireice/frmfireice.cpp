// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "fireice/frmfireice.h"

#include "cards/frmcardimages.h"
#include "fireice/fireicerules.h"
#include "fireice/gunman.h"
#include "toolkit/announce.h"
#include "toolkit/app.h"
#include "toolkit/frmmusic.h"

#include <QPushButton>

FrmFireIce::FrmFireIce(App& app, QWidget* parent)
    //: The game's name, the screen's title.
    : Form(app, QStringLiteral("FrmFireIce"), tr("Fire & Ice"), parent)
{
    twips::setRect(this, {0, 0, 7395, 4485});
    setBackColor(QColor(64, 0, 64));

    // Created in stored order, so later controls stand in front of earlier
    // ones: wherever the gunman lands, the three buttons stay clickable.
    //: A button: leaves the game for the main menu.
    cmdReturn = controls::commandButton(this, "cmdReturn", tr("Main Menu"), {2160, 4080, 1695, 375});
    picGuy = controls::pictureBox(this, "picGuy", {2880, 1320, 1590, 1395});
    picGuy->setPicture(fireice::gunman());
    picGuy->setVisible(false);
    tmrMovement = app.platform().makeTimer([this] { tmrMovement_Timer(); });
    // 1 ms as stored; the desktop timer delivers ticks no faster than the
    // display's frames (about 60 a second), so the player sees the card slide.
    tmrMovement->setInterval(1);
    //: A button: shuffles and shows a new sliding card.
    cmdShuffle = controls::commandButton(this, "cmdShuffle", tr("&Shuffle Those Card!"), {240, 3000, 1695, 495});
    //: A button: the player calls the sliding card black.
    cmdIce = controls::commandButton(this, "cmdIce", tr("&Ice"), {4080, 3000, 1575, 495});
    cmdIce->setEnabled(false);
    //: A button: the player calls the sliding card red.
    cmdFire = controls::commandButton(this, "cmdFire", tr("&Fire"), {2160, 3000, 1695, 495});
    cmdFire->setEnabled(false);
    imgCard = controls::image(this, "imgCard", {1080, 840, 1065, 1440});
    // An image is painted on the form itself, beneath every windowed control.
    imgCard->lower();

    setTabOrder(cmdFire, cmdIce);
    setTabOrder(cmdIce, cmdShuffle);
    // the gunman is only a picture and takes no focus, so Main Menu follows Shuffle
    setTabOrder(cmdShuffle, cmdReturn);

    connect(cmdReturn, &QPushButton::clicked, this, &FrmFireIce::cmdReturn_Click);
    connect(cmdShuffle, &QPushButton::clicked, this, &FrmFireIce::cmdShuffle_Click);
    connect(cmdIce, &QPushButton::clicked, this, &FrmFireIce::cmdIce_Click);
    connect(cmdFire, &QPushButton::clicked, this, &FrmFireIce::cmdFire_Click);
}

void FrmFireIce::cmdShuffle_Click()
{
    twips::setLeft(imgCard, 1080);
    // no reseed: the generator runs on from wherever it stands
    cardnumber = randomBetween(app().platform(), 1, 52);
    imgCard->setPicture(app().form<frmCardImages>().Image1(cardnumber));
    //: Read when a new card is shuffled: %1 is its name, e.g. "Queen of Hearts".
    announce::say(tr("%1.").arg(imgCard->picture().description()));
    stepsize = 200;
    // A call's pending stop belongs to the old card; left set, a shuffle that
    // beats the tick would freeze the new card with Fire and Ice enabled.
    stopmoving = false;
    tmrMovement->setEnabled(true);
    cmdFire->setEnabled(true);
    cmdIce->setEnabled(true);
    cmdShuffle->setEnabled(false);
    picGuy->setVisible(false);
    // the call comes next; left alone, the focus would fall to Main Menu
    cmdFire->setFocus(Qt::OtherFocusReason);
}

void FrmFireIce::tmrMovement_Timer()
{
    // the width as it is now: the menu gives the screen its place after load
    const fireice::Slide next =
        fireice::movecard({twips::left(imgCard), stepsize}, twips::width(this), twips::width(imgCard));
    twips::setLeft(imgCard, next.left);
    stepsize = next.stepsize;
    if (stopmoving) {
        tmrMovement->setEnabled(false);
        stopmoving = false;
    }
}

void FrmFireIce::cmdIce_Click()
{
    stopmoving = true;
    //: Grizzle's taunt after a right call of Ice.
    app().platform().MsgBox(fireice::isIce(cardnumber) ? tr("You got lucky punk, Try again, I dare you.")
                                                       //: Grizzle's answer to a wrong call.
                                                       : tr("Ya big liar!"));
    endcall();
}

void FrmFireIce::cmdFire_Click()
{
    stopmoving = true;
    Platform& platform = app().platform();
    if (fireice::isFire(cardnumber)) {
        // sent blind: a missing fire.wav or a silent device changes nothing
        app().form<frmMusic>().MMControl1.playFile(QStringLiteral("fire.wav"));
        platform.Randomize();
        // anywhere the whole picture fits inside the screen
        const int x = randomBetween(platform, 0, int(twips::width(this) - twips::width(picGuy)));
        const int y = randomBetween(platform, 0, int(twips::height(this) - twips::height(picGuy)));
        twips::setLeft(picGuy, x);
        twips::setTop(picGuy, y);
        picGuy->setVisible(true);
        announce::say(tr("Fire it is! The gunman appears."));
    } else {
        //: Grizzle's answer to a wrong call.
        platform.MsgBox(tr("Ya big liar!"));
    }
    endcall();
}

void FrmFireIce::endcall()
{
    cmdFire->setEnabled(false);
    cmdIce->setEnabled(false);
    cmdShuffle->setEnabled(true);
    cmdShuffle->setFocus(Qt::OtherFocusReason);
}

void FrmFireIce::cmdReturn_Click()
{
    app().returnToMenu(*this);
}
