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

namespace {

// The four games' buttons stood in one row at lefts 720, 2040, 3360 and 4680,
// 1800 down: from it come the pitch from one button to the next and the
// middle on which every row is centred. Rows above it stand 480 apart, a gap
// of 105 between them.
constexpr std::size_t kPerRow = 4;
constexpr twips::Rect kFirstOfRow{720, 1800, 1215, 375};
constexpr double kPitch = 2040 - 720;
constexpr double kRowMiddle = kFirstOfRow.left + ((kPerRow - 1) * kPitch + kFirstOfRow.width) / 2;
constexpr double kRowPitch = 480;
constexpr twips::Rect kQuit{2760, 2400, 1095, 375};
constexpr twips::Rect kTitle{1560, 240, 3855, 495};

// The button of game `index` of `count`: in rows of four in the table's
// order, the last row the one above Quit, each row centred.
constexpr twips::Rect gamePlace(std::size_t index, std::size_t count)
{
    const std::size_t rows = (count + kPerRow - 1) / kPerRow;
    const std::size_t row = index / kPerRow;
    const std::size_t inRow = std::min(kPerRow, count - row * kPerRow);
    const double rowWidth = double(inRow - 1) * kPitch + kFirstOfRow.width;
    return {kRowMiddle - rowWidth / 2 + double(index % kPerRow) * kPitch,
            kFirstOfRow.top - double(rows - 1 - row) * kRowPitch, kFirstOfRow.width, kFirstOfRow.height};
}

// As many games as the menu takes stand between the title and Quit (the
// logo is below Quit), and no row overlaps the next.
static_assert(gamePlace(0, frmMainMenu::kMostGames).top >= kTitle.top + kTitle.height);
static_assert(kFirstOfRow.top + kFirstOfRow.height <= kQuit.top && kRowPitch > kFirstOfRow.height);

} // namespace

frmMainMenu::frmMainMenu(App& app, QWidget* parent)
    : Form(app, QStringLiteral("frmMainMenu"), tr("Main menu"), parent)
{
    setWindowTitle(tr("Main Menu"));
    setWindowIcon(art::menuIcon());
    setBackColor(QColor(0, 0, 255));
    fonts::set(this, "MS Sans Serif", 8.25, fonts::Bold);

    // Each game's button in the table's order, and in the tab order Quit
    // after the first half of them.
    std::vector<QPushButton*> order;
    for (std::size_t i = 0; i < games::kGames.size(); ++i) {
        const games::Game& game = games::kGames[i];
        order.push_back(controls::commandButton(this, game.button, games::caption(game),
                                                gamePlace(i, games::kGames.size())));
        connect(order.back(), &QPushButton::clicked, this, [this, &game] { cmdGame_Click(game); });
    }
    //: a button: closes the game collection
    cmdQuit = controls::commandButton(this, "cmdQuit", tr("Quit"), kQuit);
    connect(cmdQuit, &QPushButton::clicked, this, &frmMainMenu::cmdQuit_Click);
    order.insert(order.begin() + std::ptrdiff_t((order.size() + 1) / 2), cmdQuit);
    for (std::size_t i = 0; i < order.size(); ++i) {
        fonts::setStandard(order[i]);
        if (i > 0)
            setTabOrder(order[i - 1], order[i]);
    }

    // Label2 stands in front of Label1, so the two make a shadowed title.
    Label* shadow = controls::label(this, "Label1", tr("The Main Menu"), {1560, 240, 2535, 495});
    shadow->setForeColor(QColor(0, 64, 0));
    fonts::set(shadow, "MS Sans Serif", 13.5, fonts::Bold | fonts::Italic);
    accessible::setDecorative(shadow);
    //: begins as "The Main Menu" does: that one is the shadow of this title
    Label* title = controls::label(this, "Label2", tr("The Main Menu ... Thusfar"), kTitle);
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
