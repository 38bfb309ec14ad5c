// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
// War's rules without a screen: the deal, the draw, a round and the end.

#include "support/testmain.h"
#include "war/warhelp.h"
#include "wardraws.h"

#include <QtTest>
#include <vector>

using war::Card;
using war::Ending;
using war::Hand;
using war::WarDeck;
using war::Winner;

namespace {

// Every War card is in exactly one hand, apart from those listed as in play.
void checkConserved(const WarDeck& deck, const std::vector<Card>& inPlay = {})
{
    for (const Card& c : allCards()) {
        const bool played = std::find(inPlay.begin(), inPlay.end(), c) != inPlay.end();
        const int places = deck.dealercards.holds(c) + deck.yourcards.holds(c) + played;
        if (places != 1)
            QFAIL(qPrintable(QStringLiteral("card %1/%2 is in %3 places").arg(c.value).arg(c.suit).arg(places)));
    }
    QCOMPARE(deck.dealercards.count() + deck.yourcards.count() + int(inPlay.size()), 48);
}

} // namespace

class WarDeckTest : public QObject {
    Q_OBJECT

private slots:
    void twentySixDistinctCardsLeaveThePlayerTwentyTwo()
    {
        // a spread of cards where drawing suit before value would give others
        std::vector<Card> grizzles;
        for (int i = 0; i < 26; ++i)
            grizzles.push_back({2 + (i * 5) % 12, 1 + (i / 12 + i) % 4});
        FakePlatform p;
        p.script(drawing(grizzles));
        WarDeck deck;
        deck.dealcards(p);
        QCOMPARE(p.scriptLeft(), std::size_t(0));
        QCOMPARE(p.draws, 52);
        QCOMPARE(p.reseeds, 1);
        for (const Card& c : grizzles)
            QVERIFY(deck.dealercards.holds(c));
        QCOMPARE(deck.dealercards.count(), 26);
        QCOMPARE(deck.yourcards.count(), 22);
        checkConserved(deck);
        QVERIFY(deck.dealerdealt && deck.yourdealt);
    }

    void oneCardDrawnTwentySixTimesIsOneCard()
    {
        FakePlatform p;
        p.script(dealing({{9, 2}}));
        WarDeck deck;
        deck.dealcards(p);
        QCOMPARE(deck.dealercards.count(), 1);
        QVERIFY(deck.dealercards.holds({9, 2}));
        QCOMPARE(deck.yourcards.count(), 47);
        QVERIFY(!deck.yourcards.holds({9, 2}));
        checkConserved(deck);
    }

    void theHighestDrawIsAKingNeverAnAce()
    {
        FakePlatform p;
        p.script(std::vector<float>(52, 0.99999994f));
        WarDeck deck;
        deck.dealcards(p);
        QCOMPARE(deck.dealercards.count(), 1);
        QVERIFY(deck.dealercards.holds({13, 4}));
        // a hand has no place for an ace, whatever is put into it
        Hand hand;
        hand.put({14, 1});
        hand.put({1, 1});
        hand.put({5, 0});
        QCOMPARE(hand.count(), 0);
        QVERIFY(!hand.holds({14, 1}));
    }

    void theHelpTellsTheDeckAndTheDealAsTheyAre()
    {
        const QString help = war::helpPage().html;
        const auto number = [&](const char* pattern) {
            return QRegularExpression(QString::fromLatin1(pattern)).match(help).captured(1).toInt();
        };
        QCOMPARE(number("deck has (\\d+) cards"), war::kDeckSize);
        FakePlatform p;
        WarDeck deck;
        deck.dealcards(p);
        // two numbers from the generator for each card drawn
        QCOMPARE(number("gets (\\d+) cards"), p.draws / 2);
    }

    void aOneCardHandDrawsThatCardHoweverLongItTakes()
    {
        // every other card four times over, then the one held
        std::vector<Card> draws;
        for (int round = 0; round < 4; ++round)
            for (const Card& c : allCards())
                if (c != Card{7, 3})
                    draws.push_back(c);
        draws.push_back({7, 3});
        FakePlatform p;
        p.script(drawing(draws));
        Hand hand;
        hand.put({7, 3});
        const auto card = war::draw(p, hand);
        QVERIFY(card);
        QCOMPARE(*card, (Card{7, 3}));
        QCOMPARE(hand.count(), 0);
        QCOMPARE(p.scriptLeft(), std::size_t(0));
    }

    void anEmptyHandDrawsNothing()
    {
        FakePlatform p;
        Hand hand;
        QVERIFY(!war::draw(p, hand));
        QCOMPARE(p.draws, 0);
    }

