// Fire & Ice as the player meets it: the screen, the shuffle, the sliding
// card, the two calls with their answers, the sound and the gunman.

#include "fireice/frmfireice.h"
#include "fireice/gunman.h"
#include "shell/frmcardimages.h"
#include "shell/frmmain.h"
#include "shell/frmmainmenu.h"
#include "support/started.h"

#include <QPointer>
#include <QPushButton>
#include <QtTest>
#include <algorithm>

namespace {

const QStringList kFireSound{"FileName=fire.wav", "open", "play", "prev"};
const QString kLucky = QStringLiteral("You got lucky punk, Try again, I dare you.");
const QString kLiar = QStringLiteral("Ya big liar!");
constexpr float kJustBelowOne = 0.99999994f;

// The Rnd that deals face n.
float face(int n)
{
    return rndFor(n, 1, 52);
}

FrmFireIce& openFromMenu(StartedApp& s)
{
    s.app->existing<frmMainMenu>()->cmdFireIce_Click();
    return *s.app->existing<FrmFireIce>();
}

void ticks(FrmFireIce& f, int n)
{
    for (int i = 0; i < n; ++i)
        tick(*f.tmrMovement);
}

// Also records the order of reseeds and draws, which the plain fake only counts.
struct OrderedPlatform : FakePlatform {
    QStringList calls;
    void Randomize() override
    {
        calls << QStringLiteral("Randomize");
        FakePlatform::Randomize();
    }
    float Rnd() override
    {
        calls << QStringLiteral("Rnd");
        return FakePlatform::Rnd();
    }
};

bool greenish(const QColor& c)
{
    return c.green() > c.red() + 60 && c.green() > c.blue() + 60;
}

} // namespace

class FrmFireIceTest : public QObject {
    Q_OBJECT

private slots:
    void opensWithEveryControlAsStored()
    {
        StartedApp s;
        FrmFireIce& f = s.app->form<FrmFireIce>();
        QCOMPARE(twips::rect(&f), (twips::Rect{0, 0, 7395, 4485}));
        QCOMPARE(f.palette().color(QPalette::Window), QColor(64, 0, 64));

        struct Button {
            QPushButton* button;
            const char* name;
            const char* caption;
            twips::Rect rect;
            bool enabled;
        };
        for (const Button& b : {Button{f.cmdReturn, "cmdReturn", "Main Menu", {2160, 4080, 1695, 375}, true},
                                Button{f.cmdShuffle, "cmdShuffle", "&Shuffle Those Card!", {240, 3000, 1695, 495}, true},
                                Button{f.cmdIce, "cmdIce", "&Ice", {4080, 3000, 1575, 495}, false},
                                Button{f.cmdFire, "cmdFire", "&Fire", {2160, 3000, 1695, 495}, false}}) {
            QCOMPARE(b.button->objectName(), QString::fromLatin1(b.name));
            QCOMPARE(b.button->text(), QString::fromLatin1(b.caption));
            QCOMPARE(twips::rect(b.button), b.rect);
            QCOMPARE(b.button->isEnabled(), b.enabled);
        }

        QCOMPARE(twips::rect(f.picGuy), (twips::Rect{2880, 1320, 1590, 1395}));
        QVERIFY(f.picGuy->isHidden());
        QCOMPARE(f.picGuy->picture(), fireice::gunman());
        // the drawing fills the box inside its two-pixel sunken border
        QCOMPARE(f.picGuy->size(), fireice::gunman().size() + QSize(4, 4));

        QCOMPARE(twips::rect(f.imgCard), (twips::Rect{1080, 840, 1065, 1440}));
        QVERIFY(f.imgCard->picture().isNull());
        // the card passes beneath the gunman, never over him
        QVERIFY(f.children().indexOf(f.imgCard) < f.children().indexOf(f.picGuy));

        QCOMPARE(f.tmrMovement->interval(), 1);
        QVERIFY(!f.tmrMovement->isEnabled());
        QCOMPARE(f.cardnumber, 0);
        QCOMPARE(f.stepsize, qint16(0));
        QVERIFY(!f.stopmoving);

        QCOMPARE(f.cmdFire->nextInFocusChain(), f.cmdIce);
        QCOMPARE(f.cmdIce->nextInFocusChain(), f.cmdShuffle);
        QCOMPARE(f.cmdShuffle->nextInFocusChain(), f.cmdReturn);
    }

