// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Starts a whole application on a fake platform, as the player would see it
// after the loading screen.

#include "shell/cardovia.h"
#include "shell/frmmain.h"
#include "support/fakeplatform.h"
#include "support/screenreader.h"

#include <QCoreApplication>
#include <QTest>
#include <QVariant>
#include <functional>
#include <memory>

class QSettings;

struct StartedApp {
    // Fresh: as on a first run, without a zoom remembered from before.
    enum class Settings { Fresh, Kept };

    FakePlatform platform;
    std::unique_ptr<Cardovia> app;

    explicit StartedApp(Settings settings = Settings::Fresh);
    ~StartedApp();
    // Lets unloaded forms be destroyed, as the event loop would.
    static void settle();
    // The loading screen of a started application, once painted, waits for
    // the fake clock's next second; `whileWaiting` looks at the screens
    // then. Time passes to the menu.
    static void passLoading(Cardovia& app, FakePlatform& platform, const std::function<void()>& whileWaiting = {});
    // The game's settings. The tests keep them in a folder of their own
    // (XDG_CONFIG_HOME from CTest, else Qt's test folder), never the player's.
    static std::unique_ptr<QSettings> settings();
    // The zoom kept there for the next run; none before the player chose one.
    static QVariant rememberedZoom();
    static void setRememberedZoom(double zoom);

    // Whether what the player does ends the application, there and then. It
    // is done in a copy of this process, which ends inside End as the game
    // does, so that End unwinds no Qt frames (Qt would leak their memory);
    // `atEnd` is asked at that moment too.
    bool ends(const std::function<void()>& playerAction, const std::function<bool()>& atEnd = [] { return true; });

    // Presses the menu's button of a game, named as in the games table
    // ("cmdWar"), through its handler; the game's screen, shown.
    Form& choose(const char* button);

    // Gives the frame the keyboard, presses Alt and a menu button's access
    // key, and waits for that game's screen; none if it does not come.
    template <class Screen>
    Screen* openByKeyboard(Qt::Key accessKey)
    {
        if (!activate(&app->main()))
            return nullptr;
        press(accessKey, Qt::AltModifier);
        const auto shown = [this] { return app->existing<Screen>() && app->existing<Screen>()->isVisible(); };
        return QTest::qWaitFor(shown) ? app->existing<Screen>() : nullptr;
    }
};
