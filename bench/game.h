// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The game started as its main() starts it, for the benchmarks.

#include "platform/appinfo.h"
#include "platform/desktopplatform.h"
#include "shell/cardovia.h"
#include "shell/frmloading.h"
#include "shell/frmmain.h"
#include "process.h"

#include <QApplication>

namespace bench {

// The game of one run, started; the loading screen is up.
struct Game {
    DesktopPlatform platform;
    Cardovia app{platform};

    Game()
    {
        QApplication::setApplicationName(QString::fromUtf8(appinfo::kTitle));
        platform.setMessageParent(&app.main());
        app.start();
    }

    // Runs the event loop until the loading screen has given way to the menu.
    void untilMenu()
    {
        while (app.existing<frmLoading>())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    }
};

} // namespace bench
