// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/frmloading.h"

#include "cards/frmcardimages.h"
#include "platform/appinfo.h"
#include "shell/art.h"
#include "shell/cardovia.h"
#include "shell/frmgrizzley.h"
#include "shell/frmmain.h"
#include "shell/frmmainmenu.h"
#include "toolkit/frmmusic.h"

#include <QTimer>

frmLoading::frmLoading(App& app, QWidget* parent)
    //: the name of the screen shown while the game starts
    : Form(app, QStringLiteral("frmLoading"), tr("Loading"), parent)
{
    twips::setRect(this, {0, 0, 5145, 2850});
    setDialogFrame(QString());
    QWidget* c = client();
    const QString title = tr("Please Wait......Loading.");

    Label* shadow = controls::label(c, controls::indexed("Label1", 0), title, {0, 0, 5175, 2895});
    shadow->setOpaque(true);
    shadow->setBackColor(QColor(0, 128, 128));
    shadow->setForeColor(Qt::black);
    fonts::set(shadow, "Standout", 20.25, fonts::Bold | fonts::Italic);
    shadow->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    shadow->setBorder(true);

    Label* front = controls::label(c, controls::indexed("Label1", 1), title, {0, 0, 5175, 2895});
    front->setForeColor(QColor(0, 192, 192));
    fonts::set(front, "Standout", 20.25, fonts::Bold);
    front->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    front->setBorder(true);

    PictureBox* logo = controls::image(c, "Picture1", {1080, 1200, 2895, 1095});
    logo->setPicture(art::logo());

    Label* web = controls::label(c, "Label2", QString::fromUtf8(appinfo::kWebAddress), {240, 2400, 4695, 375});
    web->setForeColor(Qt::white);
    fonts::set(web, "MS Sans Serif", 12, fonts::Bold);

    tmrWait = app.platform().makeTimer([this] { tmrWait_Timer(); });
}

void frmLoading::Form_Load()
{
    const frmMain& main = Cardovia::of(*this).main();
    twips::setLeft(this, (main.Width() - twips::width(this)) / 2);
    twips::setTop(this, (main.Height() - twips::height(this)) / 2);
}

void frmLoading::paintEvent(QPaintEvent* event)
{
    Form::paintEvent(event);
    // The screen becomes active once it is on screen, so that the wait
    // that follows counts from when the player can see it.
    if (!activated_) {
        activated_ = true;
        QTimer::singleShot(0, this, &frmLoading::Form_Activate);
    }
}

void frmLoading::Form_Activate()
{
    // runs once: the loading screen is gone afterwards
    if (!app().isLoaded(*this))
        return;
    activated_ = true;
    const QTime now = app().platform().timeOfDay();
    second_ = now.second();
    waitRestOfSecond(now);
    tmrWait->setEnabled(true);
}

void frmLoading::waitRestOfSecond(QTime now)
{
    tmrWait->setInterval(1000 - now.msec());
}

void frmLoading::tmrWait_Timer()
{
    const QTime now = app().platform().timeOfDay();
    if (now.second() == second_)
        return waitRestOfSecond(now);
    tmrWait->setEnabled(false);
    showMenu();
}

void frmLoading::showMenu()
{
    app().form<frmCardImages>().setVisible(false);

    frmMusic& music = app().form<frmMusic>();
    music.setVisible(false);
    music.setEnabled(true);

    frmMainMenu& menu = app().form<frmMainMenu>();
    twips::setLeft(&menu, 0);
    twips::setTop(&menu, 0);
    menu.setEnabled(true);
    menu.setVisible(true);

    frmGrizzley& grizzley = app().form<frmGrizzley>();
    twips::setLeft(&grizzley, twips::width(&menu));
    twips::setTop(&grizzley, 0);
    grizzley.setVisible(true);
    grizzley.setEnabled(true);

    Cardovia::of(*this).main().setEnabled(true);
    menu.focusFirst();
    app().unload(*this);
}
