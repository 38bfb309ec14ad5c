// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up on a small screen, 1024 x 768 pixels at 200 % (512 x 384 logical):
// the frame fills it at the largest zoom that shows the whole frame, so that
// every control of every screen is on the screen and none lies under another.

#include "shell/frmgrizzley.h"
#include "shell/frmmainmenu.h"
#include "shell/games.h"
#include "support/started.h"
#include "support/testmain.h"

#include <QAbstractButton>
#include <QSettings>
#include <QScreen>
#include <QtTest>

namespace {

// The controls of `form` that the player can see but that are off the
// screen, outside the frame's client area or covered where their middle is.
QStringList outOfReach(frmMain& main, QWidget* form)
{
    const QRect screen = main.screen()->availableGeometry();
    QWidget* green = main.clientArea()->parentWidget();
    const QRect inGreen(green->mapToGlobal(QPoint(0, 0)), green->size());
    QStringList lost;
    for (QWidget* w : form->findChildren<QWidget*>()) {
        if (!twips::isPlaced(w) || !w->isVisible())
            continue;
        const QRect global(w->mapToGlobal(QPoint(0, 0)), w->size());
        // a label as laid out may reach past its screen's edge (the
        // headings' shadows do): what counts is its part inside the screen;
        // a button is whole on its screen, and takes a click at its middle
        const QRect shown = global & QRect(form->mapToGlobal(QPoint(0, 0)), form->size());
        const QWidget* hit = main.childAt(main.mapFromGlobal(shown.center()));
        const bool reachable =
            !qobject_cast<QAbstractButton*>(w) || (shown == global && (hit == w || w->isAncestorOf(hit)));
        if (shown.isEmpty() || !screen.contains(shown) || !inGreen.contains(shown) || !reachable)
            lost << w->objectName();
    }
    return lost;
}

} // namespace

class SmallScreenTest : public QObject {
    Q_OBJECT

private slots:
    void theFrameFillsTheScreenAtTheZoomThatFits()
    {
        StartedApp s;
        frmMain& main = s.app->main();
        QCOMPARE(main.screen()->geometry().size(), QSize(512, 384));
        QCOMPARE(main.devicePixelRatio(), 2.0);
        QTRY_VERIFY(main.isMaximized());
        QWidget* green = main.clientArea()->parentWidget();
        QTRY_VERIFY(green->height() > 300);
        // the screens keep their twips; only their pixels shrink
        QCOMPARE(main.Width(), 9600.0);
        QCOMPARE(main.Height(), 7200.0);
        QCOMPARE(twips::rect(s.app->existing<frmMainMenu>()), (twips::Rect{0, 0, 6600, 7200}));
        QCOMPARE(twips::rect(s.app->existing<frmGrizzley>()), (twips::Rect{6600, 0, 3000, 7200}));
        const double zoom = std::min(green->width() / 640.0, green->height() / 480.0);
        QCOMPARE(twips::zoom(), zoom);
        QVERIFY(zoom < 0.8);
        QVERIFY(QRect(QPoint(0, 0), green->size()).contains(main.clientArea()->geometry()));
        QVERIFY(main.screen()->availableGeometry().contains(main.frameGeometry()));
        // the screen chose it, not the player: nothing to remember
        QVERIFY(!StartedApp::rememberedZoom().isValid());
    }

    void everyControlOfEveryScreenIsOnTheScreen()
    {
        StartedApp s;
        frmMain& main = s.app->main();
        QTRY_VERIFY(main.isMaximized() && main.clientArea()->parentWidget()->height() > 300);
        frmMainMenu& menu = *s.app->existing<frmMainMenu>();
        QCOMPARE(outOfReach(main, &menu), QStringList());
        QCOMPARE(outOfReach(main, s.app->existing<frmGrizzley>()), QStringList());

        for (const games::Game& game : games::kGames) {
            Form& screen = s.choose(game.button);
            QCOMPARE(outOfReach(main, &screen), QStringList());
            s.app->returnToMenu(screen);
            s.settle();
        }
    }
};

CARDOVIA_TEST_MAIN(SmallScreenTest)
#include "test_smallscreen.moc"
