// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The rules of Tic Tac Toe apart from the screen: outcomes, Grizzle's
// blocking rules and its random fallback, and the pictures.

#include "support/fakeplatform.h"
#include "support/testmain.h"
#include "tictactoe/artwork.h"
#include "tictactoe/board.h"

#include <QImage>
#include <QtTest>
#include <cmath>
#include <map>
#include <set>

using namespace tictactoe;

namespace {

// Nine cells row by row, spaces ignored: "OX. .O. X.." with O the player, X Grizzle.
Board boardOf(const char* cells)
{
    Board b;
    int n = 1;
    for (const char* c = cells; *c; ++c) {
        if (*c == 'O' || *c == 'X' || *c == '.')
            b(n++) = *c == 'O' ? kPlayer : *c == 'X' ? kComputer : kEmpty;
    }
    return b;
}

FreeCell emptyOn(const Board& b)
{
    return [b](int cell) { return b(cell) == kEmpty; };
}

} // namespace

Q_DECLARE_METATYPE(Outcome)

class BoardTest : public QObject {
    Q_OBJECT

private slots:
    void outcomeOfAPosition_data()
    {
        QTest::addColumn<QString>("cells");
        QTest::addColumn<Outcome>("expected");
        QTest::newRow("empty") << "... ... ..." << Outcome::None;
        QTest::newRow("game goes on") << "OX. .O. X.." << Outcome::None;
        QTest::newRow("top row") << "OOO XX. ..." << Outcome::PlayerWins;
        QTest::newRow("middle row") << "XX. OOO ..." << Outcome::PlayerWins;
        QTest::newRow("bottom row") << "X.X ... OOO" << Outcome::PlayerWins;
        QTest::newRow("left column") << "OX. OX. O.." << Outcome::PlayerWins;
        QTest::newRow("middle column") << "XO. .OX .O." << Outcome::PlayerWins;
        QTest::newRow("right column") << "X.O X.O ..O" << Outcome::PlayerWins;
        QTest::newRow("diagonal from top left") << "OX. XO. ..O" << Outcome::PlayerWins;
        QTest::newRow("diagonal from top right") << "XXO .O. O.." << Outcome::PlayerWins;
        QTest::newRow("Grizzle's row") << "OO. XXX O.." << Outcome::ComputerWins;
        QTest::newRow("Grizzle's column") << "O.X O.X .OX" << Outcome::ComputerWins;
        QTest::newRow("Grizzle's diagonal") << "OOX .X. XO." << Outcome::ComputerWins;
        QTest::newRow("full, no line") << "XOO OOX XXO" << Outcome::Draw;
        QTest::newRow("full, and the last O made a line") << "OXO XOX XOO" << Outcome::PlayerWins;
        QTest::newRow("full, and the last X made a line") << "XOO OXO OXX" << Outcome::ComputerWins;
        // the player's lines are read before Grizzle's
        QTest::newRow("both have a line") << "OOO XXX ..." << Outcome::PlayerWins;
        QTest::newRow("a line of mixed marks") << "OXO ... ..." << Outcome::None;
    }

    void outcomeOfAPosition()
    {
        QFETCH(QString, cells);
        QFETCH(Outcome, expected);
        QCOMPARE(outcome(boardOf(qPrintable(cells))), expected);
    }

    void everyBlockingRuleFiresWithItsTarget_data()
    {
        QTest::addColumn<int>("rule");
        QTest::addColumn<int>("a");
        QTest::addColumn<int>("b");
        QTest::addColumn<int>("target");
        const int table[24][3] = {
            {1, 2, 3}, {2, 3, 1}, {1, 3, 2}, {4, 5, 6}, {5, 6, 4}, {4, 6, 5},
            {7, 8, 9}, {8, 9, 7}, {7, 9, 8}, {1, 4, 7}, {4, 7, 1}, {1, 7, 4},
            {2, 5, 8}, {5, 8, 2}, {2, 8, 5}, {3, 6, 9}, {6, 9, 3}, {3, 9, 6},
            {1, 5, 9}, {5, 9, 1}, {1, 9, 5}, {3, 5, 7}, {5, 7, 3}, {3, 7, 5},
        };
        for (int k = 0; k < 24; ++k)
            QTest::addRow("rule %d", k + 1) << k << table[k][0] << table[k][1] << table[k][2];
    }

    void everyBlockingRuleFiresWithItsTarget()
    {
        QFETCH(int, rule);
        QFETCH(int, a);
        QFETCH(int, b);
        QFETCH(int, target);
        Board board;
        board(a) = kPlayer;
        board(b) = kPlayer;
        QCOMPARE(blockingMove(board, emptyOn(board)), std::optional<int>(target));
        // and it sits at its place in the order
        const BlockingRule r = blockingRules()[std::size_t(rule)];
        QCOMPARE(QList<int>({r.first, r.second, r.target}), QList<int>({a, b, target}));
    }

    void blockingFallsThroughInRuleOrder_data()
    {
        QTest::addColumn<QString>("cells");
        QTest::addColumn<int>("target");  // 0: nothing to block
        // rules 18 (3 and 9, block 6) and 21 (1 and 9, block 5) both match
        QTest::newRow("tie-break") << "OXO ... .XO" << 6;
        // rules 1 and 13 are blocked already; rule 19 (1 and 5) blocks 9
        QTest::newRow("blocked lines are passed over") << "OOX .O. .X." << 9;
        QTest::newRow("every pair blocked") << "OOX .O. .XX" << 0;
        QTest::newRow("Grizzle's own pair is no threat") << "XX. O.. ..." << 0;
    }

