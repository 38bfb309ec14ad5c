// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Corvane's Cardovia as a whole: the frame window that holds every screen,
// and the way from a game back to the menu. There is one for a run; it owns
// everything that lives as long as the run.

#include "toolkit/app.h"

#include <memory>

class frmMain;

class Cardovia : public App {
public:
    explicit Cardovia(Platform& platform);
    ~Cardovia() override;

    // Starts the application: loads the main frame, whose Load handler
    // sizes it and puts up the loading screen.
    void start();

    frmMain& main() const { return *main_; }

    // The shell's own screens live in a Cardovia.
    static Cardovia& of(const Form& form) { return dynamic_cast<Cardovia&>(form.app()); }

    void returnToMenu(Form& game) override;

protected:
    QWidget* formParent() const override;

private:
    std::unique_ptr<frmMain> main_;
};
