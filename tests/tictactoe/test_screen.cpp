// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The Tic Tac Toe screen: its controls, the player's click, the outcome
// messages and scores, who opens the next game, and the life of a visit.

#include "shell/frmmain.h"
#include "shell/frmmainmenu.h"
#include "support/screenreader.h"
#include "support/started.h"
#include "support/testmain.h"
#include "tictactoe/frmtictactoe.h"

#include <QAccessible>
#include <QPointer>
#include <QPushButton>
#include <QtTest>

using namespace tictactoe;

namespace {

const QString kYouWin = QStringLiteral("You win. Click okay to start a new game.");
const QString kGrizzleWins = QStringLiteral("Grizzley wins. Click okay to start a new game.");
const QString kDraw = QStringLiteral("Cat's tail. Nobody wins. Click okay to start a new game.");

frmTicTacToe& openGame(StartedApp& s)
{
    s.choose("cmdTicTacToe");
    return *s.app->existing<frmTicTacToe>();
}

// Nine characters row by row: O the player, X Grizzle, . a free cell. Each
// cell's image must agree with the board, or the cell is reported instead.
QString cells(const frmTicTacToe& f)
{
    QString out;
    for (int n = 1; n <= 9; ++n) {
        const PictureBox* image = f.Image1[std::size_t(n)];
        const qint16 v = f.board(n);
        const Picture shown = v == kPlayer ? f.imgO->picture() : v == kComputer ? f.imgX->picture() : Picture();
        if (image->picture() != shown || image->isEnabledTo(&f) != (v == kEmpty))
            return QStringLiteral("cell %1 disagrees with its image").arg(n);
        out += v == kPlayer ? 'O' : v == kComputer ? 'X' : '.';
    }
    return out;
}

// Sets up a position as if it had been played.
void setUp(frmTicTacToe& f, const QString& position)
{
    for (int n = 1; n <= 9; ++n) {
        const QChar c = position[n - 1];
        f.board(n) = c == 'O' ? kPlayer : c == 'X' ? kComputer : kEmpty;
        f.Image1[std::size_t(n)]->setPicture(c == 'O' ? f.imgO->picture() : c == 'X' ? f.imgX->picture() : Picture());
        f.Image1[std::size_t(n)]->setEnabled(c == '.');
    }
}

void click(QWidget* w, QPoint at = {})
{
    QTest::mouseClick(w, Qt::LeftButton, Qt::NoModifier, at.isNull() ? w->rect().center() : at);
}

float pick(int cell)
{
    return rndFor(cell, 1, 9);
}

// Records something whenever the watched object receives an event of a type.
struct Watch : QObject {
    QEvent::Type type;
    std::function<void()> record;
    Watch(QObject* watched, QEvent::Type t, std::function<void()> r) : type(t), record(std::move(r))
    {
        watched->installEventFilter(this);
    }
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == type)
            record();
        return false;
    }
};

} // namespace

class ScreenTest : public QObject {
    Q_OBJECT

private slots:
    void controlsAreAsLaidOut()
    {
        StartedApp s;
        frmTicTacToe& f = openGame(s);
        QCOMPARE(f.cmdRestart->text(), QStringLiteral("&Restart"));
        QCOMPARE(twips::rect(f.cmdRestart), (twips::Rect{2040, 5400, 975, 375}));
        QCOMPARE(twips::rect(f.Picture1), (twips::Rect{1320, 600, 3855, 4455}));
        QCOMPARE(twips::rect(f.scr1), (twips::Rect{240, 720, 735, 255}));
        QCOMPARE(f.scr1->text(), QStringLiteral("0"));
        QCOMPARE(f.scr2->text(), QStringLiteral("0"));
        // Tab runs Main Menu, the nine cells' keys row by row, Restart; each
        // key lies over its cell
        QList<QWidget*> order;
        for (QWidget* w = f.cmdQuit; order.size() < 11; w = w->nextInFocusChain())
            if (w->focusPolicy() & Qt::TabFocus && f.isAncestorOf(w))
                order << w;
        QCOMPARE(order, (QList<QWidget*>{f.cmdQuit, f.cellKey[1], f.cellKey[2], f.cellKey[3], f.cellKey[4], f.cellKey[5],
                                         f.cellKey[6], f.cellKey[7], f.cellKey[8], f.cellKey[9], f.cmdRestart}));
        for (int n = 1; n <= 9; ++n)
            QCOMPARE(f.cellKey[std::size_t(n)]->geometry(), f.Image1[std::size_t(n)]->geometry());
        QVERIFY(f.lblturn->isHidden() && f.lblturn->text().isEmpty());
        QVERIFY(f.imgO->isHidden() && f.imgX->isHidden());
        QCOMPARE(cells(f), QStringLiteral("........."));

        // each heading: a yellow upright copy in front of a black italic one 120 twips right
        for (auto [front, shadow] : {std::pair{f.Label17, f.Label12}, {f.Label16, f.Label11}}) {
            QCOMPARE(front->text(), shadow->text());
            QCOMPARE(twips::left(shadow) - twips::left(front), 120.0);
            QCOMPARE(front->palette().color(QPalette::WindowText), QColor(255, 255, 0));
            QCOMPARE(shadow->palette().color(QPalette::WindowText), QColor(Qt::black));
            QVERIFY(!front->font().italic() && shadow->font().italic());
            QVERIFY(f.children().indexOf(front) > f.children().indexOf(shadow));
        }
    }