    void onlyThePlayersTurnReseedsAndItDoesSoFirst()
    {
        FakePlatform p;
        WarDeck deck;
        deck.dealcards(p);
        QCOMPARE(p.randomLog, QStringLiteral("R") + QString(52, QLatin1Char('r')));

        WarDeck table;
        table.dealercards.put({4, 1});
        table.yourcards.put({9, 3});
        table.dealerdealt = table.yourdealt = true;
        p.randomLog.clear();
        p.script(drawing({{4, 1}, {9, 3}}));
        QCOMPARE(*table.dealersplay(p), (Card{4, 1}));
        QCOMPARE(p.randomLog, QStringLiteral("rr"));
        QCOMPARE(table.dealervalue, 4);
        QCOMPARE(table.dealersuit, 1);
        p.randomLog.clear();
        QCOMPARE(*table.yourplay(p), (Card{9, 3}));
        QCOMPARE(p.randomLog, QStringLiteral("Rrr"));
        QCOMPARE(table.yourvalue, 9);
        QCOMPARE(table.yoursuit, 3);
        QCOMPARE(table.yourcards.count() + table.dealercards.count(), 0);
    }

    void theHigherValueTakesBothCards_data()
    {
        QTest::addColumn<int>("yourValue");
        QTest::addColumn<int>("grizzlesValue");
        QTest::addColumn<int>("winner");
        QTest::newRow("king beats queen") << 13 << 12 << int(Winner::You);
        QTest::newRow("queen loses to king") << 12 << 13 << int(Winner::Grizzle);
        // 2 loses to every other value, whoever plays it
        for (int value = 3; value <= 13; ++value) {
            QTest::addRow("two loses to %d", value) << 2 << value << int(Winner::Grizzle);
            QTest::addRow("%d beats two", value) << value << 2 << int(Winner::You);
        }
        QTest::newRow("twos tie") << 2 << 2 << int(Winner::Both);
        QTest::newRow("equal values, suits differ") << 8 << 8 << int(Winner::Both);
    }

    void theHigherValueTakesBothCards()
    {
        QFETCH(int, yourValue);
        QFETCH(int, grizzlesValue);
        QFETCH(int, winner);
        // each side holds half the deck, then plays one of its own cards
        WarDeck deck;
        for (const Card& c : allCards())
            (c.suit <= 2 ? deck.yourcards : deck.dealercards).put(c);
        const Card yours{yourValue, 1};
        const Card grizzles{grizzlesValue, 4};
        deck.yourcards.take(yours);
        deck.dealercards.take(grizzles);
        deck.yourvalue = yours.value;
        deck.yoursuit = yours.suit;
        deck.dealervalue = grizzles.value;
        deck.dealersuit = grizzles.suit;

        QCOMPARE(int(deck.settle()), winner);
        switch (Winner(winner)) {
        case Winner::You:
            QVERIFY(deck.yourcards.holds(yours) && deck.yourcards.holds(grizzles));
            QCOMPARE(deck.yourcards.count(), 25);
            QCOMPARE(deck.dealercards.count(), 23);
            break;
        case Winner::Grizzle:
            QVERIFY(deck.dealercards.holds(yours) && deck.dealercards.holds(grizzles));
            QCOMPARE(deck.yourcards.count(), 23);
            QCOMPARE(deck.dealercards.count(), 25);
            break;
        case Winner::Both:
            QVERIFY(deck.yourcards.holds(yours) && deck.dealercards.holds(grizzles));
            QCOMPARE(deck.yourcards.count(), 24);
            QCOMPARE(deck.dealercards.count(), 24);
            break;
        }
        checkConserved(deck);
    }

    void cardsAreConservedThroughWholeGames()
    {
        // some of these games end, the others are cut short
        for (unsigned seed = 1; seed <= 4; ++seed) {
            FakePlatform p(seed);
            WarDeck deck;
            deck.dealcards(p);
            checkConserved(deck);
            int rounds = 0;
            while (deck.ending() == Ending::None && rounds < 3000) {
                const auto grizzles = deck.dealersplay(p);
                const auto yours = deck.yourplay(p);
                QVERIFY(grizzles && yours);
                QVERIFY(grizzles->value >= 2 && grizzles->value <= 13);
                QVERIFY(yours->value >= 2 && yours->value <= 13);
                checkConserved(deck, {*grizzles, *yours});
                deck.settle();
                checkConserved(deck);
                ++rounds;
            }
            QVERIFY(rounds > 0);
        }
    }

    void theEndLooksAtGrizzlesHandFirst()
    {
        WarDeck deck;
        QCOMPARE(deck.ending(), Ending::GrizzleOut);  // both empty: Grizzle's is tested first
        deck.dealercards.put({2, 1});
        QCOMPARE(deck.ending(), Ending::YouOut);
        deck.yourcards.put({13, 4});
        QCOMPARE(deck.ending(), Ending::None);
        deck.dealercards.take({2, 1});
        QCOMPARE(deck.ending(), Ending::GrizzleOut);
    }
};

CARDOVIA_TEST_GUILESS_MAIN(WarDeckTest)
#include "test_wardeck.moc"
