// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The frame's zoom on a wide screen: every control of every screen keeps its
// twips and scales its pixels and fonts, the keys and the window's size choose
// the zoom, the player's zoom is remembered, and nothing a game holds is lost
// when the zoom changes in the middle of it.

#include "bingo/frmbingo.h"
#include "cards/frmdeckoptions.h"
#include "fireice/frmfireice.h"
#include "shell/frmloading.h"
#include "shell/frmmainmenu.h"
#include "shell/games.h"
#include "support/logged.h"
#include "support/screenreader.h"
#include "support/started.h"
#include "support/testmain.h"
#include "war/frmwar.h"

#include <QFile>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QScreen>
#include <QSettings>
#include <QtTest>
#include <cmath>
#include <map>

namespace {

// Opens a game's screen as a player would reach it, from its menu button
// (none: the menu), War with a round in play and, if asked, its deck options.
void open(StartedApp& s, const QByteArray& button, bool deckOptions)
{
    if (button.isEmpty())
        return;
    if (auto* war = qobject_cast<frmWar*>(&s.choose(button.constData()))) {
        war->cmdStart_Click();
        tickOut(*war->tmrSlide);
        war->picYourCards_Click();
        tickOut(*war->tmrSlide);
        if (deckOptions)
            war->cmDeckOptions_Click();
    }
}

// Every control placed in twips that the frame holds now, with its twips.
std::map<QWidget*, twips::Rect> placed(frmMain& main)
{
    std::map<QWidget*, twips::Rect> all;
    for (QWidget* w : main.clientArea()->findChildren<QWidget*>())
        if (twips::isPlaced(w))
            all[w] = twips::rect(w);
    return all;
}

// Where a control placed at `r` twips belongs at `zoom`: edges rounded, as at
// 100 %, inside its container's border, with a dialog's frame around it.
QRect expected(const QWidget* w, const twips::Rect& r, double zoom)
{
    const auto px = [zoom](double t) { return int(std::lround(t * zoom / 15)); };
    int inset = 0;
    if (const auto* box = qobject_cast<const PictureBox*>(w->parentWidget()))
        inset = box->border() == PictureBox::Border::Sunken ? px(30) : box->border() == PictureBox::Border::Single ? px(15) : 0;
    QMargins frame;
    if (const auto* form = qobject_cast<const Form*>(w); form && form->client() != form)
        frame = QMargins(px(45), px(315), px(45), px(45));
    const int x = px(r.left), y = px(r.top);
    return QRect(x + inset, y + inset, px(r.left + r.width) - x + frame.left() + frame.right(),
                 px(r.top + r.height) - y + frame.top() + frame.bottom());
}

// The screens' whole pixels at a zoom, rounded down.
int fontPixels(double points, double zoom)
{
    return int(std::floor(points * 96 / 72 * zoom + 1e-6));
}

void zoomKey(frmMain& main, int key)
{
    QTest::keyClick(&main, Qt::Key(key), Qt::ControlModifier);
}

double remembered()
{
    return StartedApp::rememberedZoom().toDouble();
}

} // namespace

class ZoomTest : public QObject {
    Q_OBJECT

private slots:
    void everyControlKeepsItsTwipsAndScalesItsPixelsAndFonts_data()
    {
        QTest::addColumn<QByteArray>("button");
        QTest::addColumn<bool>("deckOptions");
        QTest::newRow("menu and panel") << QByteArray() << false;
        for (const games::Game& game : games::kGames)
            QTest::newRow(game.button) << QByteArray(game.button) << false;
        QTest::newRow("deck options over War") << QByteArray("cmdWar") << true;
    }

