// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What a zoom change costs: the busiest screen, Bingo with both cards dealt,
// laid out and repainted anew from 100 % to 250 % and back; and the repaint
// of one step of War's slide at 300 %. Run it on a display large enough for
// a 300 % frame, e.g.:
//   xvfb-run -a -s "-screen 0 2560x1600x24" build/bench/bench_zoom

#include "bingo/frmbingo.h"
#include "platform/desktopplatform.h"
#include "shell/cardovia.h"
#include "shell/frmloading.h"
#include "shell/frmmain.h"
#include "shell/frmmainmenu.h"
#include "shell/games.h"
#include "war/frmwar.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QStandardPaths>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

struct Figures {
    double median;
    double worst;
};

Figures figures(std::vector<double> ms)
{
    std::sort(ms.begin(), ms.end());
    return {ms[ms.size() / 2], ms.back()};
}

// The frame at `zoom` as the zoom keys leave it: its window fitted round the
// screens, every control laid out anew, all of it painted before returning.
double zoomTo(frmMain& main, double zoom)
{
    QElapsedTimer clock;
    clock.start();
    main.zoomTo(zoom);
    // the window system answers the frame's new size
    QWidget* green = main.clientArea()->parentWidget();
    while (green->size() != main.clientArea()->size() && clock.elapsed() < 1000)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
    main.repaint();
    return clock.nsecsElapsed() / 1e6;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    // The zoom keys remember their zoom: in Qt's test folder, not the player's settings.
    QStandardPaths::setTestModeEnabled(true);
    DesktopPlatform platform;
    Cardovia app(platform);
    app.start();
    while (app.existing<frmLoading>())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    frmMain& main = app.main();

    app.existing<frmMainMenu>()->cmdGame_Click(*games::named("cmdBingo"));
    frmBingo& bingo = *app.existing<frmBingo>();
    bingo.cmdOkay_Click();
    bingo.tmrBall_Timer();
    QCoreApplication::processEvents();

    constexpr int kRounds = 10;
    std::vector<double> up, down;
    for (int round = 0; round < kRounds; ++round) {
        up.push_back(zoomTo(main, 2.5));
        if (twips::zoom() != 2.5) {
            std::printf("The screen has no room for a 250 %% frame; run on a larger one.\n");
            return 1;
        }
        down.push_back(zoomTo(main, 1.0));
    }
    const Figures in = figures(up), out = figures(down);
    std::printf("Bingo, zoom 100 %% -> 250 %%: median %.1f ms, worst %.1f ms (%d changes)\n", in.median, in.worst,
                kRounds);
    std::printf("Bingo, zoom 250 %% -> 100 %%: median %.1f ms, worst %.1f ms\n", out.median, out.worst);
    bingo.cmdQuit_Click();

    app.existing<frmMainMenu>()->cmdGame_Click(*games::named("cmdWar"));
    frmWar& war = *app.existing<frmWar>();
    war.cmdStart_Click();
    while (war.sliding())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    zoomTo(main, 3.0);
    // Grizzle's card slid out again, each step as the slide's timer takes it
    // and the event loop then paints it, without the pauses between steps
    std::vector<double> steps;
    for (int slide = 0; slide < 5; ++slide) {
        for (int i = 0; i < frmWar::kSlideSteps; ++i) {
            QElapsedTimer clock;
            clock.start();
            if (i == 0)
                war.movedcard([] {});
            else
                war.tmrSlide_Timer();
            // what the move left to paint, painted now
            war.piccard1->repaint();
            steps.push_back(clock.nsecsElapsed() / 1e6);
        }
        war.tmrSlide_Timer();  // the card lands
    }
    const Figures step = figures(steps);
    std::printf("War at %.0f %%, one slide step's repaint: median %.2f ms, worst %.2f ms (%zu steps)\n",
                twips::zoom() * 100, step.median, step.worst, steps.size());
    return 0;
}
