// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The Bingo screen: its states and transitions, calling, the opponent's
// turn, the player's marks and claims, and the options panel.

#include "bingo/bingoart.h"
#include "bingo/frmbingo.h"
#include "shell/frmmain.h"
#include "shell/frmmainmenu.h"
#include "support/screenreader.h"
#include "support/started.h"
#include "support/testmain.h"

#include <QAccessible>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QtTest>
#include <set>

namespace {

const QString kNoCheating = QStringLiteral(
    "Heh, no cheating.  You don't have bingo. You know the rules, if you yell bingo and you don't really have "
    "it, you have to start over.  Hit okay to start over.");

frmBingo& openBingo(StartedApp& s)
{
    s.choose("cmdBingo");
    return *s.app->existing<frmBingo>();
}

// The screen's state, read from what is enabled and shown.
QString state(const frmBingo& f)
{
    const bool timers = f.tmrBall->isEnabled() && f.tmrGrizzle->isEnabled();
    const bool noTimers = !f.tmrBall->isEnabled() && !f.tmrGrizzle->isEnabled();
    const bool play = f.cmdOptions->isEnabled() && f.cmdBingo->isEnabled();
    const bool noPlay = !f.cmdOptions->isEnabled() && !f.cmdBingo->isEnabled();
    const bool panel = !f.Frame1->isHidden();
    const bool start = f.cmdStart->isEnabled();
    if (noTimers && noPlay && !start && panel)
        return f.cmdCancel->isEnabled() ? QStringLiteral("Paused") : QStringLiteral("Setup");
    if (timers && play && start && !panel)
        return QStringLiteral("Running");
    if (noTimers && noPlay && start && !panel)
        return QStringLiteral("Over");
    return QStringLiteral("mixed");
}

QStringList captions(const frmBingo& f)
{
    QStringList all;
    for (int k = 1; k <= 50; ++k)
        all << f.lblNumber[k]->text();
    return all;
}

std::set<int> markedCells(const frmBingo& f)
{
    std::set<int> cells;
    for (int k = 1; k <= 50; ++k)
        if (f.marked(k))
            cells.insert(k);
    return cells;
}

void choose(frmBingo& f, QRadioButton* option)
{
    option->setChecked(true);
    f.cmdOkay_Click();
}

void markPlayer(frmBingo& f, const std::vector<int>& cells)
{
    for (int cell : cells)
        if (!f.marked(25 + cell))
            f.lblNumber_Click(25 + cell);
}

// Makes Grizzle's cell hold `number` and has Grizzle look at that ball.
void grizzleSees(frmBingo& f, int cell, int number)
{
    f.lblNumber[cell]->setText(QString::number(number));
    f.curball = qint16(number);
    tick(*f.tmrGrizzle);
}

const std::set<int> kCentresOnly{13, 38};

// Rnd values that deal one card: column c holds 15 (c - 1) + 1 to 15 (c - 1) + 5
// from the top, so its corners are 1, 61, 5 and 65.
std::vector<float> dealingTheFirstFive()
{
    std::vector<float> script;
    for (int c = 1; c <= 5; ++c)
        for (int i = 0; i < 5; ++i)
            script.push_back(rndFor(15 * (c - 1) + 1 + i, 15 * (c - 1) + 1, 15));
    return script;
}

// The next ball called is `ball`.
void call(StartedApp& s, frmBingo& f, int ball)
{
    s.platform.script({rndFor(ball, 1, 75)});
    tick(*f.tmrBall);
}

// A click where the window shows the control: it lands on whatever lies in
// front of it there.
void clickInWindow(QWidget* control)
{
    QWidget* window = control->window();
    QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {}, control->mapTo(window, control->rect().center()));
}

} // namespace

class FrmBingoTest : public QObject {
    Q_OBJECT

private slots:
    // --- loading and the cards ------------------------------------------------

