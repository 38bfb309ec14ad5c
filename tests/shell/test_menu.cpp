// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The main menu as laid out: its buttons, titles, notes and focus order; the
// way the keyboard goes from it to a game and back; and every screen as a
// screen reader reads it.

#include "bingo/frmbingo.h"
#include "cards/frmcardimages.h"
#include "cards/frmdeckoptions.h"
#include "fireice/frmfireice.h"
#include "shell/frmgrizzley.h"
#include "shell/frmloading.h"
#include "shell/frmmain.h"
#include "shell/frmmainmenu.h"
#include "support/screenreader.h"
#include "support/started.h"
#include "tictactoe/frmtictactoe.h"
#include "toolkit/frmmusic.h"
#include "war/frmwar.h"

#include <QAccessible>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

class MenuTest : public QObject {
    Q_OBJECT

private slots:
    void menuControlsAsLaidOut()
    {
        StartedApp s;
        frmMainMenu& menu = *s.app->existing<frmMainMenu>();
        struct Expect { const char* name; const char* caption; twips::Rect rect; };
        const Expect buttons[] = {
            {"cmdFireIce", "&Fire && Ice", {720, 1800, 1215, 375}},
            {"cmdWar", "&War", {2040, 1800, 1215, 375}},
            {"cmdTicTacToe", "&Tic Tac Toe", {3360, 1800, 1215, 375}},
            {"cmdBingo", "&Bingo", {4680, 1800, 1215, 375}},
            {"cmdQuit", "Quit", {2760, 2400, 1095, 375}},
        };
        for (const Expect& e : buttons) {
            auto* b = menu.findChild<QPushButton*>(e.name);
            QVERIFY2(b, e.name);
            QCOMPARE(b->text(), QString::fromUtf8(e.caption));
            QCOMPARE(spokenName(b), controls::plainCaption(e.caption));
            QCOMPARE(twips::rect(b), e.rect);
        }
        QCOMPARE(menu.findChild<QLabel*>("Label2")->text(), QStringLiteral("The Main Menu ... Thusfar"));
        QVERIFY(menu.findChild<QLabel*>("Label3")->text().startsWith(
            QStringLiteral("     This is the start to a great collection of games.  These are the game we")));
        QVERIFY(menu.findChild<QLabel*>("Label5")->text().startsWith(QStringLiteral("Or visit us at   ")));
        QCOMPARE(menu.palette().color(QPalette::Window), QColor(0, 0, 255));

        // focus moves Fire & Ice, War, Quit, Tic Tac Toe, Bingo
        QCOMPARE(menu.cmdFireIce->nextInFocusChain(), menu.cmdWar);
        QCOMPARE(menu.cmdWar->nextInFocusChain(), menu.cmdQuit);
        QCOMPARE(menu.cmdQuit->nextInFocusChain(), menu.cmdTicTacToe);
        QCOMPARE(menu.cmdTicTacToe->nextInFocusChain(), menu.cmdBingo);
    }

    void eachGameButtonOpensItsGameWhenClicked()
    {
        StartedApp s;
        frmMainMenu& menu = *s.app->existing<frmMainMenu>();
        const struct {
            QPushButton* button;
            const char* screen;
        } games[] = {
            {menu.cmdFireIce, "FrmFireIce"},
            {menu.cmdWar, "frmWar"},
            {menu.cmdTicTacToe, "frmTicTacToe"},
            {menu.cmdBingo, "frmBingo"},
        };
        for (const auto& game : games) {
            QTest::mouseClick(game.button, Qt::LeftButton);
            Form* shown = s.app->theform;
            QVERIFY2(shown && shown->objectName() == QLatin1String(game.screen) && shown->isVisible() &&
                         menu.isHidden(),
                     game.screen);
            s.app->returnToMenu(*shown);
            s.settle();
        }
    }

