// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A hundred thousand careless events on the real screens: every rule that
// must always hold holds after each of them, every run of the application
// ends without a leak, and the player gets everywhere a player can.
//
// Two hundred more play through the real audio worker and module, as the
// bench's --real-audio mode does at length.
//
// The player forks a process for each run of the application, and a fork
// copies only the thread that makes it: the test starts this program again
// to play, away from QtTest's watchdog thread, whose memory a leak check in
// a forked child could not account for.

#include "support/randomplayer.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryFile>
#include <QtTest>

namespace {

constexpr unsigned kSeed = 2024;
// The play's length, and the counters it must reach: all of them. The
// five-game build plays a short run, too short to reach every end, and names
// what it must reach (tests/fifthgame/CMakeLists.txt).
#ifndef CARDOVIA_RANDOM_EVENTS
#define CARDOVIA_RANDOM_EVENTS 100000
#define CARDOVIA_RANDOM_REACHES ""
#endif
constexpr long kEvents = CARDOVIA_RANDOM_EVENTS;
// A short play whose screens reach the real players, for the smoke test.
constexpr unsigned kRealSeed = 2;
constexpr long kRealEvents = 200;

using randomplayer::Players;

// Plays, and leaves the tally in `file` for the test.
int playInto(const QString& file, Players players)
{
    if (players == Players::Real)
        qputenv("SDL_AUDIODRIVER", "dummy");
    randomplayer::Options options;
    options.players = players;
    const randomplayer::Result result = players == Players::Real ? randomplayer::play(kRealSeed, kRealEvents, options)
                                                                 : randomplayer::play(kSeed, kEvents);
    QFile out(file);
    out.open(QIODevice::WriteOnly);
    out.write(reinterpret_cast<const char*>(&result.tally), sizeof result.tally);
    out.write(result.failure.toUtf8());
    return 0;
}

} // namespace

class RandomPlayerTest : public QObject {
    Q_OBJECT

    // Plays in a copy of this program, as `--play` or `--play-real`.
    static randomplayer::Result played(const char* mode)
    {
        QTemporaryFile file;
        QProcess player;
        player.setProcessChannelMode(QProcess::ForwardedChannels);
        if (file.open()) {
            player.start(QCoreApplication::applicationFilePath(), {QLatin1String(mode), file.fileName()});
            player.waitForFinished(-1);
        }
        randomplayer::Result result;
        const QByteArray written = file.readAll();
        if (player.exitStatus() != QProcess::NormalExit || player.exitCode() != 0 ||
            written.size() < qsizetype(sizeof result.tally))
            return {{}, QStringLiteral("the player's copy of the program failed")};
        std::memcpy(&result.tally, written.constData(), sizeof result.tally);
        result.failure = QString::fromUtf8(written.mid(sizeof result.tally));
        qInfo().noquote() << randomplayer::describe(result.tally);
        return result;
    }

private slots:
    void aHundredThousandCarelessEvents()
    {
        using namespace randomplayer;
        const Result result = played("--play");
        QVERIFY2(result.failure.isEmpty(), qPrintable(result.failure));
        QCOMPARE(result.tally.events, kEvents);
        // every way to end, every game's messages, and whatever else its driver tallies
        const QStringList names = counters();
        const QRegularExpression mustReach(QStringLiteral(CARDOVIA_RANDOM_REACHES));
        for (qsizetype i = 0; i < names.size(); ++i)
            QVERIFY2(result.tally.counts[std::size_t(i)] > 0 || !mustReach.match(names[i]).hasMatch(),
                     qPrintable(names[i]));
    }

    // The bench's mode with the real audio worker, briefly: its run starts
    // the worker, which finds the module, and ends without a leak or a hang.
    void theRealPlayersAtRandom()
    {
        const randomplayer::Result result = played("--play-real");
        QVERIFY2(result.failure.isEmpty(), qPrintable(result.failure));
        QCOMPARE(result.tally.events, kRealEvents);
        QVERIFY2(result.tally.audioRuns > 0, "the seed's events no longer reach the players: take another seed");
    }
};

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    if (argc == 3 && (QByteArray(argv[1]) == "--play" || QByteArray(argv[1]) == "--play-real"))
        return playInto(QString::fromLocal8Bit(argv[2]), QByteArray(argv[1]) == "--play" ? Players::Recording : Players::Real);
    RandomPlayerTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_randomplayer.moc"
