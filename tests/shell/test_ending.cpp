// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The game ended from outside: its window closed from the window system or
// destroyed by another program. Either way it ends as File, Quit does; in
// this build that runs the normal shutdown first, so the leak checker looks
// at the whole run as the process ends. First the frame's part in process,
// then the game on a real X server (Xvfb).

#include "platform/appinfo.h"
#include "shell/frmmain.h"
#include "shell/windowgone.h"
#include "support/started.h"
#include "support/testmain.h"
#include "support/xvfb.h"

#include <QCloseEvent>
#include <QtTest>

namespace {

// The game on that server, shown.
struct Game {
    QProcess process;
    xcb_window_t window = 0;

    explicit Game(const Xvfb& x)
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove(QStringLiteral("QT_QPA_PLATFORM"));
        env.insert(QStringLiteral("DISPLAY"), x.display());
        env.insert(QStringLiteral("SDL_AUDIODRIVER"), QStringLiteral("dummy"));
        process.setProcessEnvironment(env);
        process.start(QStringLiteral(CARDOVIA_GAME_BINARY), {});
        if (!QTest::qWaitFor([&] { return (window = x.window(appinfo::kTitle)) != 0; }, 20000))
            window = 0;
    }
    ~Game()
    {
        if (process.state() != QProcess::NotRunning) {
            process.kill();
            process.waitForFinished();
        }
    }
    // It has ended by itself, as a finished program does, with nothing to
    // say about leaks.
    bool endedCleanly()
    {
        if (!process.waitForFinished(20000) || process.exitStatus() != QProcess::NormalExit ||
            process.exitCode() != 0)
            return false;
        const QByteArray err = process.readAllStandardError();
        if (err.contains("LeakSanitizer") || err.contains("ERROR")) {
            qWarning().noquote() << err;
            return false;
        }
        return true;
    }
};

} // namespace

class EndingTest : public QObject {
    Q_OBJECT

private slots:
    void theFrameGoingEndsTheApplication()
    {
        StartedApp s;
        frmMain& main = s.app->main();
        WindowGone* gone = main.findChild<WindowGone*>();
        QVERIFY(gone);
        QCloseEvent close;
        QVERIFY_THROWS_EXCEPTION(ApplicationEnded, gone->eventFilter(&main, &close));
        QCOMPARE(s.platform.ends, 1);

        xcb_destroy_notify_event_t destroyed{};
        destroyed.response_type = XCB_DESTROY_NOTIFY;
        destroyed.window = xcb_window_t(main.winId());
        destroyed.event = destroyed.window;
        // another window's end, or another event of the frame's, is no end
        xcb_destroy_notify_event_t other = destroyed;
        other.window = destroyed.window + 1;
        xcb_destroy_notify_event_t mapped = destroyed;
        mapped.response_type = XCB_MAP_NOTIFY;
        for (auto* event : {&other, &mapped})
            QVERIFY(!gone->nativeEventFilter("xcb_generic_event_t", event, nullptr));
        QCOMPARE(s.platform.ends, 1);
        QVERIFY_THROWS_EXCEPTION(ApplicationEnded, gone->nativeEventFilter("xcb_generic_event_t", &destroyed, nullptr));
        QCOMPARE(s.platform.ends, 2);
    }

    void aWindowDestroyedByAnotherProgramEndsTheGame()
    {
        Xvfb x;
        QVERIFY(x.ready());
        Game game(x);
        QVERIFY(game.window);
        // what xdotool windowclose does
        xcb_destroy_window(x.connection(), game.window);
        xcb_flush(x.connection());
        QVERIFY(game.endedCleanly());
    }

    void closingTheWindowEndsTheGame()
    {
        Xvfb x;
        QVERIFY(x.ready());
        Game game(x);
        QVERIFY(game.window);
        // what a window manager's close button sends
        xcb_client_message_event_t close{};
        close.response_type = XCB_CLIENT_MESSAGE;
        close.format = 32;
        close.window = game.window;
        close.type = x.atom("WM_PROTOCOLS");
        close.data.data32[0] = x.atom("WM_DELETE_WINDOW");
        close.data.data32[1] = XCB_CURRENT_TIME;
        xcb_send_event(x.connection(), 0, game.window, XCB_EVENT_MASK_NO_EVENT, reinterpret_cast<const char*>(&close));
        xcb_flush(x.connection());
        QVERIFY(game.endedCleanly());
    }
};

CARDOVIA_TEST_MAIN(EndingTest)
#include "test_ending.moc"
