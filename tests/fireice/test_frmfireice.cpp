// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Fire & Ice as the player meets it: the screen, the shuffle, the sliding
// card, the two calls with their answers, the sound and the gunman.

#include "cards/frmcardimages.h"
#include "fireice/frmfireice.h"
#include "fireice/gunman.h"
#include "shell/frmmain.h"
#include "shell/frmmainmenu.h"
#include "support/screenreader.h"
#include "support/started.h"
#include "support/testmain.h"

#include <QPointer>
#include <QMenu>
#include <QPushButton>
#include <QtTest>

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
    s.choose("cmdFireIce");
    return *s.app->existing<FrmFireIce>();
}

void ticks(FrmFireIce& f, int n)
{
    for (int i = 0; i < n; ++i)
        tick(*f.tmrMovement);
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
        for (auto [button, caption, rect, enabled] :
             {std::tuple{f.cmdReturn, "Main Menu", twips::Rect{2160, 4080, 1695, 375}, true},
              std::tuple{f.cmdShuffle, "&Shuffle Those Card!", twips::Rect{240, 3000, 1695, 495}, true},
              std::tuple{f.cmdIce, "&Ice", twips::Rect{4080, 3000, 1575, 495}, false},
              std::tuple{f.cmdFire, "&Fire", twips::Rect{2160, 3000, 1695, 495}, false}}) {
            QCOMPARE(button->text(), QString::fromUtf8(caption));
            QCOMPARE(twips::rect(button), rect);
            QCOMPARE(button->isEnabled(), enabled);
        }
        QCOMPARE(twips::rect(f.picGuy), (twips::Rect{2880, 1320, 1590, 1395}));
        QVERIFY(f.picGuy->isHidden());
        // the drawing fills the box inside its two-pixel sunken border
        QCOMPARE(f.picGuy->size(), fireice::gunman().size() + QSize(4, 4));
        QCOMPARE(twips::rect(f.imgCard), (twips::Rect{1080, 840, 1065, 1440}));
        QVERIFY(f.imgCard->picture().isNull());
        // the card passes beneath the gunman, never over him
        QVERIFY(f.children().indexOf(f.imgCard) < f.children().indexOf(f.picGuy));
        QCOMPARE(f.tmrMovement->interval(), 1);
        QVERIFY(!f.tmrMovement->isEnabled());
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
        // the lowest and the highest draw still give a face, and every
        // shuffle puts the card back at its start heading right
        for (auto [rnd, card] : {std::pair{face(37), 37}, std::pair{0.0f, 1}, std::pair{kJustBelowOne, 52}}) {
            s.platform.script({rnd});
            f.cmdShuffle_Click();
            QCOMPARE(f.cardnumber, card);
            QCOMPARE(f.imgCard->picture(), images.Image1(card));
            QCOMPARE(twips::rect(f.imgCard), (twips::Rect{1080, 840, 1065, 1440}));
            QCOMPARE(f.stepsize, qint16(200));
            QVERIFY(f.tmrMovement->isEnabled() && f.cmdFire->isEnabled() && f.cmdIce->isEnabled());
            QVERIFY(!f.cmdShuffle->isEnabled());
            ticks(f, 30);
            f.cmdIce_Click();
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
        }
        QCOMPARE(lefts[firstTurn - 1], right);
        QCOMPARE(lefts[firstTurn], right - 200);
        QCOMPARE(*std::max_element(lefts.begin(), lefts.end()), right);
        QCOMPARE(*std::min_element(lefts.begin(), lefts.end()), -120.0);
        // it keeps swinging: both edges are met again
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
        if (tickWhileBoxOpen) {
            s.platform.onMessage = [&](const QString&) {
                ticks(f, 3);
                QCOMPARE(twips::left(f.imgCard), leftAtCall + 200);
                QVERIFY(!f.tmrMovement->isEnabled());
            };
        }
        fire ? f.cmdFire_Click() : f.cmdIce_Click();
        ticks(f, 5);

        QCOMPARE(s.platform.messages, message.isEmpty() ? QStringList() : QStringList{message});
        QCOMPARE(twips::left(f.imgCard), leftAtCall + 200);
        QVERIFY(!f.tmrMovement->isEnabled() && !f.stopmoving);
        QVERIFY(!f.cmdFire->isEnabled() && !f.cmdIce->isEnabled() && f.cmdShuffle->isEnabled());
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
        FakePlatform platform;
        Cardovia app(platform);
        FrmFireIce& f = app.form<FrmFireIce>();
        // wrong calls first: their shuffles draw, but never reseed
        for (int card : {1, 4}) {
            platform.script({face(card)});
            f.cmdShuffle_Click();
            f.cmdFire_Click();
        }
        platform.script({face(27), rnd, rnd});
        f.cmdShuffle_Click();
        f.cmdFire_Click();
        QCOMPARE(platform.randomLog, QStringLiteral("rrrRrr"));
        QCOMPARE(twips::rect(f.picGuy), (twips::Rect{x, y, 1590, 1395}));
        QVERIFY(!f.picGuy->isHidden());
        QVERIFY(f.rect().contains(f.picGuy->geometry()));
    }

    void theGunmanIsHiddenByEveryShuffleAndEveryNewVisit()
    {
        StartedApp s;
        FrmFireIce* f = &openFromMenu(s);
        for (int card : {2, 3}) {
            s.platform.script({face(card)});
            f->cmdShuffle_Click();
            QVERIFY(!f->picGuy->isVisible());
            f->cmdFire_Click();
            QVERIFY(f->picGuy->isVisible());
        }
        // every right call sounds anew; the player is never stopped or closed
        QCOMPARE(s.platform.wavePlayer.log, kFireSound + kFireSound);

        // leaving mid-slide discards everything; the next visit starts afresh
        f->cmdShuffle_Click();
        QPointer<FrmFireIce> gone = f;
        f->cmdReturn_Click();
        StartedApp::settle();
        QVERIFY(!gone);
        f = &openFromMenu(s);
        QVERIFY(f->picGuy->isHidden() && f->imgCard->picture().isNull());
        QVERIFY(!f->tmrMovement->isEnabled() && !f->cmdFire->isEnabled() && f->cmdShuffle->isEnabled());
    }

    void aShuffleBeforeTheLastStepKeepsTheNewCardMoving()
    {
        // a quick player can shuffle between a right Fire call and the next tick
        StartedApp s;
        FrmFireIce& f = openFromMenu(s);
        s.platform.script({face(2), 0.5f, 0.5f, face(9)});
        f.cmdShuffle_Click();
        f.cmdFire_Click();
        f.cmdShuffle_Click();
        ticks(f, 3);
        QCOMPARE(twips::left(f.imgCard), 1680.0);
        QVERIFY(f.tmrMovement->isEnabled() && f.cmdFire->isEnabled() && f.cmdIce->isEnabled());
    }

    void playedByKeyboardWithAltFCallingFireNotTheFileMenu()
    {
        StartedApp s;
        QVERIFY(activate(&s.app->main()));
        FrmFireIce& f = openFromMenu(s);
        // Fire and Ice wait for a card: the keyboard starts on Shuffle
        QCOMPARE(focused(), f.cmdShuffle);
        QCOMPARE(spokenName(f.imgCard), QString());
        // the card drawn is heard with Fire, the hit with Shuffle
        Listener reader;
        s.platform.script({face(3)});
        press(Qt::Key_Space);
        QCOMPARE(spokenName(f.imgCard), QStringLiteral("Ace of Diamonds"));
        QCOMPARE(focused(), f.cmdFire);
        const QString said = reader.heard();
        QVERIFY2(inOrder(said, {spokenName(f.cmdFire), spokenName(f.imgCard)}), qPrintable(said));

        // "&Fire" and the frame's "&File" share Alt+F: the screen's button wins
        press(Qt::Key_F, Qt::AltModifier);
        QTRY_VERIFY(f.picGuy->isVisible());
        QVERIFY(!QApplication::activePopupWidget());
        QCOMPARE(s.platform.wavePlayer.log, kFireSound);
        QCOMPARE(spokenName(f.picGuy), QStringLiteral("Gunman"));
        QCOMPARE(focused(), f.cmdShuffle);
        QVERIFY(reader.heard().contains(spokenName(f.picGuy), Qt::CaseInsensitive));

        // with Fire disabled, Alt+F is the menu's again; F10 opens it anywhere
        press(Qt::Key_F, Qt::AltModifier);
        QTRY_COMPARE(QApplication::activePopupWidget(), static_cast<QWidget*>(s.app->main().mnuFile()));
        press(Qt::Key_Escape);
        QTRY_VERIFY(!QApplication::activePopupWidget());
        s.platform.script({face(4)});
        press(Qt::Key_S, Qt::AltModifier);
        QTRY_VERIFY(f.cmdFire->isEnabled());
        press(Qt::Key_F10);
        QTRY_COMPARE(QApplication::activePopupWidget(), static_cast<QWidget*>(s.app->main().mnuFile()));
        // once to close the menu, once to leave the menu bar
        press(Qt::Key_Escape);
        QTRY_VERIFY(!QApplication::activePopupWidget());
        press(Qt::Key_Escape);
        QVERIFY(f.cmdFire->isEnabled());
        press(Qt::Key_F, Qt::AltModifier);
        QTRY_COMPARE(s.platform.messages, QStringList{kLiar});
    }

    void theGunmanIsDrawnAnewAt200Percent()
    {
        const QImage one = fireice::gunman().render(1);
        const QImage two = fireice::gunman().render(2);
        QCOMPARE(one.size(), QSize(102, 89));
        QCOMPARE(two.size(), QSize(204, 178));
        // a figure with bold outlines on green
        const auto green = [](QColor c) { return c.green() > c.red() + 60 && c.green() > c.blue() + 60; };
        int figure = 0, ink = 0;
        for (int y = 0; y < one.height(); ++y) {
            for (int x = 0; x < one.width(); ++x) {
                const QColor c = one.pixelColor(x, y);
                figure += !green(c);
                ink += std::max({c.red(), c.green(), c.blue()}) < 70;
            }
        }
        QVERIFY(green(one.pixelColor(0, 0)) && green(one.pixelColor(101, 88)));
        QVERIFY(figure > one.width() * one.height() / 6 && ink > one.width() * one.height() / 25);
        // finer than a pixel-doubled copy of the 100 % drawing
        const QImage doubled = one.scaled(two.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation);
        int finer = 0;
        for (int y = 0; y < two.height(); ++y)
            for (int x = 0; x < two.width(); ++x)
                finer += two.pixel(x, y) != doubled.pixel(x, y);
        QVERIFY(finer > two.width() * two.height() / 20);
    }
};

CARDOVIA_TEST_MAIN(FrmFireIceTest)
#include "test_frmfireice.moc"
