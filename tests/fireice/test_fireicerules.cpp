// The colour of every face and the sliding card's steps and turns.

#include "fireice/fireicerules.h"

#include <QtTest>
#include <vector>

using fireice::Slide;

namespace {

constexpr double kCardWidth = 1065;

// Lefts of the card after each of `ticks` steps from a fresh shuffle.
std::vector<double> slide(double formWidth, int ticks)
{
    std::vector<double> lefts;
    Slide card{1080, 200};
    for (int i = 0; i < ticks; ++i) {
        card = fireice::movecard(card, formWidth, kCardWidth);
        lefts.push_back(card.left);
    }
    return lefts;
}

// The Lefts at which the card changed direction.
std::vector<double> turns(const std::vector<double>& lefts)
{
    std::vector<double> result;
    for (std::size_t i = 1; i + 1 < lefts.size(); ++i)
        if ((lefts[i] - lefts[i - 1]) * (lefts[i + 1] - lefts[i]) < 0)
            result.push_back(lefts[i]);
    return result;
}

} // namespace

class FireIceRulesTest : public QObject {
    Q_OBJECT

private slots:
    void everyFaceHasTheColourOfItsSuit()
    {
        // suits run spades, hearts, diamonds, clubs within each rank
        int fire = 0;
        for (int rank = 1; rank <= 13; ++rank) {
            for (int suit = 1; suit <= 4; ++suit) {
                const int n = 4 * (rank - 1) + suit;
                const bool red = suit == 2 || suit == 3;
                QVERIFY2(fireice::isFire(n) == red, qPrintable(QString::number(n)));
                QVERIFY2(fireice::isIce(n) == !red, qPrintable(QString::number(n)));
                fire += red;
            }
        }
        QCOMPARE(fire, 26);
        // the aces and the kings by name
        QVERIFY(fireice::isIce(1));   // ace of spades
        QVERIFY(fireice::isFire(2));  // ace of hearts
        QVERIFY(fireice::isFire(3));  // ace of diamonds
        QVERIFY(fireice::isIce(4));   // ace of clubs
        QVERIFY(fireice::isIce(49));  // king of spades
        QVERIFY(fireice::isFire(50));
        QVERIFY(fireice::isFire(51));
        QVERIFY(fireice::isIce(52));  // king of clubs
    }

    void theTurnIsTestedAfterTheMove()
    {
        // reaching the right limit exactly already turns the card
        QCOMPARE(fireice::movecard({6130, 200}, 7395, kCardWidth), (Slide{6330, -200}));
        QCOMPARE(fireice::movecard({6129, 200}, 7395, kCardWidth), (Slide{6329, 200}));
        // at the left it turns only once past the edge
        QCOMPARE(fireice::movecard({200, -200}, 7395, kCardWidth), (Slide{0, -200}));
        QCOMPARE(fireice::movecard({80, -200}, 7395, kCardWidth), (Slide{-120, 200}));
        // one turn per step, even on a screen so narrow that both edges are passed
        QCOMPARE(fireice::movecard({50, -200}, 900, kCardWidth), (Slide{-150, 200}));
    }

    void atTheStoredWidthTheCardSwingsBetweenMinus120And6480()
    {
        const std::vector<double> lefts = slide(7395, 200);
        QCOMPARE(lefts.front(), 1280.0);
        QCOMPARE(lefts[26], 6480.0);  // the 27th step reaches the turn
        QCOMPARE(lefts[27], 6280.0);
        const std::vector<double> t = turns(lefts);
        QVERIFY(t.size() >= 5);
        for (std::size_t i = 0; i < t.size(); ++i)
            QCOMPARE(t[i], i % 2 ? -120.0 : 6480.0);
    }

    void inTheMenusAreaTheCardTurnsAtItsOwnLimit()
    {
        // opened from the menu of a 9600-twip frame the screen is 6600 wide
        const std::vector<double> t = turns(slide(6600, 200));
        QVERIFY(t.size() >= 5);
        for (std::size_t i = 0; i < t.size(); ++i)
            QCOMPARE(t[i], i % 2 ? -120.0 : 5680.0);
    }

    void aScreenNarrowerThanTheCardLeavesItShaking()
    {
        // nothing sensible to slide across: the card turns on every step
        // and stays near its start instead of running away
        const std::vector<double> lefts = slide(900, 20);
        for (double left : lefts)
            QVERIFY(left == 1080 || left == 1280);
    }
};

QTEST_APPLESS_MAIN(FireIceRulesTest)
#include "test_fireicerules.moc"