    void marksFillTheCellsAndGridLinesFallInTheGaps()
    {
        StartedApp s;
        frmTicTacToe& f = openGame(s);
        const double columns[] = {870, 1590, 2310}, rows[] = {1230, 1950, 2670};
        for (int n = 1; n <= 9; ++n) {
            QCOMPARE(twips::rect(f.Image1[std::size_t(n)]),
                     (twips::Rect{columns[(n - 1) % 3], rows[(n - 1) / 3], 675, 675}));
            QCOMPARE(f.Image1[std::size_t(n)]->size(), f.imgO->picture().size());
            // inside the paper's two-pixel sunken edge, as the picture box places it
            QCOMPARE(f.Image1[std::size_t(n)]->parentWidget(), static_cast<QWidget*>(f.Picture1));
            QCOMPARE(f.Image1[std::size_t(n)]->pos(),
                     QPoint(2 + int(columns[(n - 1) % 3] / 15), 2 + int(rows[(n - 1) / 3] / 15)));
        }
        QCOMPARE(f.Line1->parentWidget(), static_cast<QWidget*>(f.Picture1));
        // in pixels: the vertical lines between columns, the horizontal between rows, all spanning the board
        const auto cell = [&](int n) { return f.Image1[std::size_t(n)]->geometry(); };
        for (auto [line, left] : {std::pair{f.Line1, 1}, {f.Line2, 2}}) {
            const QRect g = line->geometry();
            QVERIFY(g.center().x() > cell(left).right() && g.center().x() < cell(left + 1).left());
            QVERIFY(g.top() <= cell(1).top() && g.bottom() >= cell(7).bottom());
        }
        for (auto [line, above] : {std::pair{f.Line4, 1}, {f.Line3, 4}}) {
            const QRect g = line->geometry();
            QVERIFY(g.center().y() > cell(above).bottom() && g.center().y() < cell(above + 3).top());
            QVERIFY(g.left() <= cell(1).left() && g.right() >= cell(3).right());
        }
    }

    void gamesEndAsPlayed_data()
    {
        QTest::addColumn<QString>("start");
        QTest::addColumn<QList<int>>("clicks");
        QTest::addColumn<QList<int>>("picks");    // Grizzle's random cells, in order
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("during");      // the board while the box is open
        QTest::addColumn<QString>("after");
        QTest::addColumn<QString>("scores");
        // Grizzle draws at 2, blocks 1 and 3 no longer, draws 1 (taken) then 8; the
        // tie-break blocks 3 and 9 at 6, leaving 5; after the win Grizzle opens at 7
        QTest::newRow("player wins, Grizzle opens") << "........." << QList<int>{1, 3, 9, 5}
                                                    << QList<int>{2, 1, 8, 7} << kYouWin << "OXO.OX.XO"
                                                    << "......X.." << "1 0";
        // blocks at 3, 8 and 6, which completes Grizzle's right column
        QTest::newRow("Grizzle wins, player opens") << "........." << QList<int>{1, 2, 5, 4} << QList<int>{9}
                                                    << kGrizzleWins << "OOXOOX.XX" << "........." << "0 1";
        QTest::newRow("player's O fills the board, Grizzle opens")
            << "........." << QList<int>{5, 2, 3, 4, 9} << QList<int>{1, 6} << kDraw << "XOOOOXXXO" << ".....X..."
            << "0 0";
        QTest::newRow("Grizzle's X fills the board, player opens")
            << "XOXXOO..X" << QList<int>{7} << QList<int>{} << kDraw << "XOXXOOOXX" << "........." << "0 0";
        QTest::newRow("the win that fills the board is only a win")
            << "OXOXOXXO." << QList<int>{9} << QList<int>{5} << kYouWin << "OXOXOXXOO" << "....X...." << "1 0";
        QTest::newRow("one O completes two lines") << "OO.XOXOX." << QList<int>{3} << QList<int>{2} << kYouWin
                                                   << "OOOXOXOX." << ".X......." << "1 0";
    }