    void everyControlKeepsItsTwipsAndScalesItsPixelsAndFonts()
    {
        QFETCH(QByteArray, button);
        QFETCH(bool, deckOptions);
        StartedApp s;
        frmMain& main = s.app->main();
        QVERIFY(activate(&main));
        open(s, button, deckOptions);
        const std::map<QWidget*, twips::Rect> before = placed(main);
        QVERIFY(before.size() > 10);

        // 110, 125, 150, 175 %
        for (int i = 0; i < 4; ++i)
            zoomKey(main, Qt::Key_Plus);
        QCOMPARE(twips::zoom(), 1.75);
        QCOMPARE(placed(main).size(), before.size());
        for (const auto& [w, r] : before) {
            const QString name = w->objectName();
            QVERIFY2(twips::rect(w) == r, qPrintable(name));
            QVERIFY2(w->geometry() == expected(w, r, 1.75),
                     qPrintable(QStringLiteral("%1 at %2,%3 %4x%5").arg(name).arg(w->x()).arg(w->y()).arg(w->width()).arg(w->height())));
        }
        // every font a screen gave is drawn from its points again; a caption
        // fitted to its one line fits again
        int given = 0;
        for (QWidget* w : main.clientArea()->findChildren<QWidget*>()) {
            if (!w->testAttribute(Qt::WA_SetFont))
                continue;
            if (const auto* l = qobject_cast<Label*>(w); l && w->objectName() == QLatin1String("Label1") &&
                                                        qobject_cast<frmWar*>(w->parentWidget())) {
                QVERIFY(QFontMetrics(l->font()).horizontalAdvance(l->text()) <= l->width());
                QVERIFY(l->font().pixelSize() > fontPixels(8.25, 1.5));
                continue;
            }
            QVERIFY2(fonts::points(w) > 0, qPrintable(w->objectName() + QStringLiteral(" has a font without points")));
            QVERIFY2(w->font().pixelSize() == fontPixels(fonts::points(w), 1.75), qPrintable(w->objectName()));
            ++given;
        }
        QVERIFY(given > 0);
        // an option's caption is never cut
        for (QRadioButton* option : main.clientArea()->findChildren<QRadioButton*>()) {
            QStyleOptionButton drawn;
            drawn.initFrom(option);
            drawn.text = option->text();
            const QRect room = option->style()->subElementRect(QStyle::SE_RadioButtonContents, &drawn, option);
            QVERIFY2(room.width() >= option->fontMetrics().horizontalAdvance(option->text()), qPrintable(option->objectName()));
        }
    }

    void theLoadingScreenStartsAtTheRememberedZoom()
    {
        StartedApp::setRememberedZoom(1.75);
        FakePlatform platform;
        Cardovia app(platform);
        std::map<QWidget*, twips::Rect> during;
        twips::Rect loading;
        int wrong = 0;
        app.start();
        // the loading screen is up while the start-up waits for the second to turn
        StartedApp::passLoading(app, platform, [&] {
            during = placed(app.main());
            loading = twips::rect(app.existing<frmLoading>());
            for (const auto& [w, r] : during)
                wrong += w->geometry() != expected(w, r, 1.75);
        });
        QCOMPARE(twips::zoom(), 1.75);
        // the dialog and its four controls, centred as laid out
        QCOMPARE(during.size(), std::size_t(5));
        QCOMPARE(loading, (twips::Rect{2227.5, 2175, 5145, 2850}));
        QCOMPARE(wrong, 0);
        QCOMPARE(app.main().clientArea()->size(), QSize(1120, 840));
        QCOMPARE(app.existing<frmMainMenu>()->geometry(), QRect(0, 0, 770, 840));
    }

    void theKeysStepThroughTheZoomsAndResizeTheFrame()
    {
        StartedApp s;
        frmMain& main = s.app->main();
        QVERIFY(activate(&main));
        QWidget* client = main.clientArea();
        const auto greenSize = [&] { return client->parentWidget()->size(); };
        QCOMPARE(twips::zoom(), 1.0);
        QCOMPARE(greenSize(), QSize(640, 480));

        zoomKey(main, Qt::Key_Plus);
        QCOMPARE(twips::zoom(), 1.1);
        QTRY_COMPARE(greenSize(), QSize(704, 528));
        QCOMPARE(client->geometry(), QRect(0, 0, 704, 528));
        QCOMPARE(main.size(), QSize(704, 528 + main.menuBar()->height()));
        zoomKey(main, Qt::Key_Equal);  // plus without Shift on most keyboards
        QCOMPARE(twips::zoom(), 1.25);
        zoomKey(main, Qt::Key_Minus);
        QCOMPARE(twips::zoom(), 1.1);
        zoomKey(main, Qt::Key_0);
        QCOMPARE(twips::zoom(), 1.0);
        QTRY_COMPARE(greenSize(), QSize(640, 480));

        // up to where the whole frame still fits the screen, and no further
        const QRect screen = main.screen()->availableGeometry();
        for (int i = 0; i < 20; ++i)
            zoomKey(main, Qt::Key_Plus);
        const double top = twips::zoom();
        QVERIFY2(top > 2.5 && top < 3.0, qPrintable(QString::number(top)));
        QTRY_VERIFY(screen.contains(main.frameGeometry()));
        QCOMPARE(client->size(), QSize(int(std::lround(640 * top)), int(std::lround(480 * top))));
        // down to half
        for (int i = 0; i < 20; ++i)
            zoomKey(main, Qt::Key_Minus);
        QCOMPARE(twips::zoom(), 0.5);
        QTRY_COMPARE(greenSize(), QSize(320, 240));
        QCOMPARE(remembered(), 0.5);
    }

