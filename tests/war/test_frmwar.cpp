// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The War screen: its controls, the turns and their slides, the rounds, the
// end of the game and leaving it.

#include "cards/frmcardimages.h"
#include "cards/frmdeckoptions.h"
#include "shell/frmmain.h"
#include "shell/frmmainmenu.h"
#include "support/screenreader.h"
#include "support/started.h"
#include "support/testmain.h"
#include "war/frmwar.h"
#include "wardraws.h"

#include <QAccessible>
#include <QFontInfo>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QtTest>

using war::Card;
Q_DECLARE_METATYPE(Card)

namespace {

frmWar& openWar(StartedApp& s)
{
    s.choose("cmdWar");
    return *s.app->existing<frmWar>();
}

Picture face(StartedApp& s, Card c)
{
    return s.app->form<frmCardImages>().cardpicture(qint16(c.value), qint16(c.suit));
}

Picture back(StartedApp& s, int design)
{
    return s.app->form<frmCardImages>().PictureClip1(design);
}

// The card in play slides to its place: the slide's ticks.
int land(frmWar& war)
{
    return tickOut(*war.tmrSlide);
}

// Start with a deal that gives Grizzle these cards; Grizzle then plays
// `first`, and the card slides out unless told otherwise.
void start(StartedApp& s, frmWar& war, const std::vector<Card>& grizzles, Card first, bool slide = true)
{
    s.platform.script(dealing(grizzles));
    s.platform.script(drawing({first}));
    war.cmdStart_Click();
    if (slide)
        land(war);
}

// The player's click on the pile, drawing `card`: the slide's ticks.
int play(StartedApp& s, frmWar& war, Card card)
{
    s.platform.script(drawing({card}));
    war.picYourCards_Click();
    return land(war);
}

// Counts a widget's paint events.
struct Paints : QObject {
    explicit Paints(QWidget* widget) { widget->installEventFilter(this); }
    bool eventFilter(QObject*, QEvent* event) override
    {
        count += event->type() == QEvent::Paint;
        return false;
    }
    int count = 0;
};

} // namespace