    void loadingLeavesTheSetupState()
    {
        StartedApp s;
        frmBingo& f = openBingo(s);
        QCOMPARE(state(f), QStringLiteral("Setup"));
        QCOMPARE(int(f.gametype), 1);
        QCOMPARE(int(f.curball), 0);
        QVERIFY(f.lblBall->text().isEmpty());
        QCOMPARE(f.tmrBall->interval(), 2000);
        QCOMPARE(f.tmrGrizzle->interval(), 1000);
        // centred on the screen's stored size, before the menu placed it
        QCOMPARE(twips::left(f.Frame1), 1237.5);
        QCOMPARE(twips::top(f.Frame1), 1740.0);
        QCOMPARE(markedCells(f), kCentresOnly);
        for (int k = 1; k <= 50; ++k)
            QCOMPARE(f.lblNumber[k]->backColor(), QColor(255, 255, 0));
        // nothing happens until Okay
        tick(*f.tmrBall);
        tick(*f.tmrGrizzle);
        QCOMPARE(int(f.balls.ballcount), 0);
    }

    void bothCardsAreDealtIntoTheirOwnCells()
    {
        StartedApp s;
        frmBingo& f = openBingo(s);
        // Okay deals the player's card first, then Grizzle's
        std::vector<float> script;
        for (int round = 0; round < 2; ++round)
            for (int c = 1; c <= 5; ++c)
                for (int i = 0; i < 5; ++i)
                    script.push_back(rndFor(15 * (c - 1) + 1 + i + 5 * round, 15 * (c - 1) + 1, 15));
        s.platform.script(script);
        f.cmdOkay_Click();
        QCOMPARE(s.platform.scriptLeft(), std::size_t(0));
        // player: row r of column B holds 1 + (r - 1); Grizzle's numbers are five higher
        QCOMPARE(f.lblNumber[26]->text(), QStringLiteral("1"));
        QCOMPARE(f.lblNumber[46]->text(), QStringLiteral("5"));
        QCOMPARE(f.lblNumber[28]->text(), QStringLiteral("31"));
        QCOMPARE(f.lblNumber[38]->text(), QStringLiteral("FS"));
        QCOMPARE(f.lblNumber[43]->text(), QStringLiteral("33"));
        QCOMPARE(f.lblNumber[48]->text(), QStringLiteral("34"));
        QCOMPARE(f.lblNumber[50]->text(), QStringLiteral("65"));
        QCOMPARE(f.lblNumber[1]->text(), QStringLiteral("6"));
        QCOMPARE(f.lblNumber[13]->text(), QStringLiteral("FS"));
        QCOMPARE(f.lblNumber[23]->text(), QStringLiteral("39"));
        QCOMPARE(f.lblNumber[25]->text(), QStringLiteral("70"));
        QCOMPARE(markedCells(f), kCentresOnly);
    }

    void theBlockerTakesGrizzlesClicksButNotThePlayers()
    {
        StartedApp s;
        frmBingo& f = openBingo(s);
        for (int k : {1, 7, 13, 25}) {
            const QPoint inCell = f.lblNumber[k]->geometry().center();
            QCOMPARE(f.picDCard->childAt(inCell), static_cast<QWidget*>(f.lblBlocker));
        }
        const QPoint inCell = f.lblNumber[32]->geometry().center();
        QCOMPARE(f.picYCard->childAt(inCell), static_cast<QWidget*>(f.lblNumber[32]));
        // the options panel lies in front of the cards
        const QPoint inPanel = f.Frame1->geometry().center();
        QVERIFY(f.Frame1->isAncestorOf(f.childAt(inPanel)) || f.childAt(inPanel) == f.Frame1);
    }

    void cellsLettersAndTheBallSitInsideTheSunkenEdges()
    {
        StartedApp s;
        frmBingo& f = openBingo(s);
        // a card's Left 0, Top 0 is inside its two-pixel edge
        const int edge = 2;
        for (int k = 1; k <= 50; ++k) {
            const int cell = (k - 1) % 25;
            QCOMPARE(f.lblNumber[k]->parentWidget(), k <= 25 ? f.picDCard : f.picYCard);
            QCOMPARE(f.lblNumber[k]->geometry(), QRect(edge + 8 + 32 * (cell % 5), edge + 32 + 32 * (cell / 5), 25, 25));
        }
        const int lefts[] = {8, 44, 72, 104, 136};
        for (int i = 0; i < 5; ++i) {
            const auto* grizzles = f.picDCard->findChild<QWidget*>(QStringLiteral("Label%1").arg(1 + i));
            const auto* yours = f.picYCard->findChild<QWidget*>(QStringLiteral("Label%1").arg(10 - i));
            QCOMPARE(grizzles->pos(), QPoint(edge + lefts[i], edge));
            QCOMPARE(yours->pos(), QPoint(edge + lefts[i], edge));
        }
        QCOMPARE(f.lblBall->pos(), QPoint(edge + 24, edge + 48));
        QCOMPARE(f.lblBlocker->pos(), QPoint(edge, edge));
    }

