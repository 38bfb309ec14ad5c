// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The loading screen, shown while the hidden screens, the menu and the
// opponent panel are loaded.

#include "platform/platform.h"
#include "toolkit/form.h"

#include <memory>

class frmLoading : public Form {
    Q_OBJECT
public:
    frmLoading(App& app, QWidget* parent);

    void Form_Load() override;
    // Starts the wait for the clock's next second, which gives the player
    // up to a second to see this screen.
    void Form_Activate() override;
    // The menu comes once the clock's second has changed; a tick that comes
    // early waits on for the rest of the second.
    void tmrWait_Timer();

    std::unique_ptr<Timer> tmrWait;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void waitRestOfSecond(QTime now);
    void showMenu();

    bool activated_ = false;
    int second_ = 0;  // the clock's second when the wait began
};