    void noScreenIsReadOutWithANameFromTheCode()
    {
        StartedApp s;
        frmMain& main = s.app->main();
        frmMainMenu& menu = *s.app->existing<frmMainMenu>();
        QCOMPARE(spokenName(&main), QStringLiteral("Corvane's Cardovia"));
        QCOMPARE(spokenName(&menu), QStringLiteral("Main menu"));
        // a reader adds the role, "panel"
        QCOMPARE(spokenName(s.app->existing<frmGrizzley>()), QStringLiteral("Opponent"));
        QCOMPARE(spokenName(s.app->existing<frmGrizzley>()->imgGrizzle), QStringLiteral("Grizzle's picture"));
        QCOMPARE(spokenName(menu.findChild<QWidget*>("Picture1")), QStringLiteral("Corvane logo"));
        // the forms that are never shown have nothing to say
        QCOMPARE(spokenName(&s.app->form<frmCardImages>()), QString());
        QCOMPARE(spokenName(&s.app->form<frmMusic>()), QString());
        QVERIFY2(namedByIdentifiers(&main).isEmpty(), qPrintable(namedByIdentifiers(&main).join(", ")));

        const struct {
            void (frmMainMenu::*choose)();
            const char* name;
        } games[] = {
            {&frmMainMenu::cmdWar_Click, "War"},
            {&frmMainMenu::cmdBingo_Click, "Bingo"},
            {&frmMainMenu::cmdTicTacToe_Click, "Tic Tac Toe"},
            {&frmMainMenu::cmdFireIce_Click, "Fire & Ice"},
        };
        for (const auto& game : games) {
            (menu.*game.choose)();
            Form* screen = s.app->theform;
            QCOMPARE(spokenName(screen), QString::fromUtf8(game.name));
            QCOMPARE(QAccessible::queryAccessibleInterface(screen)->role(), QAccessible::Pane);
            if (auto* war = qobject_cast<frmWar*>(screen)) {
                war->cmDeckOptions_Click();
                frmDeckOptions& dialog = *s.app->existing<frmDeckOptions>();
                QCOMPARE(spokenName(&dialog), QStringLiteral("Deck Options"));
                QCOMPARE(QAccessible::queryAccessibleInterface(&dialog)->role(), QAccessible::Dialog);
                QVERIFY2(namedByIdentifiers(&main).isEmpty(), qPrintable(namedByIdentifiers(&main).join(", ")));
                dialog.cmdOkay_Click();
            }
            QVERIFY2(spokenTree(&main).size() > 20, qPrintable(spokenTree(&main).join('\n')));
            QVERIFY2(namedByIdentifiers(&main).isEmpty(), qPrintable(namedByIdentifiers(&main).join(", ")));
            s.app->returnToMenu(*screen);
            s.settle();
        }

        frmLoading& loading = s.app->instance<frmLoading>();
        QCOMPARE(spokenName(&loading), QStringLiteral("Loading"));
        QVERIFY2(namedByIdentifiers(&loading).isEmpty(), qPrintable(namedByIdentifiers(&loading).join(", ")));
    }

    void theKeyboardGoesFromTheMenuToAGameAndBack()
    {
        StartedApp s;
        QVERIFY(activate(&s.app->main()));
        frmMainMenu& menu = *s.app->existing<frmMainMenu>();
        // start-up leaves the keyboard on the menu's first button
        QCOMPARE(focused(), menu.cmdFireIce);
        press(Qt::Key_Tab);
        press(Qt::Key_Tab);
        QCOMPARE(focused(), menu.cmdQuit);
        press(Qt::Key_Tab);
        QCOMPARE(focused(), menu.cmdTicTacToe);
        // the game takes the focus, not the opponent panel beside it
        press(Qt::Key_Return);
        frmTicTacToe& game = *s.app->existing<frmTicTacToe>();
        QVERIFY(game.isVisible() && !menu.isVisible());
        QCOMPARE(focused(), game.cellKey[1]);  // on the board
        press(Qt::Key_M, Qt::AltModifier);
        QTRY_VERIFY(menu.isVisible());
        // back on the button that opened the game
        QCOMPARE(focused(), menu.cmdTicTacToe);

        // "&Fire && Ice" takes Alt+F from the frame's "&File"
        press(Qt::Key_F, Qt::AltModifier);
        QTRY_VERIFY(s.app->existing<FrmFireIce>() && s.app->existing<FrmFireIce>()->isVisible());
        QVERIFY(!QApplication::activePopupWidget());
        QCOMPARE(focused(), s.app->existing<FrmFireIce>()->cmdShuffle);
    }
};

QTEST_MAIN(MenuTest)
#include "test_menu.moc"