    void theBallIsCrispVectorArt()
    {
        const Picture ball = bingoart::ball();
        QCOMPARE(ball.size(), QSize(150, 150));
        const QImage sharp = ball.render(2.0);
        QCOMPARE(sharp.size(), QSize(300, 300));
        QCOMPARE(QColor(sharp.pixel(1, 1)), QColor(Qt::white));
        const QColor middle(sharp.pixel(150, 150));
        QVERIFY(middle.red() < 250 && middle.red() > 100);
        QCOMPARE(middle.red(), middle.green());
        // the highlight is lighter than the far side
        QVERIFY(qGray(sharp.pixel(92, 72)) > qGray(sharp.pixel(230, 230)) + 40);
    }

    // --- calling ----------------------------------------------------------------

    void ballsAreCalledOnTheTimerWithoutRepeats()
    {
        StartedApp s;
        frmBingo& f = openBingo(s);
        f.cmdOkay_Click();
        QCOMPARE(int(f.balls.ballcount), 0);
        std::set<int> called;
        for (int i = 1; i <= 75; ++i) {
            tick(*f.tmrBall);
            QVERIFY(called.insert(f.curball).second);
            QCOMPARE(f.lblBall->text(), f.joined(f.curball));
        }
        QCOMPARE(int(called.size()), 75);
        const QString last = f.lblBall->text();
        const qint16 lastBall = f.curball;
        const int drawsBefore = s.platform.draws;
        tick(*f.tmrBall);
        QCOMPARE(s.platform.draws, drawsBefore + 1);
        QCOMPARE(f.lblBall->text(), last);
        QCOMPARE(f.curball, lastBall);
        QCOMPARE(int(f.balls.ballcount), 75);
        QVERIFY(s.platform.messages.isEmpty());
    }

    // Grizzle looks every second and a ball comes every 2 to 10, so it sees
    // each ball: the balls never run out on a game that nobody has won.
    void grizzleHasWonByTheLastBall()
    {
        StartedApp s;
        frmBingo& f = openBingo(s);
        // Blackout, which needs every number of the card
        f.cmdOkay_Click();
        for (int ball = 1; ball <= 75 && state(f) == QStringLiteral("Running"); ++ball) {
            tick(*f.tmrBall);
            tick(*f.tmrGrizzle);
        }
        QCOMPARE(state(f), QStringLiteral("Over"));
        QCOMPARE(s.platform.messages, QStringList{"Grizzle Wins! Hit okay to play again."});
    }

    void joinedNamesTheBallOrComplains()
    {
        StartedApp s;
        frmBingo& f = openBingo(s);
        QCOMPARE(f.joined(7), QStringLiteral("B7"));
        QCOMPARE(f.joined(75), QStringLiteral("O75"));
        QVERIFY(s.platform.messages.isEmpty());
        QCOMPARE(f.joined(0), QStringLiteral("0"));
        QCOMPARE(f.joined(76), QStringLiteral("0"));
        QCOMPARE(s.platform.messages, QStringList({"Error on joining string", "Error on joining string"}));
    }

    void restartKeepsTheLastBallButClearsTheGame()
    {
        StartedApp s;
        frmBingo& f = openBingo(s);
        f.cmdOkay_Click();
        s.platform.script({rndFor(52, 1, 75)});
        tick(*f.tmrBall);
        f.lblNumber_Click(30);
        f.lblNumber[4]->setOpaque(true);
        const QStringList before = captions(f);
        f.restart();
        QCOMPARE(int(f.curball), 52);
        QCOMPARE(f.lblBall->text(), QStringLiteral("G52"));
        QCOMPARE(int(f.balls.ballcount), 0);
        QVERIFY(f.balls.ballfree[52]);
        QCOMPARE(markedCells(f), kCentresOnly);
        QVERIFY(captions(f) != before);
    }

