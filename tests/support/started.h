#pragma once
// Starts a whole application on a fake platform, as the player would see it
// after the loading screen.

#include "shell/cardovia.h"
#include "support/fakeplatform.h"

#include <QCoreApplication>
#include <QTest>
#include <memory>

struct StartedApp {
    FakePlatform platform;
    std::unique_ptr<Cardovia> app;

    StartedApp();
    ~StartedApp();
    // Lets unloaded forms be destroyed, as the event loop would.
    static void settle();
};