    void gamesEndAsPlayed()
    {
        QFETCH(QString, start);
        QFETCH(QList<int>, clicks);
        QFETCH(QList<int>, picks);
        QFETCH(QString, message);
        QFETCH(QString, during);
        QFETCH(QString, after);
        QFETCH(QString, scores);
        StartedApp s;
        frmTicTacToe& f = openGame(s);
        setUp(f, start);
        for (int cell : picks)
            s.platform.script({pick(cell)});
        QString seen;
        s.platform.onMessage = [&](const QString&) { seen = cells(f); };
        for (int cell : clicks)
            click(f.Image1[std::size_t(cell)]);

        QCOMPARE(s.platform.messages, QStringList{message});
        QCOMPARE(seen, during);
        QCOMPARE(cells(f), after);
        QCOMPARE(s.platform.draws, int(picks.size()));
        QCOMPARE(s.platform.reseeds, int(picks.size()));
        QCOMPARE(f.scr1->text() + ' ' + f.scr2->text(), scores);
        QCOMPARE(QStringLiteral("%1 %2").arg(f.playerscore).arg(f.computerscore), scores);
        QCOMPARE(f.lblturn->text(), QStringLiteral("Your Turn."));  // even after the game ended
    }

    void theOIsOnScreenAndTheScoreUnchangedWhileTheBoxIsOpen()
    {
        StartedApp s;
        frmTicTacToe& f = openGame(s);
        QVERIFY(f.isVisible());
        setUp(f, "O.O.X...X");
        QString painted, shownWhileOpen, scoreWhileOpen, scoreAtRestart;
        Watch paint(f.Image1[2], QEvent::Paint, [&] { painted = f.Image1[2]->picture().key(); });
        Watch restart(f.Image1[1], QEvent::EnabledChange, [&] { scoreAtRestart = f.scr1->text(); });
        s.platform.onMessage = [&](const QString&) {
            shownWhileOpen = painted;
            scoreWhileOpen = f.scr1->text();
        };
        s.platform.script({pick(5)});
        f.Image1_Click(2);
        QCOMPARE(shownWhileOpen, f.imgO->picture().key());
        QCOMPARE(scoreWhileOpen, QStringLiteral("0"));
        QCOMPARE(scoreAtRestart, QStringLiteral("0"));  // the board is emptied first
        QCOMPARE(f.scr1->text(), QStringLiteral("1"));
    }

    void clicksOnFilledCellsAndOffTheCellsDoNothing()
    {
        StartedApp s;
        frmTicTacToe& f = openGame(s);
        s.platform.script({pick(9)});
        click(f.Image1[1]);
        QCOMPARE(cells(f), QStringLiteral("O.......X"));
        for (QWidget* w : {static_cast<QWidget*>(f.Image1[1]), static_cast<QWidget*>(f.Image1[9]),
                           static_cast<QWidget*>(f.Picture1), static_cast<QWidget*>(f.Label17),
                           static_cast<QWidget*>(&f)})
            click(w, {3, 3});
        f.Image1_Click(9);
        f.Image1_Click(0);
        QCOMPARE(cells(f), QStringLiteral("O.......X"));
        QCOMPARE(s.platform.draws, 1);
        QVERIFY(s.platform.messages.isEmpty());
    }

    void grizzleTakesOnlyCellsWhoseImageIsEnabled()
    {
        StartedApp s;
        frmTicTacToe& f = openGame(s);
        setUp(f, "OO.......");
        f.Image1[3]->setEnabled(false);  // the board says free, the image says taken
        s.platform.script({pick(3), pick(6)});
        f.dealersturn();
        QCOMPARE(f.board(3), kEmpty);
        QCOMPARE(f.board(6), kComputer);
    }

