// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/cardovia.h"

#include "shell/frmmain.h"
#include "shell/frmmainmenu.h"
#include "shell/windowgone.h"

Cardovia::Cardovia(Platform& platform) : App(platform), main_(std::make_unique<frmMain>(*this))
{
}

Cardovia::~Cardovia()
{
    // Forms are children of the frame; drop the registry before they go.
    forgetForms();
}

void Cardovia::start()
{
    new WindowGone(*main_, platform());
    main_->Form_Load();
}

void Cardovia::returnToMenu(Form& game)
{
    game.setVisible(false);
    form<frmMainMenu>().showAfterGame();
    unload(game);
}

QWidget* Cardovia::formParent() const
{
    return main_->clientArea();
}
