// The Tic Tac Toe screen: its controls, the player's click, the outcome
// messages and scores, who opens the next game, and the visit's life.

#include "shell/frmmainmenu.h"
#include "support/started.h"
#include "tictactoe/frmtictactoe.h"

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
    s.app->existing<frmMainMenu>()->cmdTicTacToe_Click();
    return *s.app->existing<frmTicTacToe>();
}

// The board as nine characters, O the player, X Grizzle, . a free cell;
// every cell's image is checked to agree with it.
QString cells(const frmTicTacToe& f)
{
    QString out;
    for (int n = 1; n <= 9; ++n) {
        const PictureBox* image = f.Image1[std::size_t(n)];
        const qint16 v = f.board(n);
        const Picture expected = v == kPlayer ? f.imgO->picture() : v == kComputer ? f.imgX->picture() : Picture();
        if (image->picture() != expected || image->isEnabledTo(&f) != (v == kEmpty))
            return QStringLiteral("cell %1 disagrees with its image").arg(n);
        out += v == kPlayer ? 'O' : v == kComputer ? 'X' : '.';
    }
    return out;
}

// Sets up a position as if it had been played.
void setUp(frmTicTacToe& f, const char* position)
{
    for (int n = 1; n <= 9; ++n) {
        const char c = position[n - 1];
        PictureBox* image = f.Image1[std::size_t(n)];
        f.board(n) = c == 'O' ? kPlayer : c == 'X' ? kComputer : kEmpty;
        image->setPicture(c == 'O' ? f.imgO->picture() : c == 'X' ? f.imgX->picture() : Picture());
        image->setEnabled(c == '.');
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

} // namespace

class ScreenTest : public QObject {
    Q_OBJECT

private slots:
    void controlsAreAsLaidOut()
    {
        StartedApp s;
        frmTicTacToe& f = openGame(s);
        QCOMPARE(f.cmdRestart->text(), QStringLiteral("&Restart"));
        QCOMPARE(f.cmdQuit->text(), QStringLiteral("&Main Menu"));
        QCOMPARE(twips::rect(f.cmdRestart), (twips::Rect{2040, 5400, 975, 375}));
        QCOMPARE(twips::rect(f.cmdQuit), (twips::Rect{3480, 5400, 975, 375}));
        QCOMPARE(twips::rect(f.Picture1), (twips::Rect{1320, 600, 3855, 4455}));
        QCOMPARE(f.Picture1->picture().size(), QSize(253, 293));
        QCOMPARE(twips::rect(f.scr1), (twips::Rect{240, 720, 735, 255}));
        QCOMPARE(twips::rect(f.scr2), (twips::Rect{5520, 720, 735, 255}));
        QCOMPARE(f.scr1->text(), QStringLiteral("0"));
        QCOMPARE(f.scr2->text(), QStringLiteral("0"));

        // the headings: a yellow upright copy in front of a black italic one 120 twips right
        const auto pair = [&](Label* front, Label* shadow, const QString& caption) {
            QCOMPARE(front->text(), caption);
            QCOMPARE(shadow->text(), caption);
            QCOMPARE(twips::left(shadow) - twips::left(front), 120.0);
            QCOMPARE(front->palette().color(QPalette::WindowText), QColor(255, 255, 0));
            QCOMPARE(shadow->palette().color(QPalette::WindowText), QColor(Qt::black));
            QVERIFY(!front->font().italic() && front->font().bold());
            QVERIFY(shadow->font().italic() && shadow->font().bold());
            const QObjectList& order = f.children();
            QVERIFY(order.indexOf(front) > order.indexOf(shadow));
        };
        pair(f.Label17, f.Label12, QStringLiteral("You"));
        pair(f.Label16, f.Label11, QStringLiteral("Grizzle"));

        QVERIFY(f.lblturn->isHidden());
        QVERIFY(f.lblturn->text().isEmpty());
        QVERIFY(f.imgO->isHidden() && f.imgX->isHidden());
        QCOMPARE(f.imgO->objectName(), QStringLiteral("imgO(10)"));
        QCOMPARE(f.imgX->objectName(), QStringLiteral("imgX(0)"));
        QCOMPARE(cells(f), QStringLiteral("........."));

        // Main Menu comes before Restart in the focus order
        QCOMPARE(f.cmdQuit->nextInFocusChain(), f.cmdRestart);
    }

    void marksSitInTheCellsAndGridLinesInTheGaps()
    {
        StartedApp s;
        frmTicTacToe& f = openGame(s);
        const double columns[] = {870, 1590, 2310}, rows[] = {1230, 1950, 2670};
        for (int n = 1; n <= 9; ++n) {
            const PictureBox* image = f.Image1[std::size_t(n)];
            QCOMPARE(twips::rect(image), (twips::Rect{columns[(n - 1) % 3], rows[(n - 1) / 3], 675, 675}));
            QCOMPARE(image->size(), f.imgO->picture().size());  // a mark exactly fills its cell
            QVERIFY(f.Picture1->isAncestorOf(image));
        }
        // in pixels too: each line falls between its two neighbouring cells
        const auto gapX = [&](int leftCell) {
            return std::pair{f.Image1[std::size_t(leftCell)]->geometry().right(),
                             f.Image1[std::size_t(leftCell + 1)]->geometry().left()};
        };
        const auto gapY = [&](int topCell) {
            return std::pair{f.Image1[std::size_t(topCell)]->geometry().bottom(),
                             f.Image1[std::size_t(topCell + 3)]->geometry().top()};
        };
        const auto lineX = [](Shape* l) { return l->geometry().center().x(); };
        const auto lineY = [](Shape* l) { return l->geometry().center().y(); };
        for (auto [line, gap] : {std::pair{f.Line1, gapX(1)}, {f.Line2, gapX(2)}}) {
            QVERIFY(lineX(line) > gap.first && lineX(line) < gap.second);
            QVERIFY(line->geometry().top() <= f.Image1[1]->geometry().top());
            QVERIFY(line->geometry().bottom() >= f.Image1[7]->geometry().bottom());
        }
        for (auto [line, gap] : {std::pair{f.Line4, gapY(1)}, {f.Line3, gapY(4)}}) {
            QVERIFY(lineY(line) > gap.first && lineY(line) < gap.second);
            QVERIFY(line->geometry().left() <= f.Image1[1]->geometry().left());
            QVERIFY(line->geometry().right() >= f.Image1[3]->geometry().right());
        }
    }

    void theOIsOnScreenBeforeTheMessageBox()
    {
        StartedApp s;
        frmTicTacToe& f = openGame(s);
        QVERIFY(f.isVisible());
        setUp(f, "O.O.....X");

        // what Image1(2) last painted, recorded as it paints
        struct Painted : QObject {
            QString key;
            bool eventFilter(QObject* o, QEvent* e) override
            {
                if (e->type() == QEvent::Paint)
                    key = static_cast<PictureBox*>(o)->picture().key();
                return false;
            }
        } painted;
        f.Image1[2]->installEventFilter(&painted);
        QString seen;
        s.platform.onMessage = [&](const QString&) { seen = painted.key; };
        s.platform.script({pick(5)});
        f.Image1_Click(2);
        QCOMPARE(s.platform.messages, QStringList{kYouWin});
        QCOMPARE(seen, f.imgO->picture().key());
    }

    void clicksOnFilledCellsAndOffTheCellsDoNothing()
    {
        StartedApp s;
        frmTicTacToe& f = openGame(s);
        s.platform.script({pick(9)});
        click(f.Image1[1]);
        QCOMPARE(cells(f), QStringLiteral("O.......X"));
        const int draws = s.platform.draws;

        click(f.Image1[1]);
        click(f.Image1[9]);
        f.Image1_Click(9);
        click(f.Picture1, {5, 5});
        click(f.Label17);
        click(&f, {5, 5});
        QCOMPARE(cells(f), QStringLiteral("O.......X"));
        QCOMPARE(s.platform.draws, draws);
        QVERIFY(s.platform.messages.isEmpty());
    }

    void grizzleBlocksThenTheTieBreakLetsThePlayerWin()
    {
        StartedApp s;
        frmTicTacToe& f = openGame(s);
        s.platform.script({pick(2)});
        click(f.Image1[1]);
        QCOMPARE(cells(f), QStringLiteral("OX......."));
        QCOMPARE(f.lblturn->text(), QStringLiteral("Your Turn."));

        // 1 and 3 are already blocked at 2, so Grizzle draws at random: 1 is taken, 8 is free
        s.platform.script({pick(1), pick(8)});
        click(f.Image1[3]);
        QCOMPARE(cells(f), QStringLiteral("OXO....X."));
        QCOMPARE(s.platform.reseeds, 3);

        // 3 and 9 (block 6) comes before 1 and 9 (block 5)
        click(f.Image1[9]);
        QCOMPARE(cells(f), QStringLiteral("OXO..X.XO"));
        QCOMPARE(s.platform.scriptLeft(), std::size_t(0));

        // the player's win: Grizzle opens the next game after OK
        QString onBoardDuringMessage;
        s.platform.onMessage = [&](const QString&) { onBoardDuringMessage = cells(f); };
        s.platform.script({pick(7)});
        click(f.Image1[5]);
        QCOMPARE(s.platform.messages, QStringList{kYouWin});
        QCOMPARE(onBoardDuringMessage, QStringLiteral("OXO.OX.XO"));
        QCOMPARE(cells(f), QStringLiteral("......X.."));
        QCOMPARE(f.playerscore, 1);
        QCOMPARE(f.scr1->text(), QStringLiteral("1"));
        QCOMPARE(f.scr2->text(), QStringLiteral("0"));
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
        QCOMPARE(f.Image1[6]->picture(), f.imgX->picture());
    }

    void theScoreChangesOnlyAfterTheBoardIsEmptied()
    {
        StartedApp s;
        frmTicTacToe& f = openGame(s);
        setUp(f, "OO.XX....");
        QString scoreDuringMessage;
        s.platform.onMessage = [&](const QString&) { scoreDuringMessage = f.scr1->text(); };
        // the score as it stands when Restart frees the first cell
        struct Watch : QObject {
            Label* score;
            QString seen;
            bool eventFilter(QObject*, QEvent* e) override
            {
                if (e->type() == QEvent::EnabledChange)
                    seen = score->text();
                return false;
            }
        } watch;
        watch.score = f.scr1;
        f.Image1[1]->installEventFilter(&watch);
        s.platform.script({pick(4)});
        f.Image1_Click(3);
        QCOMPARE(scoreDuringMessage, QStringLiteral("0"));
        QCOMPARE(watch.seen, QStringLiteral("0"));
        QCOMPARE(f.scr1->text(), QStringLiteral("1"));
    }

    void grizzlesWinLetsThePlayerOpenTheNextGame()
    {
        StartedApp s;
        frmTicTacToe& f = openGame(s);
        s.platform.script({pick(9)});
        click(f.Image1[1]);
        click(f.Image1[2]);  // blocked at 3
        click(f.Image1[5]);  // 2 and 5 comes before 1 and 5: blocked at 8
        QCOMPARE(cells(f), QStringLiteral("OOX.O..XX"));
        QVERIFY(s.platform.messages.isEmpty());
        const int draws = s.platform.draws;

        QString onBoardDuringMessage;
        s.platform.onMessage = [&](const QString&) { onBoardDuringMessage = cells(f); };
        click(f.Image1[4]);  // blocked at 6, which completes Grizzle's right column
        QCOMPARE(s.platform.messages, QStringList{kGrizzleWins});
        QCOMPARE(onBoardDuringMessage, QStringLiteral("OOXOOX.XX"));
        QCOMPARE(cells(f), QStringLiteral("........."));
        QCOMPARE(s.platform.draws, draws);  // no X for the next game
        QCOMPARE(f.computerscore, qint16(1));
        QCOMPARE(f.scr2->text(), QStringLiteral("1"));
        QCOMPARE(f.scr1->text(), QStringLiteral("0"));
        // set even though the game has just ended
        QCOMPARE(f.lblturn->text(), QStringLiteral("Your Turn."));
    }

    void aDrawOnThePlayersMoveLetsGrizzleOpen()
    {
        StartedApp s;
        frmTicTacToe& f = openGame(s);
        s.platform.script({pick(1)});
        for (int n : {5, 2, 3, 4})
            click(f.Image1[std::size_t(n)]);
        QCOMPARE(cells(f), QStringLiteral("XOOOOXXX."));
        QVERIFY(s.platform.messages.isEmpty());

        s.platform.script({pick(6)});
        click(f.Image1[9]);
        QCOMPARE(s.platform.messages, QStringList{kDraw});
        QCOMPARE(cells(f), QStringLiteral(".....X..."));
        QCOMPARE(f.scr1->text(), QStringLiteral("0"));
        QCOMPARE(f.scr2->text(), QStringLiteral("0"));
    }

    void aDrawOnGrizzlesMoveLetsThePlayerOpen()
    {
        StartedApp s;
        frmTicTacToe& f = openGame(s);
        setUp(f, "XOXXOO..X");  // Grizzle opened this game
        QString onBoardDuringMessage;
        s.platform.onMessage = [&](const QString&) { onBoardDuringMessage = cells(f); };
        click(f.Image1[7]);  // 2 and 5 is blocked at 8, the last free cell
        QCOMPARE(s.platform.messages, QStringList{kDraw});
        QCOMPARE(onBoardDuringMessage, QStringLiteral("XOXXOOOXX"));
        QCOMPARE(cells(f), QStringLiteral("........."));
        QCOMPARE(s.platform.draws, 0);
        QCOMPARE(f.lblturn->text(), QStringLiteral("Your Turn."));
    }

    void theWinThatFillsTheBoardShowsOnlyTheWin()
    {
        StartedApp s;
        frmTicTacToe& f = openGame(s);
        setUp(f, "OXOXOXXO.");
        s.platform.script({pick(5)});
        f.Image1_Click(9);
        QCOMPARE(s.platform.messages, QStringList{kYouWin});
        QCOMPARE(f.scr1->text(), QStringLiteral("1"));
        QCOMPARE(cells(f), QStringLiteral("....X...."));
    }

    void oneOThatCompletesTwoLinesGivesOneMessage()
    {
        StartedApp s;
        frmTicTacToe& f = openGame(s);
        setUp(f, "OO.XOXOX.");
        s.platform.script({pick(2)});
        f.Image1_Click(3);
        QCOMPARE(s.platform.messages, QStringList{kYouWin});
        QCOMPARE(f.playerscore, 1);
        QCOMPARE(cells(f), QStringLiteral(".X......."));
    }

    void restartEmptiesTheBoardAndKeepsTheScores()
    {
        StartedApp s;
        frmTicTacToe& f = openGame(s);
        setUp(f, "..OXX....");
        f.Image1_Click(9);  // 3 and 9 is blocked at 6, which completes Grizzle's middle row
        QCOMPARE(s.platform.messages, QStringList{kGrizzleWins});
        s.platform.script({pick(1)});
        click(f.Image1[5]);
        QCOMPARE(cells(f), QStringLiteral("X...O...."));

        const int draws = s.platform.draws;
        click(f.cmdRestart);
        QCOMPARE(cells(f), QStringLiteral("........."));
        QCOMPARE(s.platform.draws, draws);  // the player moves next
        QCOMPARE(f.computerscore, qint16(1));
        QCOMPARE(f.scr2->text(), QStringLiteral("1"));
        QCOMPARE(f.scr1->text(), QStringLiteral("0"));
        QCOMPARE(s.platform.messages.size(), 1);
    }

    void scoresLastForOneVisit()
    {
        StartedApp s;
        QPointer<frmTicTacToe> first = &openGame(s);
        setUp(*first, "OO.XX....");
        s.platform.script({pick(9)});
        first->Image1_Click(3);
        setUp(*first, "..OXX....");
        first->Image1_Click(9);
        QCOMPARE(first->scr1->text(), QStringLiteral("1"));
        QCOMPARE(first->scr2->text(), QStringLiteral("1"));

        click(first->cmdQuit);
        QVERIFY(!s.app->existing<frmMainMenu>()->isHidden());
        StartedApp::settle();
        QVERIFY(!first);

        frmTicTacToe& second = openGame(s);
        QCOMPARE(second.playerscore, 0);
        QCOMPARE(second.computerscore, qint16(0));
        QCOMPARE(second.scr1->text(), QStringLiteral("0"));
        QCOMPARE(second.scr2->text(), QStringLiteral("0"));
        QCOMPARE(cells(second), QStringLiteral("........."));
        QVERIFY(second.lblturn->text().isEmpty());
    }
};

QTEST_MAIN(ScreenTest)
#include "test_screen.moc"