    void restartButtonCallsTheFirstBallAtOnce()
    {
        StartedApp s;
        frmBingo& f = openBingo(s);
        f.cmdOkay_Click();
        tick(*f.tmrBall);
        tick(*f.tmrBall);
        const QStringList before = captions(f);
        f.cmdStart_Click();
        QCOMPARE(state(f), QStringLiteral("Running"));
        QCOMPARE(int(f.balls.ballcount), 1);
        QCOMPARE(f.lblBall->text(), f.joined(f.curball));
        QVERIFY(!f.balls.ballfree[f.curball]);
        QVERIFY(captions(f) != before);
    }

    void speedChangesAtOnceAndSurvivesCancelAndOkay()
    {
        StartedApp s;
        frmBingo& f = openBingo(s);
        QCOMPARE(f.scrSpeed->minimum(), 2000);
        QCOMPARE(f.scrSpeed->maximum(), 10000);
        QCOMPARE(f.scrSpeed->singleStep(), 250);
        QCOMPARE(f.scrSpeed->pageStep(), 1000);
        QCOMPARE(f.scrSpeed->value(), 2000);
        f.cmdOkay_Click();
        f.cmdOptions_Click();
        f.scrSpeed->triggerAction(QAbstractSlider::SliderPageStepAdd);
        f.scrSpeed->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        QCOMPARE(f.tmrBall->interval(), 3250);
        f.cmdCancel_Click();
        QCOMPARE(f.tmrBall->interval(), 3250);
        f.cmdOptions_Click();
        f.scrSpeed->setValue(10000);
        f.cmdOkay_Click();
        f.cmdStart_Click();
        QCOMPARE(f.tmrBall->interval(), 10000);
    }

    // --- Grizzle's turn ---------------------------------------------------------

    void grizzleMarksOnlyTheFirstMatchingColumn()
    {
        StartedApp s;
        frmBingo& f = openBingo(s);
        f.cmdOkay_Click();
        for (int k : {2, 17, 4})
            f.lblNumber[k]->setText(QStringLiteral("20"));
        f.curball = 20;
        tick(*f.tmrGrizzle);
        QCOMPARE(markedCells(f), (std::set<int>{2, 13, 17, 38}));
        // the player's card is not Grizzle's to mark
        f.lblNumber[27]->setText(QStringLiteral("20"));
        tick(*f.tmrGrizzle);
        QVERIFY(!f.marked(27));
    }

    void grizzleNeverMarksItsCentre()
    {
        StartedApp s;
        frmBingo& f = openBingo(s);
        f.cmdOkay_Click();
        f.lblNumber[13]->setOpaque(false);
        grizzleSees(f, 13, 33);
        QVERIFY(!f.marked(13));
    }

    void grizzleWinsOnTheTickThatCompletesItsPattern()
    {
        StartedApp s;
        frmBingo& f = openBingo(s);
        choose(f, f.Option3);
        grizzleSees(f, 1, 2);
        grizzleSees(f, 5, 70);
        grizzleSees(f, 21, 11);
        QVERIFY(s.platform.messages.isEmpty());
        bool checkedWhileOpen = false;
        s.platform.onMessage = [&](const QString&) {
            QVERIFY(!f.tmrBall->isEnabled() && !f.tmrGrizzle->isEnabled());
            // the winning card stays until the box is dismissed
            QVERIFY(f.marked(1) && f.marked(5) && f.marked(21) && f.marked(25));
            checkedWhileOpen = true;
        };
        grizzleSees(f, 25, 66);
        QCOMPARE(s.platform.messages, QStringList{"Grizzle Wins! Hit okay to play again."});
        QVERIFY(checkedWhileOpen);
        QCOMPARE(state(f), QStringLiteral("Over"));
        QCOMPARE(markedCells(f), kCentresOnly);
        QCOMPARE(int(f.balls.ballcount), 0);
        // Over: nothing is called until Restart
        tick(*f.tmrBall);
        QCOMPARE(int(f.balls.ballcount), 0);
        f.cmdStart_Click();
        QCOMPARE(state(f), QStringLiteral("Running"));
        QCOMPARE(int(f.balls.ballcount), 1);
    }