class WarScreenTest : public QObject {
    Q_OBJECT

private slots:
    void theScreenAsLoaded()
    {
        StartedApp s;
        const int reseeds = s.platform.reseeds;
        frmWar& war = openWar(s);
        QCOMPARE(s.platform.reseeds, reseeds + 1);

        const struct {
            QWidget* control;
            twips::Rect rect;
        } layout[] = {
            {war.cmdContinue, {4560, 1440, 1815, 375}}, {war.cmdQuit, {3000, 5160, 1455, 375}},
            {war.cmdStart, {120, 5160, 1455, 375}},     {war.cmDeckOptions, {1560, 5160, 1455, 375}},
            {war.piccard2, {3360, 2040, 1095, 1475}},   {war.piccard1, {1995, 2040, 1095, 1475}},
            {war.picDealerCards, {100, 100, 1095, 1475}}, {war.picYourCards, {5280, 4095, 1095, 1475}},
            {war.Label1, {5160, 3720, 1455, 255}},      {war.Label2, {3360, 120, 2985, 435}},
            {war.lblWinner, {3360, 600, 3015, 615}},
        };
        for (const auto& [control, rect] : layout)
            QCOMPARE(twips::rect(control), rect);

        QCOMPARE(war.cmdContinue->text(), QStringLiteral("&Click here to continue."));
        QCOMPARE(war.cmdQuit->text(), QStringLiteral("&Main Menu"));
        QCOMPARE(war.cmdStart->text(), QStringLiteral("&Start"));
        QCOMPARE(war.cmDeckOptions->text(), QStringLiteral("&Deck Options"));
        QCOMPARE(war.Label1->text(), QStringLiteral("Click on this picture."));
        QCOMPARE(war.Label2->text(), QStringLiteral("And the winner is..."));
        QCOMPARE(war.lblWinner->text(), QString());
        QCOMPARE(war.Label1->palette().color(QPalette::WindowText), QColor(Qt::white));
        // the whole caption on the one line that the label's height holds
        QVERIFY(!war.Label1->wordWrap());
        QVERIFY(QFontMetrics(war.Label1->font()).horizontalAdvance(war.Label1->text()) <= war.Label1->width());
        QCOMPARE(war.piccard1->backColor(), QColor(192, 192, 192));
        QCOMPARE(war.palette().color(QPalette::Window), QColor(0, 128, 0));
        QCOMPARE(QFontInfo(war.Label2->font()).family(), fonts::substitute("Jester"));
        QVERIFY(war.Label2->font().bold());
        QCOMPARE(QFontInfo(war.lblWinner->font()).family(), fonts::substitute("Challenge Extra Bold"));
        QVERIFY(war.lblWinner->font().pixelSize() > war.Label2->font().pixelSize());

        // the lifecycle's first row; Main Menu waits for Start
        QVERIFY(war.cmdStart->isEnabled());
        QVERIFY(!war.cmdQuit->isEnabled());
        QVERIFY(war.cmDeckOptions->isEnabled());
        QVERIFY(war.cmdContinue->isHidden());
        QVERIFY(war.picYourCards->isEnabled());
        QVERIFY(war.piccard1->isHidden() && war.piccard2->isHidden());
        QCOMPARE(war.picYourCards->picture(), back(s, 1));
        QCOMPARE(war.picDealerCards->picture(), back(s, 1));

        // the keyboard visits the buttons in their stored order
        QList<QWidget*> visited;
        for (QWidget* w = war.cmdStart->nextInFocusChain(); visited.size() < 3; w = w->nextInFocusChain())
            if (qobject_cast<QPushButton*>(w) && w->parent() == &war)
                visited << w;
        QCOMPARE(visited, (QList<QWidget*>{war.cmDeckOptions, war.cmdQuit, war.cmdContinue}));

        // a card in play slides over the piles and the label above them
        const auto inFront = [&](QWidget* card, QWidget* under) {
            return war.children().indexOf(card) > war.children().indexOf(under);
        };
        QVERIFY(inFront(war.piccard1, war.picDealerCards));
        QVERIFY(inFront(war.piccard2, war.picYourCards));
        QVERIFY(inFront(war.piccard2, war.Label1));
    }

    void returncardShowsOnlyTheFiveDesigns()
    {
        StartedApp s;
        frmWar& war = openWar(s);
        s.app->form<frmCardImages>().cardtype = 3;
        war.returncard();
        QCOMPARE(war.picYourCards->picture(), back(s, 3));
        QCOMPARE(war.picDealerCards->picture(), back(s, 3));
        for (qint16 design : {qint16(5), qint16(-1), qint16(32767)}) {
            s.app->form<frmCardImages>().cardtype = design;
            war.returncard();
            QCOMPARE(war.picYourCards->picture(), back(s, 3));
            QCOMPARE(war.picDealerCards->picture(), back(s, 3));
        }
    }

    void beforeStartThePileAndMainMenuDoNothing()
    {
        StartedApp s;
        frmWar& war = openWar(s);
        const int reseeds = s.platform.reseeds;
        const int draws = s.platform.draws;
        QTest::mouseClick(war.picYourCards, Qt::LeftButton);
        QCOMPARE(s.platform.reseeds, reseeds + 1);
        QCOMPARE(s.platform.draws, draws);
        QVERIFY(war.piccard2->isHidden());
        QVERIFY(!war.tmrSlide->isEnabled());
        QCOMPARE(war.deck.yourcards.count() + war.deck.dealercards.count(), 0);

        QTest::mouseClick(war.cmdQuit, Qt::LeftButton);
        QVERIFY(!war.isHidden());
        QVERIFY(s.app->existing<frmMainMenu>()->isHidden());
    }