    void theFramesSizeChoosesTheLargestZoomThatShowsEverything()
    {
        StartedApp s;
        frmMain& main = s.app->main();
        const int bar = main.menuBar()->height();
        QWidget* client = main.clientArea();

        // wider than the frame's shape: green bars left and right
        main.resize(1200, 750 + bar);
        QTRY_COMPARE(client->parentWidget()->size(), QSize(1200, 750));
        QCOMPARE(twips::zoom(), 750.0 / 480);
        QCOMPARE(client->geometry(), QRect(100, 0, 1000, 750));
        const QImage shown = main.grab().toImage();
        QCOMPARE(shown.pixelColor(50, bar + 300), QColor(0, 128, 0));
        QCOMPARE(shown.pixelColor(1150, bar + 300), QColor(0, 128, 0));
        QCOMPARE(s.app->existing<frmMainMenu>()->geometry(), QRect(0, 0, 688, 750));
        // taller: bars above and below
        main.resize(800, 900 + bar);
        QTRY_COMPARE(client->parentWidget()->size(), QSize(800, 900));
        QCOMPARE(twips::zoom(), 1.25);
        QCOMPARE(client->geometry(), QRect(0, 150, 800, 600));
        // once the resizing has settled
        QTRY_COMPARE(remembered(), 1.25);

        // maximised: all the screen gives
        main.showMaximized();
        QTRY_VERIFY(main.isMaximized() && client->parentWidget()->height() > 1300);
        const QSize room = client->parentWidget()->size();
        QCOMPARE(twips::zoom(), std::min(room.width() / 640.0, room.height() / 480.0));
        // the keys then change the zoom inside the maximised frame
        QVERIFY(activate(&main));
        zoomKey(main, Qt::Key_0);
        QCOMPARE(twips::zoom(), 1.0);
        QVERIFY(main.isMaximized());
        QCOMPARE(client->geometry(), QRect((room.width() - 640) / 2, (room.height() - 480) / 2, 640, 480));
    }

    void theZoomIsRememberedAndABadSettingsFileGivesFullSize()
    {
        {
            StartedApp s;
            QVERIFY(activate(&s.app->main()));
            zoomKey(s.app->main(), Qt::Key_Plus);
            zoomKey(s.app->main(), Qt::Key_Plus);
        }
        QCOMPARE(remembered(), 1.25);
        const QString file = StartedApp::settings()->fileName();
        QVERIFY(file.endsWith(QLatin1String("Corvane/Cardovia.conf")));
        {
            StartedApp s(StartedApp::Settings::Kept);
            QCOMPARE(twips::zoom(), 1.25);
            QTRY_COMPARE(s.app->main().clientArea()->size(), QSize(800, 600));
        }
        // a start-up that has to fit a smaller zoom keeps the player's choice for later
        StartedApp::setRememberedZoom(4.0);
        {
            StartedApp s(StartedApp::Settings::Kept);
            QVERIFY(twips::zoom() < 3.0);
        }
        QCOMPARE(remembered(), 4.0);

        static const char garbage[] = "\x00\xff\xfe garbage \x01[[[=\n\x80\x81";
        const QList<QByteArray> bad = {
            QByteArray(garbage, sizeof garbage - 1),
            "[frame]\nzoom=banana\n",
            "[frame]\nzoom=9\n",
            "[frame]\nzoom=-1\n",
            "[frame]\nzoom=nan\n",
            "[frame]\nzoom=0.1\n",
            "",
        };
        for (const QByteArray& content : bad) {
            QFile settings(file);
            QVERIFY(settings.open(QIODevice::WriteOnly | QIODevice::Truncate));
            settings.write(content);
            settings.close();
            const Logged logged;
            StartedApp s(StartedApp::Settings::Kept);
            QVERIFY2(twips::zoom() == 1.0, content.constData());
            // a value that is there but not taken is said to be ignored; nothing is said of none
            if (content.contains("zoom="))
                QVERIFY2(logged.says("cardovia.settings", {"frame/zoom", "ignored"}), content.constData());
            if (content.isEmpty())
                QCOMPARE(logged.lines(), QStringList());
            // and the next choice is kept again
            QVERIFY(activate(&s.app->main()));
            zoomKey(s.app->main(), Qt::Key_Minus);
            QCOMPARE(remembered(), 0.9);
        }
        QVERIFY(QFile::remove(file));
        StartedApp missing(StartedApp::Settings::Kept);
        QCOMPARE(twips::zoom(), 1.0);
    }