    // --- the player's marks and claims -----------------------------------------

    void thePlayerTogglesAnyOwnCellInAnyState()
    {
        StartedApp s;
        frmBingo& f = openBingo(s);
        f.lblNumber_Click(26);  // Setup
        QVERIFY(f.marked(26));
        f.lblNumber_Click(38);
        QVERIFY(!f.marked(38));
        f.lblNumber_Click(38);
        QVERIFY(f.marked(38));
        f.cmdOkay_Click();
        f.lblNumber_Click(50);  // Running
        QVERIFY(f.marked(50));
        f.lblNumber_Click(50);
        QVERIFY(!f.marked(50));
        f.cmdBingo_Click();  // a false claim; still running
        f.lblNumber_Click(44);
        QVERIFY(f.marked(44));
    }

    void cellsMarkedByKeyboardAloneWithWhatAReaderHears()
    {
        StartedApp s;
        auto* opened = s.openByKeyboard<frmBingo>(Qt::Key_B);
        QVERIFY(opened);
        frmBingo& f = *opened;
        // the options panel comes first, on the pattern in play; each option
        // is called by its pattern's name
        QCOMPARE(focused(), f.Option1);
        for (QRadioButton* option : {f.Option1, f.Option2, f.Option3, f.Option4})
            QCOMPARE(spokenName(option), bingo::patternName(option->objectName().back().digitValue()));
        QCOMPARE(spokenName(f.scrSpeed), QStringLiteral("Call Speed"));
        QCOMPARE(spokenName(f.picDCard), QStringLiteral("Grizzle's card"));
        QCOMPARE(spokenName(f.picYCard), QStringLiteral("Your card"));
        // the speed in seconds; Tab goes round the panel
        QCOMPARE(QAccessible::queryAccessibleInterface(f.scrSpeed)->valueInterface()->currentValue().toDouble(),
                 f.scrSpeed->value() / 1000.0);
        for (int i = 0; i < 4; ++i) {
            press(Qt::Key_Tab);
            QVERIFY(f.Frame1->isAncestorOf(focused()));
        }
        f.Option1->setFocus();
        press(Qt::Key_O, Qt::AltModifier);  // Okay
        QTRY_COMPARE(state(f), QStringLiteral("Running"));
        QCOMPARE(focused(), f.lblNumber[26]);

        const auto spoken = [&](int k) { return spokenName(f.lblNumber[k]); };
        const auto number = [&](int k) { return f.lblNumber[k]->text(); };
        QCOMPARE(spoken(26), QStringLiteral("B %1").arg(number(26)));
        QCOMPARE(spoken(38), QStringLiteral("Free space, marked"));
        QCOMPARE(spoken(13), QStringLiteral("Free space, marked"));
        // a cell is pressed, and each mark is heard where the focus stays
        QCOMPARE(QAccessible::queryAccessibleInterface(f.lblNumber[26])->role(), QAccessible::Button);
        QCOMPARE(QAccessible::queryAccessibleInterface(f.picYCard)->role(), QAccessible::Grouping);
        Listener reader;
        press(Qt::Key_Space);
        QVERIFY(f.marked(26));
        QCOMPARE(spoken(26), QStringLiteral("B %1, marked").arg(number(26)));
        QVERIFY(reader.heard().contains(spoken(26)));
        press(Qt::Key_Right);
        press(Qt::Key_Right);
        press(Qt::Key_Down);
        QCOMPARE(focused(), f.lblNumber[33]);
        press(Qt::Key_Return);
        QCOMPARE(spoken(33), QStringLiteral("N %1, marked").arg(number(33)));
        reader.heard();
        press(Qt::Key_Space);
        QVERIFY(!f.marked(33));
        QCOMPARE(spoken(33), QStringLiteral("N %1").arg(number(33)));
        QVERIFY(reader.heard().startsWith(spoken(33) + QLatin1Char(',')));  // and not marked
        // the opponent's cells, which no click reaches, take no focus
        for (int k = 1; k <= 25; ++k)
            QCOMPARE(f.lblNumber[k]->focusPolicy(), Qt::NoFocus);

        // a called ball is heard as it is called; Grizzle's mark is read as a name
        tick(*f.tmrBall);
        QVERIFY(!f.lblBall->text().isEmpty());
        QCOMPARE(spokenName(f.lblBall), f.lblBall->text());
        QCOMPARE(reader.heard().remove(QLatin1Char(' ')), f.lblBall->text() + QLatin1Char('.'));
        f.curball = qint16(number(7).toInt());
        tick(*f.tmrGrizzle);
        QCOMPARE(spoken(7), QStringLiteral("I %1, marked").arg(number(7)));
        QCOMPARE(spoken(26), QStringLiteral("B %1, marked").arg(number(26)));
    }