    void startDealsThenGrizzlesCardSlidesOut()
    {
        StartedApp s;
        frmWar& war = openWar(s);
        start(s, war, {{9, 2}, {4, 4}, {11, 1}}, {11, 1}, false);
        // each step has a whole frame of a 60 Hz display
        QVERIFY(war.tmrSlide->interval() * 60 >= 1000);
        // Start changes the buttons only once the card has finished sliding
        int ticks = 0;
        int ticksWithStartEnabled = 0;
        for (; war.tmrSlide->isEnabled() && ticks < 100; ++ticks) {
            ticksWithStartEnabled += war.cmdStart->isEnabled() && !war.cmdQuit->isEnabled();
            tick(*war.tmrSlide);
        }

        QCOMPARE(war.deck.dealercards.count(), 2);
        QCOMPARE(war.deck.yourcards.count(), 45);
        QCOMPARE(war.deck.dealervalue, 11);
        QCOMPARE(war.deck.dealersuit, 1);
        QVERIFY(!war.piccard1->isHidden());
        QCOMPARE(war.piccard1->picture(), face(s, {11, 1}));
        QCOMPARE(twips::rect(war.piccard1), (twips::Rect{2100, 2100, 1095, 1475}));
        // each step shown for a tick, the last one too
        QCOMPARE(ticks, frmWar::kSlideSteps);
        QCOMPARE(ticksWithStartEnabled, frmWar::kSlideSteps);

        QVERIFY(!war.cmdStart->isEnabled());
        QVERIFY(war.cmdQuit->isEnabled());
        QVERIFY(war.cmDeckOptions->isEnabled());
        QVERIFY(war.picYourCards->isEnabled());
        QVERIFY(war.cmdContinue->isHidden());
        QVERIFY(war.piccard2->isHidden());
    }

    void aRoundMovesTheCardsToItsWinner_data()
    {
        QTest::addColumn<int>("yourValue");
        QTest::addColumn<int>("yourSuit");
        QTest::addColumn<QString>("winner");
        QTest::addColumn<int>("grizzleAfter");
        QTest::addColumn<int>("youAfter");
        // Grizzle plays the eight of hearts from a hand of two
        QTest::newRow("a king beats it") << 13 << 1 << "You!" << 1 << 47;
        QTest::newRow("a two loses") << 2 << 3 << "Grizzle!" << 3 << 45;
        QTest::newRow("equal values") << 8 << 4 << "Both of you!" << 2 << 46;
    }

    void aRoundMovesTheCardsToItsWinner()
    {
        QFETCH(int, yourValue);
        QFETCH(int, yourSuit);
        QFETCH(QString, winner);
        QFETCH(int, grizzleAfter);
        QFETCH(int, youAfter);
        StartedApp s;
        frmWar& war = openWar(s);
        start(s, war, {{8, 2}, {5, 1}}, {8, 2});
        QCOMPARE(play(s, war, {yourValue, yourSuit}), frmWar::kSlideSteps);

        QCOMPARE(war.lblWinner->text(), winner);
        QCOMPARE(war.deck.dealercards.count(), grizzleAfter);
        QCOMPARE(war.deck.yourcards.count(), youAfter);
        QCOMPARE(war.deck.dealercards.holds({8, 2}) + war.deck.yourcards.holds({8, 2}), 1);
        QCOMPARE(war.piccard2->picture(), face(s, {yourValue, yourSuit}));
        QCOMPARE(war.piccard1->picture(), face(s, {8, 2}));
        QCOMPARE(twips::rect(war.piccard2), (twips::Rect{3280, 2095, 1095, 1475}));

        QVERIFY(!war.piccard1->isHidden() && !war.piccard2->isHidden());
        QVERIFY(!war.picYourCards->isEnabled());
        QVERIFY(!war.cmdContinue->isHidden() && war.cmdContinue->isEnabled());
        QCOMPARE(war.focusWidget(), war.cmdContinue);
        QVERIFY(s.platform.messages.isEmpty());

        // while the result shows, the pile takes no click
        QTest::mouseClick(war.picYourCards, Qt::LeftButton);
        QCOMPARE(war.deck.dealercards.count() + war.deck.yourcards.count(), 48);
    }

