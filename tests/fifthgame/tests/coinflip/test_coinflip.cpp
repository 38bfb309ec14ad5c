// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Coin Flip, the game that only the tests know: its rules, and its screen as
// the player meets it, by mouse and by keyboard, with what a reader hears.

#include "coinflip/coinfliprules.h"
#include "coinflip/frmcoinflip.h"
#include "shell/frmmainmenu.h"
#include "support/screenreader.h"
#include "support/started.h"
#include "support/testmain.h"

#include <QPushButton>
#include <QtTest>

using coinflip::Side;

class CoinFlipTest : public QObject {
    Q_OBJECT

private slots:
    void theCoinLandsEitherWayAndTheRightCallScores()
    {
        FakePlatform random;
        random.script({0.0f, 0.49f, 0.5f, 0.99f});
        QCOMPARE(coinflip::toss(random), Side::Heads);
        QCOMPARE(coinflip::toss(random), Side::Heads);
        QCOMPARE(coinflip::toss(random), Side::Tails);
        QCOMPARE(coinflip::toss(random), Side::Tails);
        const coinflip::Score one = coinflip::scored({}, Side::Tails, Side::Tails);
        QCOMPARE(one, (coinflip::Score{1, 0}));
        QCOMPARE(coinflip::scored(one, Side::Heads, Side::Tails), (coinflip::Score{1, 1}));
    }

    void callsByKeyboardWithWhatAReaderHears()
    {
        StartedApp s;
        auto& f = static_cast<frmCoinFlip&>(s.choose("cmdCoinFlip"));
        QVERIFY(activate(&s.app->main()));
        QCOMPARE(focused(), f.cmdHeads);
        QCOMPARE(f.lblScore->text(), QStringLiteral("You 0, Grizzle 0"));
        Listener reader;
        s.platform.script({0.2f});
        press(Qt::Key_Space);
        QCOMPARE(spokenName(f.imgCoin), QStringLiteral("Heads"));
        QCOMPARE(f.lblScore->text(), QStringLiteral("You 1, Grizzle 0"));
        QCOMPARE(reader.heard(), QStringLiteral("Heads. You 1, Grizzle 0."));
        // Tails by its access key, on a coin that lands heads: Grizzle's point
        s.platform.script({0.2f});
        press(Qt::Key_T, Qt::AltModifier);
        QTRY_COMPARE(f.lblScore->text(), QStringLiteral("You 1, Grizzle 1"));
        QVERIFY(reader.heard().startsWith(QStringLiteral("Heads.")));
        s.platform.script({0.7f});
        f.cmdTails_Click();
        QCOMPARE(spokenName(f.imgCoin), QStringLiteral("Tails"));
        QCOMPARE(f.lblScore->text(), QStringLiteral("You 2, Grizzle 1"));
        // the score is the visit's
        press(Qt::Key_M, Qt::AltModifier);
        QTRY_VERIFY(s.app->existing<frmMainMenu>()->isVisible());
        StartedApp::settle();
        auto& again = static_cast<frmCoinFlip&>(s.choose("cmdCoinFlip"));
        QCOMPARE(again.lblScore->text(), QStringLiteral("You 0, Grizzle 0"));
    }
};

CARDOVIA_TEST_MAIN(CoinFlipTest)
#include "test_coinflip.moc"
