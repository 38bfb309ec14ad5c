// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/started.h"

#include "shell/frmloading.h"
#include "shell/frmmainmenu.h"
#include "shell/games.h"
#include "support/bounds.h"

#include <QSettings>
#include <QStandardPaths>
#include <cstdio>
#include <sys/wait.h>
#include <unistd.h>

StartedApp::StartedApp(Settings kept)
{
    if (const auto stored = settings(); kept == Settings::Fresh)
        stored->clear();
    app = std::make_unique<Cardovia>(platform);
    app->start();
    passLoading(*app, platform);
}

StartedApp::~StartedApp()
{
    app.reset();
    settle();
}

void StartedApp::settle()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void StartedApp::passLoading(Cardovia& app, FakePlatform& platform, const std::function<void()>& whileWaiting)
{
    const auto waiting = [&app] {
        const frmLoading* loading = app.existing<frmLoading>();
        return loading && loading->tmrWait->isEnabled() ? loading : nullptr;
    };
    QTRY_VERIFY_WITH_TIMEOUT(waiting(), 5000);
    if (whileWaiting)
        whileWaiting();
    // a second at most, however early the ticks come
    for (int ticks = 0; ticks < 1000 && waiting(); ++ticks)
        pass(platform, *waiting()->tmrWait);
    QVERIFY(!app.existing<frmLoading>());
    settle();
}

std::unique_ptr<QSettings> StartedApp::settings()
{
    // A test program started by hand, outside CTest, stays out of the player's settings too.
    if (qEnvironmentVariableIsEmpty("XDG_CONFIG_HOME"))
        QStandardPaths::setTestModeEnabled(true);
    return std::make_unique<QSettings>(QStringLiteral("Corvane"), QStringLiteral("Cardovia"));
}

namespace {
const QString kZoomKey = QStringLiteral("frame/zoom");
} // namespace

QVariant StartedApp::rememberedZoom()
{
    return settings()->value(kZoomKey);
}

void StartedApp::setRememberedZoom(double zoom)
{
    settings()->setValue(kZoomKey, zoom);
}

Form& StartedApp::choose(const char* button)
{
    const games::Game* game = games::named(button);
    if (!game)
        qFatal("no game has a menu button named %s", button);
    app->existing<frmMainMenu>()->cmdGame_Click(*game);
    return *app->theform;
}

bool StartedApp::ends(const std::function<void()>& playerAction, const std::function<bool()>& atEnd)
{
    enum : int { NotEnded = 1, Ended = 2, EndedWrongly = 3 };
    std::fflush(nullptr);
    const pid_t child = fork();
    if (child == 0) {
        platform.onEnd = [&] { _exit(atEnd() ? Ended : EndedWrongly); };
        playerAction();
        _exit(NotEnded);
    }
    const int status = awaitChild(child, 60000);
    if (status < 0)
        QTest::qFail("the copy of the application hung", __FILE__, __LINE__);
    return WIFEXITED(status) && WEXITSTATUS(status) == Ended;
}