    void shuffleDealsAFaceAndSetsItMovingWithoutReseeding()
    {
        StartedApp s;
        FrmFireIce& f = openFromMenu(s);
        const frmCardImages& images = *s.app->existing<frmCardImages>();
        const int reseeds = s.platform.reseeds;

        s.platform.script({face(37)});
        const int draws = s.platform.draws;
        f.cmdShuffle_Click();
        QCOMPARE(s.platform.draws, draws + 1);
        QCOMPARE(f.cardnumber, 37);
        QCOMPARE(f.imgCard->picture(), images.Image1(37));
        QCOMPARE(twips::rect(f.imgCard), (twips::Rect{1080, 840, 1065, 1440}));
        QCOMPARE(f.stepsize, qint16(200));
        QVERIFY(f.tmrMovement->isEnabled());
        QVERIFY(f.cmdFire->isEnabled() && f.cmdIce->isEnabled());
        QVERIFY(!f.cmdShuffle->isEnabled());

        // the lowest and the highest draw still give a face, and every
        // shuffle puts the card back at its start heading right
        for (const auto& [rnd, card] : {std::pair{0.0f, 1}, std::pair{kJustBelowOne, 52}}) {
            ticks(f, 30);
            QVERIFY(f.stepsize < 0);
            f.cmdIce_Click();
            ticks(f, 1);
            s.platform.script({rnd});
            f.cmdShuffle_Click();
            QCOMPARE(f.cardnumber, card);
            QCOMPARE(f.imgCard->picture(), images.Image1(card));
            QCOMPARE(twips::left(f.imgCard), 1080.0);
            QCOMPARE(f.stepsize, qint16(200));
        }
        QCOMPARE(s.platform.reseeds, reseeds);
    }

    void theCardTurnsAtTheScreensCurrentWidth_data()
    {
        QTest::addColumn<bool>("fromMenu");
        QTest::addColumn<double>("narrowedTo");
        QTest::addColumn<int>("firstTurn");
        QTest::addColumn<double>("right");
        QTest::newRow("stored width") << false << 0.0 << 27 << 6480.0;
        QTest::newRow("opened from the menu") << true << 0.0 << 23 << 5680.0;
        QTest::newRow("narrowed while sliding") << true << 3000.0 << 5 << 2080.0;
    }

    void theCardTurnsAtTheScreensCurrentWidth()
    {
        QFETCH(bool, fromMenu);
        QFETCH(double, narrowedTo);
        QFETCH(int, firstTurn);
        QFETCH(double, right);
        StartedApp s;
        FrmFireIce& f = fromMenu ? openFromMenu(s) : s.app->form<FrmFireIce>();
        QCOMPARE(twips::width(&f), fromMenu ? s.app->main().Width() - 3000 : 7395.0);
        f.cmdShuffle_Click();
        if (narrowedTo > 0)
            twips::setWidth(&f, narrowedTo);

        std::vector<double> lefts;
        for (int i = 0; i < 150; ++i) {
            ticks(f, 1);
            lefts.push_back(twips::left(f.imgCard));
            QCOMPARE(twips::top(f.imgCard), 840.0);
        }
        QCOMPARE(lefts[firstTurn - 1], right);
        QCOMPARE(lefts[firstTurn], right - 200);
        QCOMPARE(*std::max_element(lefts.begin(), lefts.end()), right);
        QCOMPARE(*std::min_element(lefts.begin(), lefts.end()), -120.0);
        // and the card keeps swinging: both edges are met more than once
        QVERIFY(std::count(lefts.begin(), lefts.end(), right) >= 2);
        QVERIFY(std::count(lefts.begin(), lefts.end(), -120.0) >= 2);
    }

    void eachCallGetsItsAnswerAndTheCardStopsAfterOneMoreStep_data()
    {
        QTest::addColumn<int>("card");
        QTest::addColumn<bool>("fire");
        QTest::addColumn<bool>("tickWhileBoxOpen");
        QTest::addColumn<QString>("message");
        QTest::newRow("Ice on the ace of spades") << 1 << false << false << kLucky;
        QTest::newRow("Ice on the king of clubs, tick in the box") << 52 << false << true << kLucky;
        QTest::newRow("Ice on the ace of hearts") << 2 << false << false << kLiar;
        QTest::newRow("Ice on the king of diamonds, tick in the box") << 51 << false << true << kLiar;
        QTest::newRow("Fire on the ace of clubs") << 4 << true << false << kLiar;
        QTest::newRow("Fire on the king of spades, tick in the box") << 49 << true << true << kLiar;
        QTest::newRow("Fire on the ace of diamonds") << 3 << true << false << QString();
        QTest::newRow("Fire on the queen of hearts") << 46 << true << false << QString();
    }

