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

// Notes when each step of a slide was painted: the first paint of a card in
// play at each place it takes while it slides.
class StepTimes : public QObject {
public:
    explicit StepTimes(const frmWar& war) : war_(war)
    {
        for (QWidget* card : {war.piccard1, war.piccard2})
            card->installEventFilter(this);
        clock.start();
    }
    QElapsedTimer clock;
    std::vector<double> sent;  // ms

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        const auto* card = static_cast<QWidget*>(watched);
        if (event->type() == QEvent::Paint && war_.sliding() && card->pos() != last_) {
            last_ = card->pos();
            sent.push_back(double(clock.nsecsElapsed()) / 1e6);
        }
        return false;
    }

private:
    const frmWar& war_;
    QPoint last_;
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
    DesktopPlatform platform;
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
    StepTimes steps(war);
    for (int slide = 0; slide < kSlides; ++slide) {
        steps.sent.clear();
        QElapsedTimer took;
        took.start();
        if (slide == 0)
            war.cmdStart_Click();
        else if (slide % 2)
            war.picYourCards_Click();
        else
            war.cmdContinue_Click();
        // until the card has landed and what follows has run
        while (war.sliding())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        const double ms = double(took.nsecsElapsed()) / 1e6;
        const std::vector<double>& s = steps.sent;
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