    void blockingFallsThroughInRuleOrder()
    {
        QFETCH(QString, cells);
        QFETCH(int, target);
        const Board board = boardOf(qPrintable(cells));
        QCOMPARE(blockingMove(board, emptyOn(board)).value_or(0), target);
    }

    void randomMoveIsUniformOverTheFreeCells_data()
    {
        QTest::addColumn<QString>("cells");
        QTest::newRow("emptied board") << "... ... ...";
        QTest::newRow("game in progress") << "O.X ..O .X.";
        QTest::newRow("one cell left") << "OXO XOX X.O";
    }

    void randomMoveIsUniformOverTheFreeCells()
    {
        QFETCH(QString, cells);
        const Board board = boardOf(qPrintable(cells));
        std::set<int> free;
        for (int n = 1; n <= 9; ++n)
            if (board(n) == kEmpty)
                free.insert(n);

        FakePlatform platform(20261207);
        constexpr int kMoves = 36000;
        std::map<int, int> hits;
        for (int i = 0; i < kMoves; ++i) {
            const std::optional<int> cell = randomFreeCell(platform, emptyOn(board));
            QVERIFY(cell && free.count(*cell));
            ++hits[*cell];
        }
        // the generator is reseeded before every attempt, the failed ones too
        QCOMPARE(platform.reseeds, platform.draws);
        QVERIFY(platform.draws >= kMoves);

        const double p = 1.0 / double(free.size());
        const double expected = kMoves * p;
        const double sigma = std::sqrt(kMoves * p * (1 - p));
        for (int cell : free)
            QVERIFY2(std::abs(hits[cell] - expected) <= 6 * sigma + 1e-9,
                     qPrintable(QStringLiteral("cell %1: %2 hits, %3 expected").arg(cell).arg(hits[cell]).arg(expected)));
    }

    void randomMoveRetriesUntilAFreeCellAndNeverHangs()
    {
        const Board board = boardOf("OX. ... ...");
        FakePlatform platform;
        platform.script({rndFor(1, 1, 9), rndFor(2, 1, 9), rndFor(1, 1, 9), rndFor(8, 1, 9)});
        QCOMPARE(randomFreeCell(platform, emptyOn(board)), std::optional<int>(8));
        QCOMPARE(platform.draws, 4);
        QCOMPARE(platform.reseeds, 4);
        // a full board gets no move rather than an endless search
        QCOMPARE(randomFreeCell(platform, [](int) { return false; }), std::nullopt);
        QCOMPARE(platform.draws, 4);
    }

    void thePaperHasItsTwoRulesCrispAtEveryWholeScale()
    {
        const QColor white(Qt::white), cyan(0, 255, 255), red(255, 0, 0);
        for (int scale : {1, 2}) {
            const QImage img = ruledPaper().render(scale);
            QCOMPARE(img.size(), QSize(253, 293) * scale);
            // (x, y) in logical pixels; the last device pixel of it when `end`
            const auto at = [&](int x, int y, bool end = false) {
                return img.pixelColor(x * scale + (end ? scale - 1 : 0), y * scale + (end ? scale - 1 : 0));
            };
            QCOMPARE(at(20, 1), cyan);
            QCOMPARE(at(20, 292, true), cyan);
            QCOMPARE(at(20, 0), white);  // the margin rule starts one pixel down
            QCOMPARE(at(19, 100, true), white);  // one pixel wide, no blur either side
            QCOMPARE(at(21, 100), white);
            QCOMPARE(at(0, 46), red);
            QCOMPARE(at(249, 46, true), red);
            QCOMPARE(at(250, 46), white);  // the heading rule stops short of the edge
            QCOMPARE(at(100, 45, true), white);
            QCOMPARE(at(100, 47), white);
            QCOMPARE(at(20, 46), red);  // red over cyan
        }
    }

    void theRingAndTheCrossFillACell()
    {
        const auto dark = [](const QImage& img, double fx, double fy) {
            return qGray(img.pixel(int(fx * img.width()), int(fy * img.height()))) < 96;
        };
        for (int scale : {1, 2}) {
            const QImage ring = ringO().render(scale);
            QCOMPARE(ring.size(), QSize(45, 45) * scale);
            // touches all four edges, about five pixels thick, hollow, white outside
            for (auto [fx, fy] : {std::pair{0.5, 0.01}, {0.5, 0.99}, {0.01, 0.5}, {0.99, 0.5}, {0.5, 0.08}})
                QVERIFY(dark(ring, fx, fy));
            for (auto [fx, fy] : {std::pair{0.5, 0.16}, {0.5, 0.5}, {0.02, 0.02}})
                QVERIFY(!dark(ring, fx, fy));

            const QImage cross = crossX().render(scale);
            QCOMPARE(cross.size(), QSize(45, 45) * scale);
            // both strokes reach their corners and are about six pixels wide
            for (auto [fx, fy] : {std::pair{0.01, 0.01}, {0.99, 0.01}, {0.01, 0.99}, {0.99, 0.99}, {0.5, 0.5},
                                  {0.5, 0.56}})
                QVERIFY(dark(cross, fx, fy));
            for (auto [fx, fy] : {std::pair{0.5, 0.1}, {0.1, 0.5}, {0.5, 0.64}})
                QVERIFY(!dark(cross, fx, fy));
        }
    }
};

CARDOVIA_TEST_MAIN(BoardTest)
#include "test_board.moc"