    void continueClearsTheRoundBeforeGrizzlesNextCardMoves()
    {
        StartedApp s;
        frmWar& war = openWar(s);
        start(s, war, {{8, 2}, {5, 1}}, {8, 2});
        play(s, war, {13, 1});
        s.platform.script(drawing({{5, 1}}));
        war.cmdContinue_Click();
        QVERIFY(war.piccard2->isHidden() && war.lblWinner->text().isEmpty() && war.cmdContinue->isHidden());
        // the keyboard waits on the pile while the card slides
        bool onThePile = true;
        for (int ticks = 0; war.tmrSlide->isEnabled() && ticks < 100; ++ticks) {
            onThePile = onThePile && war.focusWidget() == war.picYourCards;
            tick(*war.tmrSlide);
        }
        QVERIFY(onThePile);
        QVERIFY(war.picYourCards->isEnabled());
        QCOMPARE(war.piccard1->picture(), face(s, {5, 1}));
        QCOMPARE(twips::rect(war.piccard1), (twips::Rect{2100, 2100, 1095, 1475}));
        QVERIFY(war.piccard2->isHidden());

        // and the next round is played as the first
        play(s, war, {3, 3});
        QCOMPARE(war.lblWinner->text(), QStringLiteral("Grizzle!"));
        QCOMPARE(war.piccard2->picture(), face(s, {3, 3}));
    }

    void eachStepOfASlideReachesTheScreen()
    {
        StartedApp s;
        frmWar& war = openWar(s);
        frmMain& main = s.app->main();
        QVERIFY(QTest::qWaitForWindowExposed(&main));
        const Paints paints(war.piccard1);
        start(s, war, {{12, 3}}, {12, 3}, false);
        int step = 0;
        int stale = 0;
        int leftBehind = 0;
        QRect before;
        for (int painted = 0; war.tmrSlide->isEnabled() && step < 100; tick(*war.tmrSlide)) {
            // each step is drawn before the next tick
            QTRY_VERIFY(paints.count > painted);
            painted = paints.count;
            ++step;
            const QImage screen = QGuiApplication::primaryScreen()->grabWindow(main.winId()).toImage();
            const QRect card(war.piccard1->mapTo(&main, QPoint(0, 0)), war.piccard1->size());
            const QImage drawn = war.piccard1->grab().toImage().convertToFormat(QImage::Format_RGB32);
            stale += screen.copy(card).convertToFormat(QImage::Format_RGB32) != drawn;
            // once clear of the pile, the corner the card has just left shows the table
            const QPoint vacated = before.topLeft() + QPoint(1, 1);
            if (step > 25 && screen.pixelColor(vacated) != QColor(0, 128, 0))
                ++leftBehind;
            before = card;
        }
        QCOMPARE(step, frmWar::kSlideSteps);
        QCOMPARE(stale, 0);
        QCOMPARE(leftBehind, 0);
    }