    void aGamePlayedByKeyboardAloneWithWhatAReaderHears()
    {
        StartedApp s;
        auto* opened = s.openByKeyboard<frmTicTacToe>(Qt::Key_T);
        QVERIFY(opened);
        frmTicTacToe& f = *opened;
        const auto key = [&f](int n) { return f.cellKey[std::size_t(n)]; };
        QCOMPARE(spokenName(f.Picture1), QStringLiteral("Board"));
        QCOMPARE(focused(), key(1));  // the board first
        QCOMPARE(spokenName(key(1)), QStringLiteral("Top left, empty"));
        press(Qt::Key_Right);
        press(Qt::Key_Down);
        QCOMPARE(focused(), key(5));

        // O in the centre; Grizzle, with nothing to block, draws the top centre
        Listener reader;
        s.platform.script({pick(2)});
        press(Qt::Key_Space);
        QCOMPARE(cells(f), QStringLiteral(".X..O...."));
        QCOMPARE(spokenName(key(5)), QStringLiteral("Centre, O"));
        QCOMPARE(spokenName(key(2)), QStringLiteral("Top centre, X"));
        QString said = reader.heard();
        QVERIFY2(inOrder(said, {spokenName(key(5)), spokenName(key(2))}), qPrintable(said));
        // the focus stays on the marked cell, where Space does nothing
        QCOMPARE(focused(), key(5));
        press(Qt::Key_Space);
        QCOMPARE(cells(f), QStringLiteral(".X..O...."));
        QCOMPARE(reader.heard(), QString());
        press(Qt::Key_Up);  // onto Grizzle's X
        QCOMPARE(focused(), key(2));
        QCOMPARE(reader.heard(), spokenName(key(2)));
        press(Qt::Key_Left);
        press(Qt::Key_Return);  // Grizzle blocks the diagonal
        QCOMPARE(cells(f), QStringLiteral("OX..O...X"));
        QVERIFY(reader.heard().contains(spokenName(key(9))));
        press(Qt::Key_Down);
        press(Qt::Key_Space);  // Grizzle blocks the middle row
        QCOMPARE(cells(f), QStringLiteral("OX.OOX..X"));
        QCOMPARE(spokenName(f.scr1), QStringLiteral("Your score: 0"));
        reader.heard();

        // the left column wins; Grizzle opens the next game in the centre;
        // the focus stays on the board all along
        s.platform.script({pick(5)});
        press(Qt::Key_Down);
        press(Qt::Key_Space);
        QCOMPARE(s.platform.messages, QStringList{kYouWin});
        QCOMPARE(spokenName(f.scr1), QStringLiteral("Your score: 1"));
        QCOMPARE(spokenName(key(5)), QStringLiteral("Centre, X"));
        QCOMPARE(focused(), key(7));
        said = reader.heard();
        QVERIFY2(inOrder(said, {spokenName(f.scr1), spokenName(f.scr2), spokenName(key(5))}), qPrintable(said));
        // the shadow of each name is not read
        QVERIFY(QAccessible::queryAccessibleInterface(f.Label12)->state().invisible);
        QVERIFY(!QAccessible::queryAccessibleInterface(f.Label17)->state().invisible);
        // Alt+M goes back to the menu, onto the game's button
        press(Qt::Key_M, Qt::AltModifier);
        QTRY_VERIFY(s.app->existing<frmMainMenu>()->isVisible());
        QCOMPARE(focused()->objectName(), QStringLiteral("cmdTicTacToe"));
    }

    void scoresSurviveRestartAndLastForOneVisit()
    {
        StartedApp s;
        QPointer<frmTicTacToe> first = &openGame(s);
        setUp(*first, "OO.XX....");
        s.platform.script({pick(9)});
        first->Image1_Click(3);
        setUp(*first, "..OXX....");
        first->Image1_Click(9);  // 3 and 9 is blocked at 6: Grizzle's middle row
        s.platform.script({pick(1)});
        click(first->Image1[5]);
        QCOMPARE(cells(*first), QStringLiteral("X...O...."));

        const int draws = s.platform.draws;
        click(first->cmdRestart);
        QCOMPARE(cells(*first), QStringLiteral("........."));
        QCOMPARE(s.platform.draws, draws);  // the player moves next
        QCOMPARE(first->scr1->text() + ' ' + first->scr2->text(), QStringLiteral("1 1"));

        click(first->cmdQuit);
        QVERIFY(!s.app->existing<frmMainMenu>()->isHidden());
        StartedApp::settle();
        QVERIFY(!first);
        frmTicTacToe& second = openGame(s);
        QCOMPARE(second.scr1->text() + ' ' + second.scr2->text(), QStringLiteral("0 0"));
        QCOMPARE(second.playerscore + second.computerscore, 0);
        QCOMPARE(cells(second), QStringLiteral("........."));
        QVERIFY(second.lblturn->text().isEmpty());
    }
};

CARDOVIA_TEST_MAIN(ScreenTest)
#include "test_screen.moc"
