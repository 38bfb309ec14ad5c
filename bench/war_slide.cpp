// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
// War's slide on the real platform: when each of a slide's 40 steps reached
// the screen, and how many of them a display refreshing at the screen's rate
// (and at 60 Hz) shows, whatever the phase of its refresh. Run under a
// display (Xvfb, or offscreen):
//   xvfb-run -a build/bench/bench_war_slide

#include "shell/frmmainmenu.h"
#include "shell/games.h"
#include "war/frmwar.h"
#include "game.h"

#include <QElapsedTimer>
#include <QScreen>
#include <cstdio>

namespace {

// The desktop platform, noting when each step's picture was sent.
class Timed : public DesktopPlatform {
public:
    void waitFrame(const QWidget& widget) override
    {
        sent.push_back(double(clock.nsecsElapsed()) / 1e6);
        DesktopPlatform::waitFrame(widget);
    }
    QElapsedTimer clock;
    std::vector<double> sent;  // ms
};

// How many different steps a display refreshing every `period` ms shows, at
// the worst phase of its refresh: a refresh shows the last step sent before it.
int framesSeen(const std::vector<double>& sent, double period)
{
    int worst = int(sent.size());
    for (int phase = 0; phase < 200; ++phase) {
        int seen = 0;
        std::size_t step = 0;
        int shown = -1;
        for (double refresh = sent.front() + period * phase / 200; step < sent.size(); refresh += period) {
            while (step < sent.size() && sent[step] < refresh)
                ++step;
            if (int(step) - 1 != shown) {
                shown = int(step) - 1;
                ++seen;
            }
        }
        worst = std::min(worst, seen);
    }
    return worst;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    Timed platform;
    Cardovia app(platform);
    app.start();
    while (app.existing<frmLoading>())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    app.existing<frmMainMenu>()->cmdGame_Click(*games::named("cmdWar"));
    frmWar& war = *app.existing<frmWar>();
    const double rate = war.screen()->refreshRate();
    std::printf("screen refresh rate %.2f Hz\n", rate);

    constexpr int kSlides = 6;
    std::vector<double> durations;
    platform.clock.start();
    for (int slide = 0; slide < kSlides; ++slide) {
        platform.sent.clear();
        QElapsedTimer took;
        took.start();
        if (slide == 0)
            war.cmdStart_Click();
        else if (slide % 2)
            war.picYourCards_Click();
        else
            war.cmdContinue_Click();
        const double ms = double(took.nsecsElapsed()) / 1e6;
        const std::vector<double>& s = platform.sent;
        double shortest = 1e9;
        for (std::size_t i = 1; i < s.size(); ++i)
            shortest = std::min(shortest, s[i] - s[i - 1]);
        std::printf("slide %d: %zu steps in %.1f ms (%.1f frames at %.0f Hz), steps %.2f ms apart at least; "
                    "seen at %.0f Hz: %d, at 60 Hz: %d\n",
                    slide + 1, s.size(), ms, ms * rate / 1000, rate, shortest, rate, framesSeen(s, 1000 / rate),
                    framesSeen(s, 1000.0 / 60));
        durations.push_back(ms);
    }
    std::printf("median slide %.1f ms\n", bench::median(durations));
    return 0;
}
