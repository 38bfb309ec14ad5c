// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The careless player of tests/support/randomplayer.h for as long as you
// like: it plays EVENTS events (a million unless told) from SEED and prints
// what it reached and how long it took; a broken rule stops it with the seed
// and the event that replay it.
//   build-test/bench/bench_random_player [EVENTS] [SEED]
// Built where the tests are built (./test.sh), with the sanitizers.

#include "support/randomplayer.h"

#include <QApplication>
#include <QElapsedTimer>
#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const long events = argc > 1 ? std::atol(argv[1]) : 1000000;
    const unsigned seed = argc > 2 ? unsigned(std::strtoul(argv[2], nullptr, 10)) : 1;
    QElapsedTimer clock;
    clock.start();
    const randomplayer::Result result = randomplayer::play(seed, events);
    std::printf("seed %u: %s%.1f s\n", seed, qPrintable(randomplayer::describe(result.tally)),
                double(clock.elapsed()) / 1000.0);
    if (!result.failure.isEmpty()) {
        std::printf("FAILED: %s\n", qPrintable(result.failure));
        return 1;
    }
    return 0;
}