    void inputDuringASlideIsNotActedOnNowOrAfter()
    {
        StartedApp s;
        QVERIFY(activate(&s.app->main()));
        frmWar& war = openWar(s);
        // Grizzle's first card moves while Start and the pile still take clicks
        start(s, war, {{8, 2}, {5, 1}}, {8, 2}, false);
        const int draws = s.platform.draws;
        war.picYourCards->setFocus();
        QTest::mouseClick(war.picYourCards, Qt::LeftButton);
        QTest::keyClick(war.picYourCards, Qt::Key_Space);
        QTest::mouseClick(war.cmdStart, Qt::LeftButton);
        QTest::mouseClick(war.cmDeckOptions, Qt::LeftButton);
        // pressed now, let go once the card has landed; an access key's click comes later too
        press(Qt::Key_S, Qt::AltModifier);
        QTest::mousePress(war.picYourCards, Qt::LeftButton);
        QTest::keyPress(war.cmDeckOptions, Qt::Key_Space);
        QCOMPARE(land(war), frmWar::kSlideSteps);
        QTest::mouseRelease(war.picYourCards, Qt::LeftButton);
        QTest::keyRelease(war.cmDeckOptions, Qt::Key_Space);
        QTest::qWait(300);
        QCOMPARE(s.platform.draws, draws);
        QVERIFY(war.piccard2->isHidden());
        QVERIFY(!s.app->existing<frmDeckOptions>());
        QVERIFY(war.isEnabled() && !war.cmdStart->isEnabled());

        // a click once the card has stopped plays; another, or Main Menu, during that slide does nothing
        s.platform.script(drawing({{13, 1}}));
        QTest::mouseClick(war.picYourCards, Qt::LeftButton);
        QVERIFY(!war.piccard2->isHidden());
        QTest::mouseClick(war.picYourCards, Qt::LeftButton);
        QTest::mouseClick(war.cmdQuit, Qt::LeftButton);
        land(war);
        QCOMPARE(s.platform.draws, draws + 2);
        QVERIFY(war.isVisible());
        QCOMPARE(war.lblWinner->text(), QStringLiteral("You!"));
        QCOMPARE(war.deck.yourcards.count() + war.deck.dealercards.count(), 48);
    }

    void aRoundThatEmptiesAHandEndsTheGame_data()
    {
        QTest::addColumn<std::vector<Card>>("yourHand");  // empty: what the deal left
        QTest::addColumn<Card>("grizzles");                // Grizzle's last card or one of two
        QTest::addColumn<Card>("yours");
        QTest::addColumn<QString>("winner");
        QTest::addColumn<QString>("message");               // empty: the game goes on
        QTest::newRow("you win Grizzle's last card")
            << std::vector<Card>{} << Card{2, 1} << Card{9, 1} << "You!" << "Grizzle is out of cards, You win!";
        QTest::newRow("Grizzle wins your last card")
            << std::vector<Card>{{5, 1}} << Card{9, 2} << Card{5, 1} << "Grizzle!"
            << "You're out of cards, Grizzle wins!";
        QTest::newRow("Grizzle's last card wins") << std::vector<Card>{} << Card{13, 1} << Card{6, 2} << "Grizzle!"
                                                  << QString();
        QTest::newRow("Grizzle's last card ties") << std::vector<Card>{} << Card{13, 1} << Card{13, 2}
                                                  << "Both of you!" << QString();
    }

    void aRoundThatEmptiesAHandEndsTheGame()
    {
        QFETCH(std::vector<Card>, yourHand);
        QFETCH(Card, grizzles);
        QFETCH(Card, yours);
        QFETCH(QString, winner);
        QFETCH(QString, message);
        StartedApp s;
        frmWar& war = openWar(s);
        // Grizzle is dealt only the card it plays, or that one and a three
        start(s, war, yourHand.empty() ? std::vector<Card>{grizzles} : std::vector<Card>{grizzles, {3, 1}},
              grizzles);
        if (!yourHand.empty()) {
            war.deck.yourcards = war::Hand();
            for (const Card& c : yourHand)
                war.deck.yourcards.put(c);
        }
        int endsWhileShown = -1;
        QString resultWhileShown;
        s.platform.onMessage = [&](const QString&) {
            endsWhileShown = s.platform.ends;
            resultWhileShown = war.lblWinner->text();
        };
        if (message.isEmpty()) {
            play(s, war, yours);
            QCOMPARE(war.lblWinner->text(), winner);
            QVERIFY(s.platform.messages.isEmpty());
            QVERIFY(!war.cmdContinue->isHidden());
            return;
        }
        s.platform.script(drawing({yours}));
        war.picYourCards_Click();
        QVERIFY_THROWS_EXCEPTION(ApplicationEnded, land(war));
        QCOMPARE(s.platform.messages, QStringList{message});
        QCOMPARE(endsWhileShown, 0);  // the end follows the OK
        QCOMPARE(resultWhileShown, winner);
        QCOMPARE(s.platform.ends, 1);
        // nothing of the round runs after the end
        QVERIFY(war.cmdContinue->isHidden());
    }

