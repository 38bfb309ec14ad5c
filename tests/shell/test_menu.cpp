// The main menu as laid out: its buttons, titles, notes and focus order.

#include "shell/frmmainmenu.h"
#include "support/screenreader.h"
#include "support/started.h"

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
};

QTEST_MAIN(MenuTest)
#include "test_menu.moc"
