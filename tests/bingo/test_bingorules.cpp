// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The rules of Bingo without the screen: dealing, the ball bag, ball texts,
// the opponent's marking and the four patterns.

#include "bingo/bingohelp.h"
#include "bingo/bingorules.h"
#include "support/fakeplatform.h"
#include "support/testmain.h"

#include <QtTest>
#include <algorithm>
#include <set>

using bingo::Card;

namespace {

std::vector<int> column(const Card& card, int c)
{
    std::vector<int> numbers;
    for (int row = 0; row < 5; ++row)
        numbers.push_back(card[5 * row + c - 1]);
    return numbers;
}

// Rnd values that draw the given numbers from a column starting at `low`.
std::vector<float> draws(int low, std::initializer_list<int> numbers)
{
    std::vector<float> values;
    for (int n : numbers)
        values.push_back(rndFor(n, low, 15));
    return values;
}

std::array<bool, bingo::kCardCells> marksOn(const std::vector<int>& cells)
{
    std::array<bool, bingo::kCardCells> marks{};
    for (int cell : cells)
        marks[cell - 1] = true;
    return marks;
}

} // namespace

class BingoRulesTest : public QObject {
    Q_OBJECT

private slots:
    void everyDealtCardIsValid()
    {
        for (unsigned seed = 1; seed <= 300; ++seed) {
            FakePlatform p(seed);
            const Card card = bingo::deal(p);
            QCOMPARE(p.reseeds, 1);
            for (int c = 1; c <= 5; ++c) {
                std::vector<int> numbers = column(card, c);
                if (c == 3) {
                    QCOMPARE(numbers[2], 0);  // the free space
                    numbers.erase(numbers.begin() + 2);
                }
                const std::set<int> distinct(numbers.begin(), numbers.end());
                QCOMPARE(distinct.size(), numbers.size());
                for (int n : numbers) {
                    QVERIFY2(n >= 15 * (c - 1) + 1 && n <= 15 * c,
                             qPrintable(QStringLiteral("seed %1 column %2 holds %3").arg(seed).arg(c).arg(n)));
                }
            }
        }
    }

    void dealKeepsTheOrderDrawnAndSkipsRepeats()
    {
        FakePlatform p;
        std::vector<float> script;
        for (const auto& part : {draws(1, {5, 3, 5, 9, 1, 15}),      // the second 5 is drawn again
                                 draws(16, {30, 16, 20, 25, 17}),
                                 draws(31, {31, 45, 45, 40, 33, 38}),  // 38 is drawn but not shown
                                 draws(46, {60, 59, 58, 57, 46}),
                                 draws(61, {61, 75, 62, 74, 63})})
            script.insert(script.end(), part.begin(), part.end());
        p.script(script);
        const Card card = bingo::deal(p);
        QCOMPARE(p.scriptLeft(), std::size_t(0));
        QCOMPARE(column(card, 1), (std::vector<int>{5, 3, 9, 1, 15}));
        QCOMPARE(column(card, 2), (std::vector<int>{30, 16, 20, 25, 17}));
        QCOMPARE(column(card, 3), (std::vector<int>{31, 45, 0, 40, 33}));
        QCOMPARE(column(card, 4), (std::vector<int>{60, 59, 58, 57, 46}));
        QCOMPARE(column(card, 5), (std::vector<int>{61, 75, 62, 74, 63}));
    }

    void seventyFiveCallsGiveEveryBallOnceThenNothing()
    {
        FakePlatform p(7);
        bingo::BallBag bag;
        std::set<int> called;
        for (int i = 1; i <= 75; ++i) {
            const int b = bag.call(p);
            QVERIFY(b >= 1 && b <= 75);
            QVERIFY2(called.insert(b).second, "a ball was called twice");
            QVERIFY(!bag.ballfree[b]);
            QCOMPARE(int(bag.ballcount), i);
        }
        const int drawsBefore = p.draws;
        QCOMPARE(bag.call(p), 0);
        QCOMPARE(p.draws, drawsBefore + 1);
        QCOMPARE(int(bag.ballcount), 75);

        bag.refill();
        QCOMPARE(int(bag.ballcount), 0);
        for (int b = 1; b <= 75; ++b)
            QVERIFY(bag.ballfree[b]);
    }

    void aCalledBallIsDrawnAgain()
    {
        FakePlatform p;
        bingo::BallBag bag;
        p.script({rndFor(40, 1, 75), rndFor(40, 1, 75), rndFor(40, 1, 75), rndFor(12, 1, 75)});
        QCOMPARE(bag.call(p), 40);
        QCOMPARE(bag.call(p), 12);
        QCOMPARE(p.reseeds, 2);
        QCOMPARE(int(bag.ballcount), 2);
    }