    void aRoundPlayedByKeyboardAloneWithWhatAReaderHears()
    {
        StartedApp s;
        auto* opened = s.openByKeyboard<frmWar>(Qt::Key_W);
        QVERIFY(opened);
        frmWar& war = *opened;
        // the pile does nothing before the deal: the keyboard starts on Start
        QCOMPARE(focused(), war.cmdStart);
        QCOMPARE(spokenName(war.picYourCards), QStringLiteral("Your pile"));
        QCOMPARE(spokenName(war.picDealerCards), QStringLiteral("Grizzle's pile"));
        QCOMPARE(spokenName(war.lblWinner), QString());
        // the cards in play are only looked at
        QCOMPARE(QAccessible::queryAccessibleInterface(war.piccard1)->role(), QAccessible::Graphic);
        QCOMPARE(QAccessible::queryAccessibleInterface(war.picYourCards)->role(), QAccessible::Button);

        // Each card played and each result is said with where the focus goes.
        Listener reader;
        s.platform.script(dealing({{8, 2}, {5, 4}}));
        s.platform.script(drawing({{8, 2}}));
        press(Qt::Key_Space);
        land(war);
        QVERIFY(!war.cmdStart->isEnabled());
        QCOMPARE(focused(), war.picYourCards);
        QString said = reader.heard();
        QVERIFY2(inOrder(said, {spokenName(war.picYourCards), spokenName(war.piccard1)}), qPrintable(said));
        QCOMPARE(spokenName(war.piccard1), QStringLiteral("8 of Hearts"));
        QCOMPARE(spokenName(war.picDealerCards), QStringLiteral("Grizzle's pile, 1 card"));
        QCOMPARE(spokenName(war.picYourCards), QStringLiteral("Your pile, 46 cards"));

        s.platform.script(drawing({{12, 3}}));
        press(Qt::Key_Return);
        land(war);
        QCOMPARE(spokenName(war.piccard2), QStringLiteral("Queen of Diamonds"));
        QCOMPARE(spokenName(war.lblWinner), QStringLiteral("You!"));
        QCOMPARE(spokenName(war.picYourCards), QStringLiteral("Your pile, 47 cards"));
        QCOMPARE(spokenName(war.picDealerCards), QStringLiteral("Grizzle's pile, 1 card"));
        QCOMPARE(focused(), war.cmdContinue);
        said = reader.heard();
        QVERIFY2(inOrder(said, {spokenName(war.cmdContinue), spokenName(war.piccard2), war.lblWinner->text(),
                                spokenName(war.picYourCards), spokenName(war.picDealerCards)}),
                 qPrintable(said));
        // while the result shows, the pile is out of the keyboard's reach
        press(Qt::Key_Tab, Qt::ShiftModifier);
        QVERIFY(focused() != war.picYourCards);
        // the news stayed with Continue
        QVERIFY(!reader.heard().contains(war.lblWinner->text()));
        war.cmdContinue->setFocus();

        s.platform.script(drawing({{5, 4}}));
        press(Qt::Key_Enter, Qt::KeypadModifier);
        land(war);
        QCOMPARE(spokenName(war.lblWinner), QString());
        QCOMPARE(spokenName(war.piccard1), QStringLiteral("5 of Clubs"));
        QCOMPARE(spokenName(war.picDealerCards), QStringLiteral("Grizzle's pile, 0 cards"));
        QCOMPARE(focused(), war.picYourCards);
        QVERIFY(reader.heard().contains(spokenName(war.piccard1)));
        s.platform.script(drawing({{2, 1}}));
        press(Qt::Key_Space);
        land(war);
        QVERIFY(reader.heard().contains(war.lblWinner->text()));
        QCOMPARE(spokenName(war.lblWinner), QStringLiteral("Grizzle!"));
        QCOMPARE(spokenName(war.picDealerCards), QStringLiteral("Grizzle's pile, 2 cards"));
        QCOMPARE(spokenName(war.picYourCards), QStringLiteral("Your pile, 46 cards"));
        QVERIFY(s.platform.messages.isEmpty());
    }

