// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The main menu as laid out: its buttons, titles, notes and focus order; each
// game opened from its button and left again, by mouse and keyboard; and
// every screen as a screen reader reads it.

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
        const twips::Rect quit = twips::rect(menu.cmdQuit);
        const double middle = quit.left + quit.width / 2;
        // a button for each game, in rows of at most four in the table's
        // order above Quit, each row centred over it; the tab order is the
        // table's, with Quit after the first half of the games
        std::vector<std::vector<twips::Rect>> rows;
        std::vector<QWidget*> order;
        for (const games::Game& game : games::kGames) {
            QPushButton* b = button(menu, game.button);
            QVERIFY2(b, game.button);
            QCOMPARE(b->text(), QString::fromUtf8(game.caption));
            QCOMPARE(spokenName(b), controls::plainCaption(game.caption));
            const twips::Rect r = twips::rect(b);
            if (rows.empty() || r.top != rows.back().back().top)
                rows.emplace_back();
            else
                QVERIFY2(r.left > rows.back().back().left, game.button);
            rows.back().push_back(r);
            order.push_back(b);
            QVERIFY2(r.top + r.height < quit.top && r.height == quit.height, game.button);
            QVERIFY2(menu.rect().contains(b->geometry()), game.button);
            for (QWidget* other : menu.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
                QVERIFY2(other == b || !other->geometry().intersects(b->geometry()),
                         qPrintable(QStringLiteral("%1 overlaps %2").arg(game.button, other->objectName())));
        }
        for (std::size_t i = 0; i < rows.size(); ++i) {
            QVERIFY(rows[i].size() <= 4);
            QVERIFY(i == 0 || rows[i].front().top > rows[i - 1].front().top);
            QCOMPARE(rows[i].front().left + rows[i].back().left + rows[i].back().width, 2 * middle);
        }
        order.insert(order.begin() + std::ptrdiff_t((order.size() + 1) / 2), menu.cmdQuit);
        for (std::size_t i = 0; i + 1 < order.size(); ++i)
            QCOMPARE(order[i]->nextInFocusChain(), order[i + 1]);

        QCOMPARE(menu.findChild<QLabel*>("Label2")->text(), QStringLiteral("The Main Menu ... Thusfar"));
        QVERIFY(menu.findChild<QLabel*>("Label3")->text().startsWith(
            QStringLiteral("     This is the start to a great collection of games.  These are the game we")));
        QVERIFY(menu.findChild<QLabel*>("Label5")->text().startsWith(QStringLiteral("Or visit us at   ")));
        QCOMPARE(menu.palette().color(QPalette::Window), QColor(0, 0, 255));
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
            for (std::size_t tabs = 0; tabs <= games::kGames.size() && focused() != pressed; ++tabs)
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

        for (const games::Game& game : games::kGames) {
            Form* screen = &s.choose(game.button);
            // the game's name, as its button gives it
            QCOMPARE(spokenName(screen), controls::plainCaption(game.caption));
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

    void theKeyboardStartsOnTheFirstGameAndAltFIsFireAndIce()
    {
        StartedApp s;
        QVERIFY(activate(&s.app->main()));
        frmMainMenu& menu = *s.app->existing<frmMainMenu>();
        QCOMPARE(focused(), button(menu, games::kGames.front().button));

        // "&Fire && Ice" takes Alt+F from the frame's "&File"
        press(Qt::Key_F, Qt::AltModifier);
        QTRY_VERIFY(s.app->existing<FrmFireIce>() && s.app->existing<FrmFireIce>()->isVisible());
        QVERIFY(!QApplication::activePopupWidget());
        QCOMPARE(focused(), s.app->existing<FrmFireIce>()->cmdShuffle);
    }
};

CARDOVIA_TEST_MAIN(MenuTest)
#include "test_menu.moc"