    void eachCallGetsItsAnswerAndTheCardStopsAfterOneMoreStep()
    {
        QFETCH(int, card);
        QFETCH(bool, fire);
        QFETCH(bool, tickWhileBoxOpen);
        QFETCH(QString, message);
        StartedApp s;
        FrmFireIce& f = openFromMenu(s);
        s.platform.script({face(card)});
        f.cmdShuffle_Click();
        ticks(f, 5);
        const double leftAtCall = twips::left(f.imgCard);

        double leftInBox = -1;
        bool stillRunningInBox = true;
        if (tickWhileBoxOpen) {
            s.platform.onMessage = [&](const QString&) {
                ticks(f, 3);
                leftInBox = twips::left(f.imgCard);
                stillRunningInBox = f.tmrMovement->isEnabled();
            };
        }
        fire ? f.cmdFire_Click() : f.cmdIce_Click();
        if (tickWhileBoxOpen) {
            QCOMPARE(leftInBox, leftAtCall + 200);
            QVERIFY(!stillRunningInBox);
        }
        ticks(f, 5);

        QCOMPARE(s.platform.messages, message.isEmpty() ? QStringList() : QStringList{message});
        QCOMPARE(twips::left(f.imgCard), leftAtCall + 200);
        QVERIFY(!f.tmrMovement->isEnabled());
        QVERIFY(!f.stopmoving);
        QVERIFY(!f.cmdFire->isEnabled() && !f.cmdIce->isEnabled());
        QVERIFY(f.cmdShuffle->isEnabled());
        const bool rightFire = fire && message.isEmpty();
        QCOMPARE(s.platform.wavePlayer.log, rightFire ? kFireSound : QStringList());
        QCOMPARE(f.picGuy->isVisible(), rightFire);
    }

    void aRightFireReseedsAndPlacesTheGunmanInsideTheScreen_data()
    {
        QTest::addColumn<float>("rnd");
        QTest::addColumn<double>("x");
        QTest::addColumn<double>("y");
        // the stored screen leaves 7395 - 1590 and 4485 - 1395 twips of room
        QTest::newRow("lowest draw") << 0.0f << 0.0 << 0.0;
        QTest::newRow("middle draw") << 0.5f << 2903.0 << 1545.0;
        QTest::newRow("highest draw") << kJustBelowOne << 5805.0 << 3090.0;
    }

    void aRightFireReseedsAndPlacesTheGunmanInsideTheScreen()
    {
        QFETCH(float, rnd);
        QFETCH(double, x);
        QFETCH(double, y);
        OrderedPlatform platform;
        App app(platform);
        FrmFireIce& f = app.form<FrmFireIce>();

        // a few wrong calls first: shuffles draw, but never reseed
        for (int card : {1, 4, 2}) {
            platform.script({face(card)});
            f.cmdShuffle_Click();
            f.cmdIce_Click();
            ticks(f, 1);
        }
        QCOMPARE(platform.calls, (QStringList{"Rnd", "Rnd", "Rnd"}));

        platform.script({face(27), rnd, rnd});
        f.cmdShuffle_Click();
        f.cmdFire_Click();
        QCOMPARE(platform.calls.mid(3), (QStringList{"Rnd", "Randomize", "Rnd", "Rnd"}));
        QCOMPARE(twips::rect(f.picGuy), (twips::Rect{x, y, 1590, 1395}));
        QVERIFY(!f.picGuy->isHidden());
        QVERIFY(f.rect().contains(f.picGuy->geometry()));
    }

    void theGunmanStaysInsideTheScreenOpenedFromTheMenu()
    {
        StartedApp s;
        FrmFireIce& f = openFromMenu(s);
        for (float rnd : {0.0f, kJustBelowOne}) {
            s.platform.script({face(50), rnd, rnd});
            f.cmdShuffle_Click();
            f.cmdFire_Click();
            const twips::Rect guy = twips::rect(f.picGuy);
            QVERIFY(guy.left >= 0 && guy.top >= 0);
            QVERIFY(guy.left + guy.width <= twips::width(&f));
            QVERIFY(guy.top + guy.height <= twips::height(&f));
            QVERIFY(f.rect().contains(f.picGuy->geometry()));
        }
        // the highest draw puts him right in the bottom corner
        QCOMPARE(twips::left(f.picGuy), twips::width(&f) - 1590);
        QCOMPARE(twips::top(f.picGuy), twips::height(&f) - 1395);
    }