    void aZoomInTheMiddleOfASlideLosesNothing()
    {
        StartedApp s;
        frmMain& main = s.app->main();
        QVERIFY(activate(&main));
        s.choose("cmdWar");
        frmWar& war = *s.app->existing<frmWar>();
        int steps = 0;
        const auto slideZoomingHalfway = [&] {
            for (; war.tmrSlide->isEnabled(); tick(*war.tmrSlide))
                if (++steps % 40 == 20)
                    main.zoomIn();
        };
        war.cmdStart_Click();
        slideZoomingHalfway();
        QCOMPARE(twips::zoom(), 1.1);
        QCOMPARE(twips::rect(war.piccard1), (twips::Rect{2100, 2100, 1095, 1475}));
        QCOMPARE(war.piccard1->geometry(), expected(war.piccard1, twips::rect(war.piccard1), 1.1));
        war.picYourCards_Click();
        slideZoomingHalfway();
        QCOMPARE(twips::zoom(), 1.25);
        QCOMPARE(twips::rect(war.piccard2), (twips::Rect{3280, 2095, 1095, 1475}));
        QCOMPARE(war.piccard2->geometry(), expected(war.piccard2, twips::rect(war.piccard2), 1.25));
        QCOMPARE(steps, 80);
        QCOMPARE(war.deck.yourcards.count() + war.deck.dealercards.count(), 48);
        QVERIFY(!war.lblWinner->text().isEmpty());
    }

    void aZoomInTheMiddleOfABingoGameLosesNothing()
    {
        StartedApp s;
        frmMain& main = s.app->main();
        s.choose("cmdBingo");
        frmBingo& bingo = *s.app->existing<frmBingo>();
        bingo.cmdOkay_Click();
        for (int i = 0; i < 5; ++i)
            tick(*bingo.tmrBall);
        bingo.lblNumber_Click(26);
        bingo.lblNumber_Click(50);
        const auto snapshot = [&] {
            QStringList all{bingo.lblBall->text(), QString::number(bingo.balls.ballcount),
                            QString::number(bingo.tmrBall->isEnabled()), QString::number(bingo.gametype)};
            for (int k = 1; k <= 50; ++k)
                all << bingo.lblNumber[k]->text() + (bingo.marked(k) ? QStringLiteral("*") : QString());
            return all;
        };
        const QStringList before = snapshot();
        main.zoomIn();
        main.zoomIn();
        QCOMPARE(twips::zoom(), 1.25);
        QCOMPARE(snapshot(), before);
        main.zoomReset();
        QCOMPARE(snapshot(), before);
        // and the game goes on
        tick(*bingo.tmrBall);
        QCOMPARE(bingo.balls.ballcount, before[1].toInt() + 1);
    }

    void fireAndIceBouncesInTwipsAtAnyZoom()
    {
        // the same card's path, tick by tick, at 100 % and at 175 %
        QList<double> paths[2];
        for (int run = 0; run < 2; ++run) {
            StartedApp s;
            s.choose("cmdFireIce");
            FrmFireIce& f = *s.app->existing<FrmFireIce>();
            if (run == 1)
                s.app->main().zoomTo(1.75);
            s.platform.script({rndFor(27, 1, 52)});
            f.cmdShuffle_Click();
            for (int i = 0; i < 60; ++i) {
                tick(*f.tmrMovement);
                paths[run] << twips::left(f.imgCard);
                QCOMPARE(f.imgCard->geometry(), expected(f.imgCard, twips::rect(f.imgCard), twips::zoom()));
            }
        }
        QCOMPARE(twips::zoom(), 1.75);
        QCOMPARE(paths[1], paths[0]);
        // out to the screen's right edge and back
        QVERIFY(*std::max_element(paths[0].begin(), paths[0].end()) > 5000);
        QVERIFY(paths[0].last() < *std::max_element(paths[0].begin(), paths[0].end()));
    }

    void aCaptionFittedToOneLineFitsAtEveryZoom()
    {
        StartedApp s;
        s.choose("cmdWar");
        const Label* caption = s.app->existing<frmWar>()->Label1;
        for (double zoom : FrameZoom::kSteps) {
            twips::setZoom(zoom);
            QVERIFY2(QFontMetrics(caption->font()).horizontalAdvance(caption->text()) <= caption->width(),
                     qPrintable(QString::number(zoom)));
            QVERIFY(caption->font().pixelSize() >= fontPixels(8.25, zoom) - 2);
        }
    }
};

CARDOVIA_TEST_MAIN(ZoomTest)
#include "test_zoom.moc"
