// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/frmmainmenu.h"

#include "cards/frmcardimages.h"
#include "platform/appinfo.h"
#include "platform/platform.h"
#include "shell/art.h"
#include "shell/cardovia.h"
#include "shell/frmmain.h"
#include "toolkit/accessible.h"

#include <QPushButton>
#include <algorithm>
#include <vector>

frmMainMenu::frmMainMenu(App& app, QWidget* parent)
    : Form(app, QStringLiteral("frmMainMenu"), tr("Main menu"), parent)
{
    setWindowTitle(tr("Main Menu"));
    setWindowIcon(art::menuIcon());
    setBackColor(QColor(0, 0, 255));
    fonts::set(this, "MS Sans Serif", 8.25, fonts::Bold);

    // Each game's button, in its place and its turn of the tab order.
    std::vector<std::pair<int, QPushButton*>> order;
    for (const games::Game& game : games::kGames) {
        QPushButton* button = controls::commandButton(this, game.button, games::caption(game), game.place);
        connect(button, &QPushButton::clicked, this, [this, &game] { cmdGame_Click(game); });
        order.emplace_back(game.tabPosition, button);
    }
    //: a button: closes the game collection
    cmdQuit = controls::commandButton(this, "cmdQuit", tr("Quit"), {2760, 2400, 1095, 375});
    connect(cmdQuit, &QPushButton::clicked, this, &frmMainMenu::cmdQuit_Click);
    order.emplace_back(kQuitTabPosition, cmdQuit);
    std::stable_sort(order.begin(), order.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    for (std::size_t i = 0; i < order.size(); ++i) {
        fonts::setStandard(order[i].second);
        if (i > 0)
            setTabOrder(order[i - 1].second, order[i].second);
    }

    // Label2 stands in front of Label1, so the two make a shadowed title.
    Label* shadow = controls::label(this, "Label1", tr("The Main Menu"), {1560, 240, 2535, 495});
    shadow->setForeColor(QColor(0, 64, 0));
    fonts::set(shadow, "MS Sans Serif", 13.5, fonts::Bold | fonts::Italic);
    accessible::setDecorative(shadow);
    //: begins as "The Main Menu" does: that one is the shadow of this title
    Label* title = controls::label(this, "Label2", tr("The Main Menu ... Thusfar"), {1560, 240, 3855, 495});
    title->setForeColor(QColor(255, 255, 0));
    fonts::set(title, "MS Sans Serif", 13.5, fonts::Bold);

    PictureBox* logo = controls::image(this, "Picture1", {1860, 3120, 2895, 1095});
    logo->setPicture(art::logo());

    Label* note = controls::label(this, "Label3",
                                  tr("     This is the start to a great collection of games.  These are the game "
                                     "we have made so far.  If you have any ideas on an addition to this, send "
                                     "them to us."),
                                  {1260, 4560, 4095, 855});
    note->setOpaque(true);
    note->setBackColor(QColor(128, 255, 255));
    note->setForeColor(Qt::black);
    note->setBorder(true);

    Label* mail = controls::label(this, "Label4",
                                  tr("Send it to us at %1 ").arg(QString::fromUtf8(appinfo::kEmail)),
                                  {1350, 5520, 3975, 255});
    mail->setForeColor(Qt::white);
    Label* web = controls::label(this, "Label5",
                                 tr("Or visit us at   %1").arg(QString::fromUtf8(appinfo::kWebAddress)),
                                 {900, 5760, 4815, 255});
    web->setForeColor(Qt::white);
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

void frmMainMenu::cmdGame_Click(const games::Game& game)
{
    chosen_ = findChild<QPushButton*>(QLatin1String(game.button));
    // the game is recorded before it is loaded, as loadtheform expects
    app().theform = &game.screen(app());
    loadtheform();
}

void frmMainMenu::showAfterGame()
{
    setVisible(true);
    if (chosen_)
        chosen_->setFocus(Qt::OtherFocusReason);
    else
        restoreFocus();
}

void frmMainMenu::cmdQuit_Click()
{
    app().platform().End();
}