    void ballTexts_data()
    {
        QTest::addColumn<int>("ball");
        QTest::addColumn<QString>("text");
        QTest::newRow("first") << 1 << "B1";
        QTest::newRow("B7") << 7 << "B7";
        QTest::newRow("end of B") << 15 << "B15";
        QTest::newRow("start of I") << 16 << "I16";
        QTest::newRow("end of N") << 45 << "N45";
        QTest::newRow("start of G") << 46 << "G46";
        QTest::newRow("start of O") << 61 << "O61";
        QTest::newRow("last") << 75 << "O75";
        QTest::newRow("zero") << 0 << QString();
        QTest::newRow("past the end") << 76 << QString();
        QTest::newRow("negative") << -3 << QString();
    }
    void ballTexts()
    {
        QFETCH(int, ball);
        QFETCH(QString, text);
        QCOMPARE(bingo::ballText(ball), text);
        QCOMPARE(bingo::ballText(ball).isNull(), text.isNull());
    }

    void opponentMarksOnlyTheFirstMatchingColumn()
    {
        std::array<QString, 25> captions;
        for (int cell = 1; cell <= 25; ++cell)
            captions[cell - 1] = QString::number(cell + 100);
        captions[12] = QStringLiteral("FS");
        // The captions are what is read, so a number can be made to stand in
        // two columns; only the first one (I, cells 2 and 17) is marked.
        captions[1] = captions[16] = captions[3] = QStringLiteral("20");
        QCOMPARE(bingo::cellsToMark(captions, 20), (std::vector<int>{2, 17}));
        QCOMPARE(bingo::cellsToMark(captions, 105), (std::vector<int>{5}));
        QVERIFY(bingo::cellsToMark(captions, 7).empty());
    }

    void opponentNeverLooksAtTheCentreOrAtWords()
    {
        std::array<QString, 25> captions;
        captions.fill(QStringLiteral("FS"));
        captions[12] = QStringLiteral("33");
        QVERIFY(bingo::cellsToMark(captions, 33).empty());
        // before the first ball curball is 0, which no caption may match
        QVERIFY(bingo::cellsToMark(captions, 0).empty());
        captions[7] = QString();
        QVERIFY(bingo::cellsToMark(captions, 0).empty());
    }

    void patternsNeedExactlyTheirCells_data()
    {
        QTest::addColumn<int>("gametype");
        QTest::addColumn<std::vector<int>>("cells");
        std::vector<int> all(25);
        for (int i = 0; i < 25; ++i)
            all[i] = i + 1;
        QTest::newRow("Blackout") << int(bingo::Blackout) << all;
        QTest::newRow("X-out") << int(bingo::XOut) << std::vector<int>{1, 5, 7, 9, 17, 19, 21, 25};
        QTest::newRow("4 Corners") << int(bingo::FourCorners) << std::vector<int>{1, 5, 21, 25};
        QTest::newRow("Field Goal") << int(bingo::FieldGoal)
                                    << std::vector<int>{1, 5, 6, 10, 11, 12, 13, 14, 15, 18, 23};
    }
    void patternsNeedExactlyTheirCells()
    {
        QFETCH(int, gametype);
        QFETCH(std::vector<int>, cells);
        QCOMPARE(bingo::patternCells(gametype), cells);
        // the help's picture of the pattern marks exactly these
        QCOMPARE(bingo::patternMarks(gametype), marksOn(cells));
        QVERIFY(bingo::hasPattern(gametype, marksOn(cells)));
        for (int missing : cells) {
            std::vector<int> fewer = cells;
            fewer.erase(std::find(fewer.begin(), fewer.end(), missing));
            QVERIFY2(!bingo::hasPattern(gametype, marksOn(fewer)),
                     qPrintable(QStringLiteral("accepted without cell %1").arg(missing)));
            // every other cell of the card marked does not make up for it
            std::array<bool, 25> others;
            others.fill(true);
            others[missing - 1] = false;
            QVERIFY(!bingo::hasPattern(gametype, others));
        }
    }

    void onlyBlackoutAndFieldGoalNeedTheCentre_data()
    {
        QTest::addColumn<int>("gametype");
        QTest::addColumn<bool>("needsCentre");
        QTest::newRow("Blackout") << int(bingo::Blackout) << true;
        QTest::newRow("X-out") << int(bingo::XOut) << false;
        QTest::newRow("4 Corners") << int(bingo::FourCorners) << false;
        QTest::newRow("Field Goal") << int(bingo::FieldGoal) << true;
    }
    void onlyBlackoutAndFieldGoalNeedTheCentre()
    {
        QFETCH(int, gametype);
        QFETCH(bool, needsCentre);
        std::array<bool, 25> marks;
        marks.fill(true);
        marks[bingo::kCentre - 1] = false;
        QCOMPARE(bingo::hasPattern(gametype, marks), !needsCentre);
    }

    void anUnknownPatternIsNeverWonNorNamed()
    {
        std::array<bool, 25> marks;
        marks.fill(true);
        QStringList names;
        for (int gametype = 0; gametype <= 5; ++gametype) {
            const bool known = gametype >= bingo::Blackout && gametype <= bingo::FieldGoal;
            QCOMPARE(bingo::hasPattern(gametype, marks), known);
            QCOMPARE(bingo::patternName(gametype).isEmpty(), !known);
            names << bingo::patternName(gametype);
        }
        names.removeDuplicates();
        QCOMPARE(names.size(), 5);  // four names and the empty one
    }
};

CARDOVIA_TEST_GUILESS_MAIN(BingoRulesTest)
#include "test_bingorules.moc"
