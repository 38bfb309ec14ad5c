// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The main menu as laid out: its buttons, titles, notes and focus order; each
// game opened from its button and left again, by mouse and keyboard; and
// every screen as a screen reader reads it.

#include "bingo/frmbingo.h"
#include "cards/frmcardimages.h"
#include "cards/frmdeckoptions.h"
#include "fireice/frmfireice.h"
#include "shell/frmgrizzley.h"
#include "shell/frmloading.h"
#include "shell/frmmain.h"
#include "shell/frmmainmenu.h"
#include "shell/games.h"
#include "support/screenreader.h"
#include "support/started.h"
#include "support/testmain.h"
#include "tictactoe/frmtictactoe.h"
#include "toolkit/frmmusic.h"
#include "war/frmwar.h"

#include <QAccessible>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QtTest>

namespace {

QPushButton* button(const frmMainMenu& menu, const char* name)
{
    return menu.findChild<QPushButton*>(QLatin1String(name));
}

// The ways a player presses a button of the menu.
enum class Way { Click, AccessKey, TabAndEnter };

// Where a widget is, by its control names.
QString path(const QWidget* w)
{
    QStringList names;
    for (; w; w = w->parentWidget())
        names.prepend(w->objectName());
    return names.join(QLatin1Char('/'));
}

} // namespace

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
        const char* const order[] = {"cmdFireIce", "cmdWar", "cmdQuit", "cmdTicTacToe", "cmdBingo"};
        for (std::size_t i = 0; i + 1 < std::size(order); ++i)
            QCOMPARE(button(menu, order[i])->nextInFocusChain(), button(menu, order[i + 1]));
    }

    // Each game from its menu button, however the button is pressed; the
    // game's screen takes the keyboard, and leaving the game brings the
    // keyboard back to that button.
    void eachGameOpensFromItsButtonAndReturnsToIt_data()
    {
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<int>("way");
        for (const games::Game& game : games::kGames) {
            QTest::addRow("%s clicked", game.button) << QByteArray(game.button) << int(Way::Click);
            QTest::addRow("%s by its access key", game.button) << QByteArray(game.button) << int(Way::AccessKey);
            QTest::addRow("%s by Tab and Enter", game.button) << QByteArray(game.button) << int(Way::TabAndEnter);
        }
    }

    void eachGameOpensFromItsButtonAndReturnsToIt()
    {
        QFETCH(QByteArray, name);
        QFETCH(int, way);
        StartedApp s;
        QVERIFY(activate(&s.app->main()));
        frmMainMenu& menu = *s.app->existing<frmMainMenu>();
        QPushButton* pressed = button(menu, name);
        switch (Way(way)) {
        case Way::Click:
            QTest::mouseClick(pressed, Qt::LeftButton);
            break;
        case Way::AccessKey:
            press(QKeySequence::mnemonic(pressed->text())[0].key(), Qt::AltModifier);
            break;
        case Way::TabAndEnter:
            for (int tabs = 0; tabs < 10 && focused() != pressed; ++tabs)
                press(Qt::Key_Tab);
            press(Qt::Key_Return);
            break;
        }
        QTRY_VERIFY(menu.isHidden());
        Form* shown = s.app->theform;
        QVERIFY(shown && shown->isVisible());
        QCOMPARE(shown, &games::named(name.constData())->screen(*s.app));
        QVERIFY(!QApplication::activePopupWidget());
        QVERIFY2(shown->isAncestorOf(focused()), qPrintable(path(focused())));
        s.app->returnToMenu(*shown);
        s.settle();
        QVERIFY(menu.isVisible());
        QCOMPARE(focused(), pressed);
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
            const char* button;
            const char* name;
        } games[] = {
            {"cmdWar", "War"},
            {"cmdBingo", "Bingo"},
            {"cmdTicTacToe", "Tic Tac Toe"},
            {"cmdFireIce", "Fire & Ice"},
        };
        for (const auto& game : games) {
            Form* screen = &s.choose(game.button);
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

        // the menu bar's titles are read as menus, the one the keyboard is on focused
        QAccessibleInterface* bar = QAccessible::queryAccessibleInterface(main.menuBar());
        QCOMPARE(bar->childCount(), main.menuBar()->actions().size());
        for (int i = 0; i < bar->childCount(); ++i) {
            QAccessibleInterface* title = bar->child(i);
            QCOMPARE(title->role(), QAccessible::PopupMenu);
            QVERIFY(title->state().hasPopup);
            QCOMPARE(bar->indexOfChild(title), i);
            QCOMPARE(title->child(0)->object(), main.menuBar()->actions()[i]->menu());
            QVERIFY2(!title->text(QAccessible::Name).isEmpty() && !title->text(QAccessible::Name).contains('&'),
                     qPrintable(title->text(QAccessible::Name)));
        }
        QVERIFY(activate(&main));
        press(Qt::Key_F10);
        QTRY_VERIFY(bar->child(0)->state().focused);
        QVERIFY(!bar->child(1)->state().focused);
        press(Qt::Key_Escape);
        press(Qt::Key_Escape);

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
        QCOMPARE(focused(), button(menu, "cmdFireIce"));
        press(Qt::Key_Tab);
        press(Qt::Key_Tab);
        QCOMPARE(focused(), menu.cmdQuit);
        press(Qt::Key_Tab);
        QCOMPARE(focused(), button(menu, "cmdTicTacToe"));
        // the game takes the focus, not the opponent panel beside it
        press(Qt::Key_Return);
        frmTicTacToe& game = *s.app->existing<frmTicTacToe>();
        QVERIFY(game.isVisible() && !menu.isVisible());
        QCOMPARE(focused(), game.cellKey[1]);  // on the board
        press(Qt::Key_M, Qt::AltModifier);
        QTRY_VERIFY(menu.isVisible());
        // back on the button that opened the game
        QCOMPARE(focused(), button(menu, "cmdTicTacToe"));

        // "&Fire && Ice" takes Alt+F from the frame's "&File"
        press(Qt::Key_F, Qt::AltModifier);
        QTRY_VERIFY(s.app->existing<FrmFireIce>() && s.app->existing<FrmFireIce>()->isVisible());
        QVERIFY(!QApplication::activePopupWidget());
        QCOMPARE(focused(), s.app->existing<FrmFireIce>()->cmdShuffle);
    }
};

CARDOVIA_TEST_MAIN(MenuTest)
#include "test_menu.moc"
