// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A hundred thousand careless events on the real screens: every rule that
// must always hold holds after each of them, every run of the application
// ends without a leak, and the player gets everywhere a player can.
//
// The player forks a process for each run of the application, and a fork
// copies only the thread that makes it: the test starts this program again
// to play, away from QtTest's watchdog thread, whose memory a leak check in
// a forked child could not account for.

#include "support/randomplayer.h"

#include <QProcess>
#include <QTemporaryFile>
#include <QtTest>

namespace {

constexpr unsigned kSeed = 2024;
constexpr long kEvents = 100000;

// Plays, and leaves the tally in `file` for the test.
int playInto(const QString& file)
{
    const randomplayer::Result result = randomplayer::play(kSeed, kEvents);
    QFile out(file);
    out.open(QIODevice::WriteOnly);
    out.write(reinterpret_cast<const char*>(&result.tally), sizeof result.tally);
    out.write(result.failure.toUtf8());
    return 0;
}

} // namespace

class RandomPlayerTest : public QObject {
    Q_OBJECT

private slots:
    void aHundredThousandCarelessEvents()
    {
        QTemporaryFile file;
        QVERIFY(file.open());
        QProcess player;
        player.setProcessChannelMode(QProcess::ForwardedChannels);
        player.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--play"), file.fileName()});
        QVERIFY(player.waitForFinished(-1));
        QCOMPARE(player.exitStatus(), QProcess::NormalExit);
        QCOMPARE(player.exitCode(), 0);

        using namespace randomplayer;
        const QByteArray written = file.readAll();
        QVERIFY(written.size() >= qsizetype(sizeof(Tally)));
        Tally tally;
        std::memcpy(&tally, written.constData(), sizeof tally);
        const QString failure = QString::fromUtf8(written.mid(sizeof tally));
        qInfo().noquote() << describe(tally);
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
        QCOMPARE(tally.events, kEvents);
        // every way to end, every game's messages, and whatever else its driver tallies
        const QStringList names = counters();
        for (qsizetype i = 0; i < names.size(); ++i)
            QVERIFY2(tally.counts[std::size_t(i)] > 0, qPrintable(names[i]));
    }
};

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    if (argc == 3 && QByteArray(argv[1]) == "--play")
        return playInto(QString::fromLocal8Bit(argv[2]));
    RandomPlayerTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_randomplayer.moc"
