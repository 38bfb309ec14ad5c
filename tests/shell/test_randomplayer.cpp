// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A hundred thousand careless events on the real screens, in two halves
// from two seeds that CTest plays side by side: every rule that must always
// hold holds after each of them, every run of the application ends without a
// leak, and the player gets everywhere a player can (the halves' tallies
// together, which each half leaves beside the test).
//
// Two hundred more play through the real audio worker and module, as the
// bench's --real-audio mode does at length.
//
// The player forks a process for each run of the application, and a fork
// copies only the thread that makes it: the test starts this program again
// to play, away from QtTest's watchdog thread, whose memory a leak check in
// a forked child could not account for.

#include "support/randomplayer.h"
#include "support/testmain.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryFile>
#include <QtTest>

namespace {

// each half's
constexpr unsigned kSeeds[] = {2024, 2025};
// Each half's length, and the counters both together must reach: all of
// them. The five-game build plays short halves, too short to reach every
// end, and names what they must reach (tests/fifthgame/CMakeLists.txt).
#ifndef CARDOVIA_RANDOM_EVENTS
#define CARDOVIA_RANDOM_EVENTS 50000
#define CARDOVIA_RANDOM_REACHES ""
#endif
constexpr long kEvents = CARDOVIA_RANDOM_EVENTS;
// A short play whose screens reach the real players, for the smoke test.
constexpr unsigned kRealSeed = 2;
constexpr long kRealEvents = 200;

using randomplayer::Players;

// Where a half leaves its tally for the check over both.
QString tallyFile(unsigned seed)
{
    return QStringLiteral("randomplayer.seed%1.tally").arg(seed);
}

// Plays, and leaves the tally in `file` for the test.
int playInto(const QString& file, Players players, unsigned seed)
{
    if (players == Players::Real)
        qputenv("SDL_AUDIODRIVER", "dummy");
    randomplayer::Options options;
    options.players = players;
    const randomplayer::Result result = players == Players::Real ? randomplayer::play(seed, kRealEvents, options)
                                                                 : randomplayer::play(seed, kEvents);
    QFile out(file);
    out.open(QIODevice::WriteOnly);
    out.write(reinterpret_cast<const char*>(&result.tally), sizeof result.tally);
    out.write(result.failure.toUtf8());
    return 0;
}

} // namespace

class RandomPlayerTest : public QObject {
    Q_OBJECT

    // Plays from `seed` in a copy of this program, as `--play` or `--play-real`.
    static randomplayer::Result played(const char* mode, unsigned seed)
    {
        QTemporaryFile file;
        QProcess player;
        player.setProcessChannelMode(QProcess::ForwardedChannels);
        if (file.open()) {
            player.start(QCoreApplication::applicationFilePath(), {QLatin1String(mode), QString::number(seed), file.fileName()});
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
    void aHundredThousandCarelessEvents_data()
    {
        QTest::addColumn<unsigned>("seed");
        for (unsigned seed : kSeeds)
            QTest::addRow("seed%u", seed) << seed;
    }

    void aHundredThousandCarelessEvents()
    {
        using namespace randomplayer;
        QFETCH(unsigned, seed);
        QFile tally(tallyFile(seed));
        tally.remove();
        const Result result = played("--play", seed);
        QVERIFY2(result.failure.isEmpty(), qPrintable(result.failure));
        QCOMPARE(result.tally.events, kEvents);
        QVERIFY(tally.open(QIODevice::WriteOnly));
        tally.write(reinterpret_cast<const char*>(&result.tally), sizeof result.tally);
    }

    // Every way to end, every game's messages, and whatever else its driver
    // tallies, in the halves that this program played.
    void everywhereInBothHalves()
    {
        using namespace randomplayer;
        const QDateTime built = QFileInfo(QCoreApplication::applicationFilePath()).lastModified();
        Tally both;
        for (unsigned seed : kSeeds) {
            QFile file(tallyFile(seed));
            Tally half;
            QVERIFY2(QFileInfo(file).lastModified() >= built && file.open(QIODevice::ReadOnly) &&
                         file.read(reinterpret_cast<char*>(&half), sizeof half) == sizeof half,
                     qPrintable(QStringLiteral("no tally of the half from seed %1 since the build").arg(seed)));
            for (std::size_t i = 0; i < both.counts.size(); ++i)
                both.counts[i] += half.counts[i];
        }
        const QStringList names = counters();
        const QRegularExpression mustReach(QStringLiteral(CARDOVIA_RANDOM_REACHES));
        for (qsizetype i = 0; i < names.size(); ++i)
            QVERIFY2(both.counts[std::size_t(i)] > 0 || !mustReach.match(names[i]).hasMatch(),
                     qPrintable(names[i]));
    }

    // The bench's mode with the real audio worker, briefly: its run starts
    // the worker, which finds the module, and ends without a leak or a hang.
    void theRealPlayersAtRandom()
    {
        const randomplayer::Result result = played("--play-real", kRealSeed);
        QVERIFY2(result.failure.isEmpty(), qPrintable(result.failure));
        QCOMPARE(result.tally.events, kRealEvents);
        QVERIFY2(result.tally.audioRuns > 0, "the seed's events no longer reach the players: take another seed");
    }
};

static int randomPlayerMain(int argc, char** argv)
{
    QApplication application(argc, argv);
    if (argc == 4 && (QByteArray(argv[1]) == "--play" || QByteArray(argv[1]) == "--play-real"))
        return playInto(QString::fromLocal8Bit(argv[3]), QByteArray(argv[1]) == "--play" ? Players::Recording : Players::Real,
                        QByteArray(argv[2]).toUInt());
    RandomPlayerTest test;
    return QTest::qExec(&test, argc, argv);
}
CARDOVIA_TEST_ENTRY(RandomPlayerTest, randomPlayerMain)

#include "test_randomplayer.moc"