    void theDeckOptionsByKeyboardGiveTheFocusBack()
    {
        StartedApp s;
        QVERIFY(activate(&s.app->main()));
        frmWar& war = openWar(s);
        // Tab runs the pile, the buttons, the other pictures, Continue
        war.picYourCards->setFocus();
        const QList<QWidget*> expected{war.cmdStart, war.cmDeckOptions, war.picDealerCards};
        for (QWidget* next : expected) {
            press(Qt::Key_Tab);
            QCOMPARE(focused(), next);
        }
        QVERIFY(!war.cmdQuit->isEnabled());  // passed over until Start
        press(Qt::Key_Tab, Qt::ShiftModifier);
        QCOMPARE(focused(), war.cmDeckOptions);

        press(Qt::Key_Return);
        frmDeckOptions& dialog = *s.app->existing<frmDeckOptions>();
        QVERIFY(dialog.isVisible() && !war.isEnabled());
        QCOMPARE(focused(), dialog.Optcard[1]);
        // Tab goes round the dialog, either way
        for (const Qt::KeyboardModifier way : {Qt::NoModifier, Qt::NoModifier, Qt::NoModifier, Qt::ShiftModifier,
                                               Qt::ShiftModifier, Qt::ShiftModifier}) {
            press(Qt::Key_Tab, way);
            QVERIFY(dialog.isAncestorOf(focused()));
        }
        QCOMPARE(focused(), dialog.Optcard[1]);
        press(Qt::Key_Up);  // the arrows choose within the group
        QVERIFY(dialog.Optcard[0]->isChecked());
        press(Qt::Key_O, Qt::AltModifier);
        QTRY_VERIFY(!dialog.isVisible());
        QCOMPARE(s.app->form<frmCardImages>().cardtype, qint16(0));
        QCOMPARE(focused(), war.cmDeckOptions);
        QCOMPARE(spokenName(war.picYourCards), QStringLiteral("Your pile"));
    }

    void leavingAndComingBackGivesAFreshGame()
    {
        StartedApp s;
        frmWar& first = openWar(s);
        start(s, first, {{8, 2}, {5, 1}}, {8, 2});
        play(s, first, {13, 1});
        QPointer<frmWar> gone = &first;
        QTest::mouseClick(first.cmdQuit, Qt::LeftButton);
        QVERIFY(!s.app->existing<frmMainMenu>()->isHidden());
        StartedApp::settle();
        QVERIFY(!gone);

        frmWar& war = openWar(s);
        QCOMPARE(war.deck.dealercards.count() + war.deck.yourcards.count(), 0);
        QVERIFY(!war.deck.dealerdealt && !war.deck.yourdealt);
        QCOMPARE(war.deck.yourvalue + war.deck.dealervalue, 0);
        QVERIFY(war.cmdStart->isEnabled() && !war.cmdQuit->isEnabled());
        QVERIFY(war.piccard1->isHidden() && war.piccard2->isHidden() && war.cmdContinue->isHidden());
        QCOMPARE(war.lblWinner->text(), QString());
        QCOMPARE(twips::rect(war.piccard1), (twips::Rect{1995, 2040, 1095, 1475}));
    }
};

CARDOVIA_TEST_MAIN(WarScreenTest)
#include "test_frmwar.moc"
