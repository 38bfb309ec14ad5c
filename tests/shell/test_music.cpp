// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The opponent panel: its controls and the exact commands that Play and Stop
// send to the music player.

#include "shell/frmgrizzley.h"
#include "shell/frmmain.h"
#include "shell/frmmainmenu.h"
#include "support/screenreader.h"
#include "support/started.h"
#include "support/testmain.h"
#include "war/frmwar.h"

#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

namespace {

const QStringList kStop{"stop", "close"};

QStringList playing(int track)
{
    return {QStringLiteral("FileName=%1.mid").arg(track), "open", "play", "prev"};
}

} // namespace

class MusicPanelTest : public QObject {
    Q_OBJECT

private slots:
    void panelControlsAsLaidOut()
    {
        StartedApp s;
        frmGrizzley& panel = *s.app->existing<frmGrizzley>();
        QCOMPARE(twips::height(&panel), s.app->main().Height());
        QCOMPARE(panel.palette().color(QPalette::Window), QColor(192, 192, 192));

        QCOMPARE(panel.imgGrizzle->objectName(), QStringLiteral("imgGrizzle"));
        QCOMPARE(twips::rect(panel.imgGrizzle), (twips::Rect{480, 360, 1815, 2535}));
        QVERIFY(panel.imgGrizzle->picture().isNull());

        struct Expect { QWidget* control; const char* name; const char* caption; twips::Rect rect; };
        const Expect expected[] = {
            {panel.Label1, "Label1", "This is where the picture of Grizzle will go.", {480, 3120, 1815, 375}},
            {panel.Label2, "Label2", "Other cool stuff will go here!", {360, 3960, 2175, 495}},
            {panel.Command1, "Command1", "Play some music.", {720, 4800, 1575, 375}},
            {panel.Command2, "Command2", "Stop the music.", {720, 5160, 1575, 375}},
            {panel.Label3, "Label3", "Track #", {1200, 5520, 615, 255}},
        };
        for (const Expect& e : expected) {
            QCOMPARE(e.control->objectName(), QString::fromLatin1(e.name));
            QCOMPARE(spokenName(e.control), QString::fromLatin1(e.caption));
            QCOMPARE(twips::rect(e.control), e.rect);
        }
        for (int i = 0; i < 6; ++i) {
            QRadioButton* option = panel.optTrack[i];
            QCOMPARE(option->objectName(), QStringLiteral("optTrack(%1)").arg(i));
            QCOMPARE(option->text(), QString::number(i + 1));
            // read as what it chooses
            QVERIFY(spokenName(option).endsWith(QLatin1Char(' ') + option->text()));
            QCOMPARE(twips::rect(option), (twips::Rect{480.0 * i, 5760, 375, 255}));
            QCOMPARE(option->isChecked(), i == 0);
        }
    }

    void tracksFormOneGroupAndFocusRunsPlayTracksStop()
    {
        StartedApp s;
        frmGrizzley& panel = *s.app->existing<frmGrizzley>();
        panel.optTrack[4]->click();
        for (int i = 0; i < 6; ++i)
            QCOMPARE(panel.optTrack[i]->isChecked(), i == 4);

        QStringList chain;
        QWidget* w = panel.Command1;
        do {
            if (w->focusPolicy() & Qt::TabFocus && w->parentWidget() == &panel)
                chain << w->objectName();
            w = w->nextInFocusChain();
        } while (w != panel.Command1);
        QCOMPARE(chain, (QStringList{"Command1", "optTrack(0)", "optTrack(1)", "optTrack(2)", "optTrack(3)",
                                     "optTrack(4)", "optTrack(5)", "Command2"}));
    }

    void playStopsThenPlaysTheCheckedTrack_data()
    {
        QTest::addColumn<int>("option");
        for (int i = 0; i < 6; ++i)
            QTest::addRow("optTrack(%d)", i) << i;
    }

    void playStopsThenPlaysTheCheckedTrack()
    {
        QFETCH(int, option);
        StartedApp s;
        frmGrizzley& panel = *s.app->existing<frmGrizzley>();
        panel.optTrack[option]->click();
        panel.Command1->click();
        QCOMPARE(s.platform.sequencerPlayer.log, kStop + playing(option + 1));
        QVERIFY(s.platform.wavePlayer.log.isEmpty());
    }

    void playTwiceRestartsWithTheThenCheckedTrack()
    {
        StartedApp s;
        frmGrizzley& panel = *s.app->existing<frmGrizzley>();
        panel.Command1_Click();
        panel.Command1_Click();
        QCOMPARE(s.platform.sequencerPlayer.log, kStop + playing(1) + kStop + playing(1));

        s.platform.sequencerPlayer.log.clear();
        panel.optTrack[2]->click();
        // choosing a track alone sends nothing
        QVERIFY(s.platform.sequencerPlayer.log.isEmpty());
        panel.Command1_Click();
        QCOMPARE(s.platform.sequencerPlayer.log, kStop + playing(3));
    }

    void stopSendsStopAndCloseEvenBeforeAnyPlay()
    {
        StartedApp s;
        frmGrizzley& panel = *s.app->existing<frmGrizzley>();
        panel.Command2->click();
        QCOMPARE(s.platform.sequencerPlayer.log, kStop);
        QVERIFY(panel.Command1->isEnabled() && panel.Command2->isEnabled());

        panel.Command1->click();
        panel.Command2->click();
        QCOMPARE(s.platform.sequencerPlayer.log, kStop + kStop + playing(1) + kStop);
    }

    void musicGoesOnWhileAGameIsPlayed()
    {
        StartedApp s;
        frmGrizzley& panel = *s.app->existing<frmGrizzley>();
        panel.Command1_Click();
        s.platform.sequencerPlayer.log.clear();
        s.choose("cmdWar");
        s.app->existing<frmWar>()->cmdQuit_Click();
        StartedApp::settle();
        QVERIFY(s.platform.sequencerPlayer.log.isEmpty());
        QVERIFY(!panel.isHidden() && panel.isEnabled());
    }
};

CARDOVIA_TEST_MAIN(MusicPanelTest)
#include "test_music.moc"