    void theGunmanIsHiddenByEveryShuffleAndEveryNewVisit()
    {
        StartedApp s;
        FrmFireIce* f = &openFromMenu(s);
        s.platform.script({face(2)});
        f->cmdShuffle_Click();
        f->cmdFire_Click();
        QVERIFY(f->picGuy->isVisible());

        s.platform.script({face(3)});
        f->cmdShuffle_Click();
        QVERIFY(!f->picGuy->isVisible());
        f->cmdFire_Click();
        QVERIFY(f->picGuy->isVisible());
        // every right call sounds anew, and the player is never stopped or closed
        QCOMPARE(s.platform.wavePlayer.log, kFireSound + kFireSound);

        s.platform.script({face(8)});
        f->cmdShuffle_Click();
        f->cmdFire_Click();
        QVERIFY(!f->picGuy->isVisible());

        // leaving mid-slide discards everything; the next visit starts afresh
        s.platform.script({face(7)});
        f->cmdShuffle_Click();
        QPointer<FrmFireIce> gone = f;
        f->cmdReturn_Click();
        StartedApp::settle();
        QVERIFY(!gone);
        f = &openFromMenu(s);
        QVERIFY(f->picGuy->isHidden());
        QVERIFY(f->imgCard->picture().isNull());
        QCOMPARE(twips::left(f->imgCard), 1080.0);
        QVERIFY(!f->tmrMovement->isEnabled());
        QVERIFY(!f->cmdFire->isEnabled() && f->cmdShuffle->isEnabled());
    }

    void aShuffleBeforeTheLastStepKeepsTheNewCardMoving()
    {
        // a quick player can shuffle between a right Fire call and the next
        // tick; the pending stop belonged to the old card
        StartedApp s;
        FrmFireIce& f = openFromMenu(s);
        s.platform.script({face(2), 0.5f, 0.5f, face(9)});
        f.cmdShuffle_Click();
        ticks(f, 4);
        f.cmdFire_Click();
        f.cmdShuffle_Click();
        ticks(f, 3);
        QCOMPARE(twips::left(f.imgCard), 1680.0);
        QVERIFY(f.tmrMovement->isEnabled());
        QVERIFY(f.cmdFire->isEnabled() && f.cmdIce->isEnabled());
        f.cmdIce_Click();
        ticks(f, 3);
        QCOMPARE(twips::left(f.imgCard), 1880.0);
        QCOMPARE(s.platform.messages, QStringList{kLucky});
    }

    void theGunmanIsACowboyDrawnCrispOnGreen()
    {
        const Picture guy = fireice::gunman();
        QCOMPARE(guy.size(), QSize(102, 89));
        const QImage one = guy.render(1);
        const QImage two = guy.render(2);
        QCOMPARE(two.size(), QSize(204, 178));
        for (QPoint corner : {QPoint(0, 0), QPoint(101, 0), QPoint(0, 88), QPoint(101, 88)})
            QVERIFY(greenish(one.pixelColor(corner)));

        // a figure with bold outlines, not a green square
        int figure = 0, ink = 0;
        for (int y = 0; y < one.height(); ++y) {
            for (int x = 0; x < one.width(); ++x) {
                const QColor c = one.pixelColor(x, y);
                figure += !greenish(c);
                ink += std::max({c.red(), c.green(), c.blue()}) < 70;
            }
        }
        const int area = one.width() * one.height();
        QVERIFY2(figure > area / 6, qPrintable(QString::number(figure)));
        QVERIFY2(ink > area / 25, qPrintable(QString::number(ink)));

        // at 200 % it is drawn anew: finer than a pixel-doubled copy of the
        // 100 % drawing, yet the same picture when averaged back down
        const QImage doubled = one.scaled(two.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation);
        const QImage halved = two.scaled(one.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        int finer = 0;
        double drift = 0;
        for (int y = 0; y < two.height(); ++y)
            for (int x = 0; x < two.width(); ++x)
                finer += two.pixel(x, y) != doubled.pixel(x, y);
        for (int y = 0; y < one.height(); ++y) {
            for (int x = 0; x < one.width(); ++x) {
                const QColor a = one.pixelColor(x, y), b = halved.pixelColor(x, y);
                drift += std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) + std::abs(a.blue() - b.blue());
            }
        }
        QVERIFY2(finer > two.width() * two.height() / 20, qPrintable(QString::number(finer)));
        QVERIFY2(drift / (3.0 * area) < 12, qPrintable(QString::number(drift / (3.0 * area))));
    }
};

QTEST_MAIN(FrmFireIceTest)
#include "test_frmfireice.moc"
