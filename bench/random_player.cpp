// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The careless player of tests/support/randomplayer.h for as long as you
// like: it plays EVENTS events (a million unless told) from SEED and prints
// what it reached and how long it took; a broken rule stops it with the seed
// and the event that replay it.
//   build-test/bench/bench_random_player [EVENTS] [SEED] [--real-audio]
// Built where the tests are built (./test.sh), with the sanitizers.
//
// With --real-audio the screens' players pass every command on to the real
// audio worker and module, on SDL's dummy output, so the music panel, Fire &
// Ice's sound and every other use of the players reach them at random; each
// run starts its worker and stops it at its end.

#include "support/randomplayer.h"

#include <QApplication>
#include <QElapsedTimer>
#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QStringList args = application.arguments().mid(1);
    const bool realAudio = args.removeAll(QStringLiteral("--real-audio")) > 0;
    // never a sound card's output: the commands are random
    if (realAudio)
        qputenv("SDL_AUDIODRIVER", "dummy");
    const long events = !args.isEmpty() ? args[0].toLong() : 1000000;
    const unsigned seed = args.size() > 1 ? args[1].toUInt() : 1;
    QElapsedTimer clock;
    clock.start();
    randomplayer::Options options;
    options.players = realAudio ? randomplayer::Players::Real : randomplayer::Players::Recording;
    const randomplayer::Result result = randomplayer::play(seed, events, options);
    std::printf("seed %u: %s%.1f s\n", seed, qPrintable(randomplayer::describe(result.tally)),
                double(clock.elapsed()) / 1000.0);
    if (!result.failure.isEmpty()) {
        std::printf("FAILED: %s\n", qPrintable(result.failure));
        return 1;
    }
    return 0;
}