    void aDoubleClickMarksACellOnce()
    {
        StartedApp s;
        QVERIFY(activate(&s.app->main()));
        frmBingo& f = openBingo(s);
        f.cmdOkay_Click();
        doubleClick(f.lblNumber[32]);
        QVERIFY(f.marked(32));
        doubleClick(f.lblNumber[32]);
        QVERIFY(!f.marked(32));
        QTest::mouseClick(f.lblNumber[32], Qt::LeftButton);
        QVERIFY(f.marked(32));
    }

    void theKeyboardReachesNoCellUnderTheOptionsPanel()
    {
        StartedApp s;
        QVERIFY(activate(&s.app->main()));
        frmBingo& f = openBingo(s);
        f.cmdOkay_Click();
        f.cmdOptions_Click();
        QCOMPARE(focused(), f.Option1);
        const auto covered = [&](int k) {
            return f.Frame1->geometry().contains(f.lblNumber[k]->mapTo(&f, f.lblNumber[k]->rect().center()));
        };
        QVERIFY(covered(26) && !covered(30));
        QTest::keyClick(f.lblNumber[26], Qt::Key_Space);
        QTest::keyClick(f.lblNumber[30], Qt::Key_Space);
        QVERIFY(!f.marked(26));
        QVERIFY(f.marked(30));
        // Cancel takes the keyboard back to the card
        press(Qt::Key_C, Qt::AltModifier);
        QTRY_COMPARE(focused(), static_cast<QWidget*>(f.lblNumber[26]));
        press(Qt::Key_Space);
        QVERIFY(f.marked(26));
    }

    void aClaimIsJudgedByThePlayersMarksOnly_data()
    {
        QTest::addColumn<QRadioButton* frmBingo::*>("option");
        QTest::addColumn<std::vector<int>>("cells");
        QTest::addColumn<bool>("centreOff");
        QTest::addColumn<bool>("wins");
        std::vector<int> all(25);
        for (int i = 0; i < 25; ++i)
            all[i] = i + 1;
        const std::vector<int> xOut{1, 5, 7, 9, 17, 19, 21, 25};
        const std::vector<int> fieldGoal{1, 5, 6, 10, 11, 12, 14, 15, 18, 23};
        QTest::newRow("blackout") << &frmBingo::Option1 << all << false << true;
        QTest::newRow("blackout, centre off") << &frmBingo::Option1 << all << true << false;
        QTest::newRow("x-out, centre off") << &frmBingo::Option2 << xOut << true << true;
        QTest::newRow("x-out cells for corners") << &frmBingo::Option3 << std::vector<int>{1, 7, 19, 25} << false
                                                 << false;
        QTest::newRow("corners, centre off") << &frmBingo::Option3 << std::vector<int>{1, 5, 21, 25} << true
                                             << true;
        QTest::newRow("field goal") << &frmBingo::Option4 << fieldGoal << false << true;
        QTest::newRow("field goal, centre off") << &frmBingo::Option4 << fieldGoal << true << false;
    }
    void aClaimIsJudgedByThePlayersMarksOnly()
    {
        QFETCH(QRadioButton* frmBingo::*, option);
        QFETCH(std::vector<int>, cells);
        QFETCH(bool, centreOff);
        QFETCH(bool, wins);
        StartedApp s;
        frmBingo& f = openBingo(s);
        choose(f, f.*option);
        // no ball has been called: the marks alone decide
        markPlayer(f, cells);
        if (centreOff)
            f.lblNumber_Click(38);
        // Grizzle's card showing the pattern does not make the player win
        for (int k = 1; k <= 25; ++k)
            f.lblNumber[k]->setOpaque(!wins);
        s.platform.onMessage = [&](const QString&) {
            QVERIFY(!f.tmrBall->isEnabled() && !f.tmrGrizzle->isEnabled());
        };
        f.cmdBingo_Click();
        QCOMPARE(s.platform.messages,
                 QStringList{wins ? QStringLiteral("You Win! Hit okay to play again.") : kNoCheating});
        QCOMPARE(state(f), wins ? QStringLiteral("Over") : QStringLiteral("Running"));
        QCOMPARE(markedCells(f), kCentresOnly);
    }

