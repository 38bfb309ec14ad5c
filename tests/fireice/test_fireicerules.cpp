// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The colour of every face and the sliding card's turns.

#include "fireice/fireicerules.h"
#include "support/testmain.h"

#include <QtTest>

using fireice::Slide;

class FireIceRulesTest : public QObject {
    Q_OBJECT

private slots:
    void everyFaceHasTheColourOfItsSuit()
    {
        // suits run spades, hearts, diamonds, clubs within each rank
        for (int n = 1; n <= 52; ++n) {
            const int suit = (n - 1) % 4 + 1;
            const bool red = suit == 2 || suit == 3;
            QVERIFY2(fireice::isFire(n) == red && fireice::isIce(n) == !red, qPrintable(QString::number(n)));
        }
        QVERIFY(fireice::isIce(1) && fireice::isIce(4) && fireice::isIce(49) && fireice::isIce(52));
        QVERIFY(fireice::isFire(2) && fireice::isFire(3) && fireice::isFire(50) && fireice::isFire(51));
    }

    void theTurnIsTestedAfterTheMove()
    {
        constexpr double card = 1065;
        // reaching the right limit exactly already turns the card
        QCOMPARE(fireice::movecard({6130, 200}, 7395, card), (Slide{6330, -200}));
        QCOMPARE(fireice::movecard({6129, 200}, 7395, card), (Slide{6329, 200}));
        // at the left it turns only once past the edge
        QCOMPARE(fireice::movecard({200, -200}, 7395, card), (Slide{0, -200}));
        QCOMPARE(fireice::movecard({80, -200}, 7395, card), (Slide{-120, 200}));
        // one turn per step, even on a screen so narrow that both edges are passed
        QCOMPARE(fireice::movecard({50, -200}, 900, card), (Slide{-150, 200}));
    }
};

CARDOVIA_TEST_APPLESS_MAIN(FireIceRulesTest)
#include "test_fireicerules.moc"
