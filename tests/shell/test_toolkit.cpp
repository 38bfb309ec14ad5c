// The toolkit layer and the platform seam: twips, captions, fonts, random
// numbers, and the menu's controls as laid out.

#include "shell/desktopplatform.h"
#include "shell/frmmainmenu.h"
#include "support/started.h"

#include <QFontInfo>
#include <QPushButton>
#include <QtTest>
#include <set>

class ToolkitTest : public QObject {
    Q_OBJECT

private slots:
    void twipsAreKeptExactlyAndDrawnInPixels()
    {
        QWidget parent;
        QWidget w(&parent);
        twips::setRect(&w, {1237.5, 1740, 4215, 2535});
        QCOMPARE(twips::left(&w), 1237.5);
        QCOMPARE(twips::top(&w), 1740.0);
        QCOMPARE(w.geometry(), QRect(83, 116, 281, 169));
        // a card moved 50 twips at a time ends exactly where the sum says
        for (int i = 0; i < 40; ++i)
            twips::setLeft(&w, twips::left(&w) + 50);
        QCOMPARE(twips::left(&w), 3237.5);
        // neighbours meet without a gap: the first one's right edge is the second's left
        QWidget a(&parent), b(&parent);
        twips::setRect(&a, {0, 0, 1010, 10});
        twips::setRect(&b, {1010, 0, 1010, 10});
        QCOMPARE(a.geometry().right() + 1, b.geometry().left());
    }

    void captionsReadAloudWithoutAccessKeys()
    {
        QCOMPARE(controls::plainCaption("&Fire && Ice"), QStringLiteral("Fire & Ice"));
        QCOMPARE(controls::plainCaption("&Click here to continue."), QStringLiteral("Click here to continue."));
        QCOMPARE(controls::plainCaption("Quit"), QStringLiteral("Quit"));
        QCOMPARE(controls::plainCaption("a&"), QStringLiteral("a"));
    }

    void everyDesignFamilyHasAnInstalledFace()
    {
        for (const char* family : {"MS Sans Serif", "Arial Rounded MT Bold", "Courier New", "Standout",
                                   "Jester", "Challenge Extra Bold", "Wide Latin"}) {
            const QFont f = fonts::font(family, 12, fonts::Bold);
            QVERIFY2(QFontInfo(f).family() == fonts::substitute(family),
                     qPrintable(QStringLiteral("%1 -> %2, got %3")
                                    .arg(family, fonts::substitute(family), QFontInfo(f).family())));
            QCOMPARE(f.pixelSize(), 16);
        }
        // an unknown family still gives a usable face
        QVERIFY(!QFontInfo(fonts::font("No Such Face", 10)).family().isEmpty());
    }

    void randomBetweenCoversTheWholeRange()
    {
        FakePlatform p;
        p.script({0.0f, 0.99999994f, 0.5f});
        QCOMPARE(randomBetween(p, 1, 75), 1);
        QCOMPARE(randomBetween(p, 1, 75), 75);
        QCOMPARE(randomBetween(p, 2, 13), 8);
        // scripted values for a wanted result land on it
        p.script({rndFor(7, 1, 75), rndFor(13, 2, 12)});
        QCOMPARE(randomBetween(p, 1, 75), 7);
        QCOMPARE(randomBetween(p, 2, 13), 13);
    }

    void reseedingNeverRestartsTheSequence()
    {
        DesktopPlatform p;
        std::set<float> seen;
        for (int i = 0; i < 2000; ++i) {
            p.Randomize();
            const float r = p.Rnd();
            QVERIFY(r >= 0.0f && r < 1.0f);
            seen.insert(r);
        }
        // back-to-back reseeds fall within one clock tick; the numbers still move on
        QVERIFY(seen.size() > 1990);
    }

    void desktopGeneratorIsUniform()
    {
        DesktopPlatform p;
        int counts[9] = {};
        const int n = 90000;
        for (int i = 0; i < n; ++i)
            ++counts[randomBetween(p, 1, 9) - 1];
        for (int c : counts)
            QVERIFY2(std::abs(c - n / 9) < 600, qPrintable(QString::number(c)));  // > 6 sigma
    }

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
            QCOMPARE(b->accessibleName(), controls::plainCaption(e.caption));
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

QTEST_MAIN(ToolkitTest)
#include "test_toolkit.moc"