    void theTwoCardsAreDealtApartAndMayShareNumbers()
    {
        StartedApp s;
        QVERIFY(activate(&s.app->main()));
        frmBingo& f = openBingo(s);
        // the same draws for both cards give the same card twice
        s.platform.script(dealingTheFirstFive());
        s.platform.script(dealingTheFirstFive());
        f.cmdOkay_Click();
        for (int k = 1; k <= 25; ++k)
            QCOMPARE(f.lblNumber[k]->text(), f.lblNumber[25 + k]->text());
        // a shared number: Grizzle marks its own cell, the player's is the player's to mark
        call(s, f, 16);
        tick(*f.tmrGrizzle);
        QCOMPARE(markedCells(f), (std::set<int>{2, 13, 38}));
        clickInWindow(f.lblNumber[27]);
        QCOMPARE(markedCells(f), (std::set<int>{2, 13, 27, 38}));
    }

    void aCardCompleteButUnclaimedDoesNotWin_data()
    {
        QTest::addColumn<bool>("playerFirst");
        QTest::newRow("the player claims before Grizzle looks") << true;
        QTest::newRow("Grizzle looks before the player claims") << false;
    }

    void aCardCompleteButUnclaimedDoesNotWin()
    {
        QFETCH(bool, playerFirst);
        StartedApp s;
        QVERIFY(activate(&s.app->main()));
        frmBingo& f = openBingo(s);
        f.Option3->setChecked(true);  // 4 Corners
        s.platform.script(dealingTheFirstFive());
        s.platform.script(dealingTheFirstFive());
        f.cmdOkay_Click();
        // three corners called on both cards; Grizzle marks, the player clicks
        const std::pair<int, int> corners[] = {{1, 26}, {61, 30}, {5, 46}};
        for (const auto& [ball, cell] : corners) {
            call(s, f, ball);
            tick(*f.tmrGrizzle);
            clickInWindow(f.lblNumber[cell]);
        }
        // the last corner of both cards comes with one ball
        call(s, f, 65);
        clickInWindow(f.lblNumber[50]);
        QVERIFY(s.platform.messages.isEmpty());
        if (playerFirst) {
            clickInWindow(f.cmdBingo);
            tick(*f.tmrGrizzle);
        } else {
            tick(*f.tmrGrizzle);
            clickInWindow(f.cmdBingo);
        }
        QCOMPARE(s.platform.messages, QStringList{playerFirst ? QStringLiteral("You Win! Hit okay to play again.")
                                                              : QStringLiteral("Grizzle Wins! Hit okay to play again.")});
        QCOMPARE(state(f), QStringLiteral("Over"));
    }

    void aCompleteCardWinsOnlyWhenClaimed()
    {
        StartedApp s;
        frmBingo& f = openBingo(s);
        choose(f, f.Option3);
        markPlayer(f, {1, 5, 21, 25});
        // the game goes on around a complete card, for as long as it is not claimed
        for (int i = 0; i < 20; ++i) {
            call(s, f, 31 + i);  // no corner of Grizzle's
            tick(*f.tmrGrizzle);
        }
        QVERIFY(s.platform.messages.isEmpty());
        QCOMPARE(state(f), QStringLiteral("Running"));
        f.cmdBingo_Click();
        QCOMPARE(s.platform.messages, QStringList{"You Win! Hit okay to play again."});
    }

