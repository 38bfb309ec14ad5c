// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up, the layout of the frame and navigation between menu and games.

#include "cards/frmcardimages.h"
#include "shell/frmgrizzley.h"
#include "shell/frmloading.h"
#include "shell/frmmain.h"
#include "shell/frmmainmenu.h"
#include "shell/games.h"
#include "support/sound.h"
#include "support/started.h"
#include "support/testmain.h"
#include "tictactoe/frmtictactoe.h"
#include "toolkit/frmmusic.h"
#include "war/frmwar.h"

#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QtTest>

class StartupTest : public QObject {
    Q_OBJECT

private slots:
    void startupLeavesMenuAndPanelInPlace()
    {
        StartedApp s;
        Cardovia& app = *s.app;
        QCOMPARE(app.main().Width(), 9600.0);
        QCOMPARE(app.main().Height(), 7200.0);
        QVERIFY(app.main().isEnabled());

        auto* menu = app.existing<frmMainMenu>();
        QVERIFY(menu);
        QVERIFY(!menu->isHidden());
        QCOMPARE(twips::rect(menu), (twips::Rect{0, 0, 6600, 7200}));

        auto* panel = app.existing<frmGrizzley>();
        QVERIFY(panel);
        QVERIFY(!panel->isHidden());
        QCOMPARE(twips::rect(panel), (twips::Rect{6600, 0, 3000, 7200}));
        // the panel sits right of the menu, also in pixels
        QCOMPARE(panel->geometry().left(), menu->geometry().right() + 1);

        QVERIFY(app.existing<frmCardImages>() && app.existing<frmCardImages>()->isHidden());
        QVERIFY(app.existing<frmMusic>() && app.existing<frmMusic>()->isHidden());
        QCOMPARE(app.existing<frmCardImages>()->cardtype, qint16(1));
    }

    void loadingScreenNeverReturns()
    {
        StartedApp s;
        QVERIFY(!s.app->existing<frmLoading>());
        s.choose("cmdWar");
        s.app->existing<frmWar>()->cmdQuit_Click();
        StartedApp::settle();
        QVERIFY(!s.app->existing<frmLoading>());
        for (QWidget* w : s.app->main().findChildren<QWidget*>())
            QVERIFY(w->objectName() != QLatin1String("frmLoading"));
    }

    void eachGameOpensOverTheMenuAndReturnsFresh_data()
    {
        QTest::addColumn<QByteArray>("button");
        for (const games::Game& game : games::kGames)
            QTest::newRow(game.button) << QByteArray(game.button);
    }

    void eachGameOpensOverTheMenuAndReturnsFresh()
    {
        QFETCH(QByteArray, button);
        StartedApp s;
        Cardovia& app = *s.app;
        frmMainMenu& menu = *app.existing<frmMainMenu>();
        const auto open = [&] { return &s.choose(button.constData()); };
        // what each game's Main Menu button does
        const auto back = [&](Form* f) { app.returnToMenu(*f); };

        QPointer<Form> first = open();
        QVERIFY(first);
        QCOMPARE(app.theform.data(), first.data());
        QVERIFY(app.isLoaded(*first));
        QVERIFY(!first->isHidden());
        QVERIFY(menu.isHidden());
        QCOMPARE(twips::rect(first), twips::rect(&menu));
        QCOMPARE(first->geometry(), menu.geometry());

        back(first);
        QVERIFY(!menu.isHidden());
        StartedApp::settle();
        QVERIFY(!first);  // unloaded: everything it held is gone

        Form* second = open();
        QVERIFY(second);
        QVERIFY(app.isLoaded(*second));
        QVERIFY(!second->isHidden());
    }

    void quitEndsAtOnceFromTheMenu()
    {
        StartedApp s;
        frmMainMenu& menu = *s.app->existing<frmMainMenu>();
        QVERIFY(s.ends([&] { QTest::mouseClick(menu.cmdQuit, Qt::LeftButton); }));
        // a click beside the button is no Quit
        QVERIFY(!s.ends([&] {
            QTest::mouseClick(&menu, Qt::LeftButton, {}, menu.cmdQuit->geometry().bottomRight() + QPoint(4, 4));
        }));
    }

    void fileQuitEndsWithoutReturningToTheMenu()
    {
        StartedApp s;
        frmMainMenu& menu = *s.app->existing<frmMainMenu>();
        QTest::mouseClick(menu.findChild<QPushButton*>("cmdTicTacToe"), Qt::LeftButton);
        frmMain& main = s.app->main();
        QMenuBar* bar = main.menuBar();
        // as the player does it: File on the menu bar, then Quit in the menu
        const auto fileQuit = [&] {
            QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(main.mnuFile()->menuAction()).center());
            QMenu* file = main.mnuFile();
            if (file->isVisible())
                QTest::mouseClick(file, Qt::LeftButton, {}, file->actionGeometry(main.mnuQuit()).center());
        };
        QVERIFY(s.ends(fileQuit, [&] { return menu.isHidden() && s.app->existing<frmTicTacToe>()->isVisible(); }));
    }

    void theLoadingScreenWaitsOnATimerForTheClocksNextSecond()
    {
        FakePlatform platform;
        platform.clock = QTime(10, 0, 59, 300);
        Cardovia app(platform);
        app.start();
        QVERIFY(!app.main().isEnabled());
        bool looked = false;
        StartedApp::passLoading(app, platform, [&] {
            const frmLoading* loading = app.existing<frmLoading>();
            QVERIFY(loading->isVisible());
            // the frame takes no input meanwhile
            QVERIFY(!app.main().isEnabled());
            // centred in the frame, in exact twips
            QCOMPARE(twips::left(loading), (9600 - 5145) / 2.0);
            QCOMPARE(twips::top(loading), (7200 - 2850) / 2.0);
            // the rest of the second; a tick that comes early waits on for what is left
            QCOMPARE(loading->tmrWait->interval(), 700);
            platform.clock = QTime(10, 0, 59, 900);
            tick(*loading->tmrWait);
            QVERIFY(app.existing<frmLoading>() && !app.main().isEnabled());
            QCOMPARE(loading->tmrWait->interval(), 100);
            looked = true;
        });
        QVERIFY(looked);
        QCOMPARE(platform.clock, QTime(10, 1, 0, 0));
        QVERIFY(app.main().isEnabled());
        QVERIFY(app.existing<frmMainMenu>()->isVisible());
    }

    void theGameLoadsNoSoundLibraryBeforeMusicIsWanted()
    {
        QProcess game;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        game.setProcessEnvironment(env);
        game.start(QStringLiteral(CARDOVIA_GAME_BINARY), {});
        QVERIFY(game.waitForStarted());
        // past the loading screen, which waits for the clock's next second
        QTest::qWait(2500);
        QCOMPARE(game.state(), QProcess::Running);
        const QStringList loaded = soundLibraries(game.processId());
        game.kill();
        game.waitForFinished();
        QCOMPARE(loaded, QStringList());
    }
};

CARDOVIA_TEST_MAIN(StartupTest)
#include "test_startup.moc"
