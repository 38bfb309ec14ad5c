// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
// How long a press of "Play some music." holds the user-interface thread:
// the game is started as usual and Play is pressed ten times, 600 ms apart,
// with the track changed now and then. The first press is the one that
// brings the sound in.
//   xvfb-run -a build/bench/bench_play          (SDL_AUDIODRIVER=dummy without a sound card)

#include "shell/frmgrizzley.h"
#include "game.h"

#include <QElapsedTimer>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <cstdio>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    bench::Game game;
    game.untilMenu();
    frmGrizzley& panel = *game.app.existing<frmGrizzley>();

    constexpr int kPresses = 10;
    std::vector<double> later;
    double first = 0;
    for (int press = 0; press < kPresses; ++press) {
        panel.optTrack[std::size_t(press / 3 % 6)]->setChecked(true);
        QElapsedTimer held;
        held.start();
        panel.Command1->click();
        const double ms = double(held.nsecsElapsed()) / 1e6;
        std::printf("press %2d: %7.2f ms  (sound libraries loaded: %s)\n", press + 1, ms,
                    bench::audioLibraries().isEmpty() ? "no" : "yes");
        if (press == 0)
            first = ms;
        else
            later.push_back(ms);
        // the music plays on while the event loop turns
        QEventLoop wait;
        QTimer::singleShot(600, &wait, &QEventLoop::quit);
        wait.exec();
    }
    std::vector<double> all = later;
    all.push_back(first);
    std::printf("first press %.2f ms, later presses median %.2f ms, median of all %d presses %.2f ms\n", first,
                bench::median(later), kPresses, bench::median(all));
    panel.Command2->click();
    return 0;
}