    void thePlayerMarksWhatTheOptionsPanelLeavesInView()
    {
        StartedApp s;
        QVERIFY(activate(&s.app->main()));
        frmBingo& f = openBingo(s);
        // with the panel up before the first game, and while a game is paused
        for (const bool paused : {false, true}) {
            if (paused) {
                f.cmdOkay_Click();
                f.cmdOptions_Click();
            }
            QVERIFY(f.Frame1->isVisible());
            // a cell in view, and one under a bare part of the panel
            int inView = 0, underPanel = 0;
            for (int k = 26; k <= 50; ++k) {
                const QWidget* hit = f.childAt(f.lblNumber[k]->mapTo(&f, f.lblNumber[k]->rect().center()));
                if (hit == f.lblNumber[k] && !inView)
                    inView = k;
                if (hit == f.Frame1 || (qobject_cast<const QLabel*>(hit) && f.Frame1->isAncestorOf(hit)))
                    underPanel = k;
            }
            QVERIFY(inView && underPanel);
            clickInWindow(f.lblNumber[inView]);
            clickInWindow(f.lblNumber[underPanel]);
            QVERIFY2(f.marked(inView) && !f.marked(underPanel), paused ? "paused" : "before the first game");
        }
    }

    void aFalseClaimStartsOverWithTheGameRunning()
    {
        StartedApp s;
        frmBingo& f = openBingo(s);
        f.cmdOkay_Click();
        for (int i = 0; i < 5; ++i)
            tick(*f.tmrBall);
        const QStringList before = captions(f);
        const qint16 last = f.curball;
        f.cmdBingo_Click();
        QCOMPARE(s.platform.messages, QStringList{kNoCheating});
        QCOMPARE(state(f), QStringLiteral("Running"));
        QCOMPARE(int(f.balls.ballcount), 0);
        QCOMPARE(f.curball, last);
        QVERIFY(captions(f) != before);
        tick(*f.tmrBall);
        QCOMPARE(int(f.balls.ballcount), 1);
    }

    // --- the options panel ------------------------------------------------------

    void optionsPausesAndCancelResumesTheSameGame()
    {
        StartedApp s;
        frmBingo& f = openBingo(s);
        choose(f, f.Option2);
        QCOMPARE(int(f.gametype), 2);
        QCOMPARE(state(f), QStringLiteral("Running"));
        tick(*f.tmrBall);
        f.lblNumber_Click(26);
        const QStringList cards = captions(f);

        f.cmdOptions_Click();
        QCOMPARE(state(f), QStringLiteral("Paused"));
        // centred on the size the menu gave the screen
        QCOMPARE(twips::left(f.Frame1), (6600 - 4215) / 2.0);
        QCOMPARE(twips::top(f.Frame1), (7200 - 2535) / 2.0);
        f.Option4->setChecked(true);
        f.cmdCancel_Click();
        QCOMPARE(state(f), QStringLiteral("Running"));
        QCOMPARE(int(f.gametype), 2);
        QCOMPARE(captions(f), cards);
        QVERIFY(f.marked(26));
        QCOMPARE(int(f.balls.ballcount), 1);

        // the next Okay applies the selection and starts a new game
        f.cmdOptions_Click();
        f.cmdOkay_Click();
        QCOMPARE(int(f.gametype), 4);
        QCOMPARE(state(f), QStringLiteral("Running"));
        QCOMPARE(int(f.balls.ballcount), 0);
        QVERIFY(captions(f) != cards);
        QCOMPARE(markedCells(f), kCentresOnly);
    }

    void mainMenuLeavesTheGame()
    {
        StartedApp s;
        frmBingo& f = openBingo(s);
        f.cmdOkay_Click();
        f.cmdQuit_Click();
        StartedApp::settle();
        QVERIFY(!s.app->existing<frmBingo>());
        QVERIFY(!s.app->existing<frmMainMenu>()->isHidden());
        // a fresh game on the way back
        frmBingo& again = openBingo(s);
        QCOMPARE(state(again), QStringLiteral("Setup"));
    }
};

CARDOVIA_TEST_MAIN(FrmBingoTest)
#include "test_frmbingo.moc"
