// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The players of a desktop session behind their worker: no sound library is
// in the process before the first "open", the commands given meanwhile are
// carried out in order once the module is in, without the module the game
// stays silent, and no file holds up Stop, Play or the end of the game.

#include "platform/audioworker.h"
#include "platform/desktopplatform.h"
#include "platform/sdlaudio.h"
#include "support/bounds.h"
#include "support/logged.h"
#include "support/sound.h"
#include "support/testmain.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QtTest>
#include <cstdio>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

const QStringList kData{QStringLiteral(CARDOVIA_TEST_DATA)};

// The module's copy beside the tests, where the desktop platform looks too.
QString module()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/cardovia-audio.so");
}

void play(MediaPlayer& player, const QString& file)
{
    player.setFileName(file);
    for (const char* word : {"open", "play", "prev"})
        player.setCommand(QString::fromLatin1(word));
}

// The heaviest files the players take: the largest song, all of whose notes
// start at once, and the longest sound in the format that costs most to
// convert.
struct HeavyFiles {
    QTemporaryDir dir;
    QString song = dir.filePath(QStringLiteral("dense.mid"));
    QString sound = dir.filePath(QStringLiteral("long.wav"));

    HeavyFiles()
    {
        for (const auto& [path, bytes] : {std::pair{song, denseMidi(SdlPlayer::kMaxSongBytes)},
                                           std::pair{sound, waveFile(SdlPlayer::kMaxSoundSeconds - 1, 8000, 1, 8)}}) {
            QFile f(path);
            f.open(QIODevice::WriteOnly);
            f.write(bytes);
        }
    }
};

// The milliseconds the calling thread spends on it.
qint64 held(const std::function<void()>& what)
{
    QElapsedTimer clock;
    clock.start();
    what();
    return clock.elapsed();
}

// The promise to the player: a press is answered within a tenth of a second.
constexpr qint64 kPrompt = 100 * kSlowdown;

} // namespace

class AudioWorkerTest : public QObject {
    Q_OBJECT

private slots:
    // First of all: once in, the libraries stay for the rest of the process.
    void theSoundLibrariesLoadWithTheFirstOpen()
    {
        QVERIFY2(QFile::exists(module()), qPrintable(module()));
        QCOMPARE(soundLibraries(), QStringList());
        // asking which libraries are in use loads none
        QCOMPARE(DesktopPlatform().audioLibraries(), QString());
        DiskOutput disk;
        AudioWorker worker({module()}, kData);
        for (MediaPlayer* player : {&worker.sequencer(), &worker.waveAudio()}) {
            player->setFileName(QStringLiteral("1.mid"));
            for (const char* word : {"stop", "close", "play", "prev", "eject", " Stop "})
                player->setCommand(QString::fromLatin1(word));
        }
        worker.finish();
        QCOMPARE(soundLibraries(), QStringList());
        QCOMPARE(worker.libraries(), QString());

        play(worker.sequencer(), QStringLiteral("1.mid"));
        worker.finish();
        QCOMPARE(soundLibraries(), (QStringList{"cardovia-audio.so", "libSDL2", "libfluidsynth", "libasound"}));
        QVERIFY2(QRegularExpression(QStringLiteral("^SDL2_mixer \\d+\\.\\d+\\.\\d+, FluidSynth \\d+\\.\\d+"))
                     .match(worker.libraries())
                     .hasMatch(),
                 qPrintable(worker.libraries()));
        QVERIFY(disk.rmsOver(800) > 300.0);
        worker.sequencer().stopAndClose();
        worker.finish();
        QVERIFY(disk.rmsOver(300) < 1.0);
    }

    void commandsGivenWhileItLoadsAreCarriedOutInOrder()
    {
        DiskOutput disk;
        // Play, then Stop before the output is even open: silence
        AudioWorker worker({module()}, kData);
        play(worker.sequencer(), QStringLiteral("1.mid"));
        worker.sequencer().stopAndClose();
        worker.finish();
        QVERIFY(disk.rmsOver(400) < 1.0);

        // Stop, then Play: music; a second Play at once plays on
        worker.sequencer().stopAndClose();
        play(worker.sequencer(), QStringLiteral("2.mid"));
        worker.sequencer().stopAndClose();
        play(worker.sequencer(), QStringLiteral("4.mid"));
        worker.finish();
        QVERIFY(disk.rmsOver(800) > 300.0);
    }

    void withoutTheModuleTheGameStaysSilent()
    {
        QTemporaryFile notALibrary;
        QVERIFY(notALibrary.open());
        notALibrary.write("not a library");
        notALibrary.close();
        DiskOutput disk;
        const Logged logged;
        AudioWorker worker({QStringLiteral("/nonexistent/cardovia-audio.so"), notALibrary.fileName()}, kData);
        for (int i = 0; i < 3; ++i) {
            play(worker.sequencer(), QStringLiteral("1.mid"));
            play(worker.waveAudio(), QStringLiteral("fire.wav"));
            worker.sequencer().stopAndClose();
        }
        worker.finish();
        // the output never opened, and a player who asks is told why
        QCOMPARE(disk.mark(), 0);
        QVERIFY(logged.says("cardovia.audio", {"no audio module at", "/nonexistent/cardovia-audio.so"}));
        QVERIFY(logged.says("cardovia.audio", {notALibrary.fileName(), "refused"}));
        QVERIFY(worker.libraries().contains(QStringLiteral("could not be loaded")));
    }

    void theHeaviestSongNeverHoldsUpStopOrPlay()
    {
        useDriver("dummy");
        HeavyFiles heavy;
        AudioWorker worker({module()}, kData);
        // the first open brings the sound in; that is no file's doing
        play(worker.sequencer(), QStringLiteral("1.mid"));
        worker.finish();

        MediaPlayer& music = worker.sequencer();
        // Play, as the panel's button gives it: the press returns at once
        QVERIFY(held([&] {
                    music.stopAndClose();
                    play(music, heavy.song);
                }) < kPrompt);
        worker.finish();
        QThread::msleep(150);  // after its notes have started
        // Stop returns at once, and the music has stopped within the tenth
        const qint64 stopped = held([&] {
            QVERIFY(held([&] { music.stopAndClose(); }) < kPrompt);
            worker.finish();
        });
        QVERIFY2(stopped < kPrompt, qPrintable(QString::number(stopped)));
        // the presses return at once while the worker decodes and reads
        QVERIFY(held([&] {
                    play(worker.waveAudio(), heavy.sound);
                    play(music, heavy.song);
                    music.stopAndClose();
                    play(music, heavy.song);
                }) < kPrompt);
    }

    void theGameEndsAtOnceWhateverTheSoundIsDoing()
    {
        // The game is this program started again (see endWhileBusy), with
        // posix_spawn: after a fork, or QProcess's clone, of a process with
        // threads ThreadSanitizer gives up on it.
        int told[2];
        QCOMPARE(pipe2(told, O_CLOEXEC), 0);
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, told[1], STDOUT_FILENO);
        const QByteArray program = QFile::encodeName(QCoreApplication::applicationFilePath());
        char* argv[] = {const_cast<char*>(program.constData()), const_cast<char*>("--end-while-busy"), nullptr};
        pid_t game = 0;
        const int spawned = posix_spawn(&game, program.constData(), &actions, nullptr, argv, environ);
        posix_spawn_file_actions_destroy(&actions);
        // the game holds the only end that writes: one that ends early closes it unwritten
        close(told[1]);
        const bool reached = spawned == 0 && awaitByte(told[0], 20000);
        close(told[0]);
        QCOMPARE(spawned, 0);
        QElapsedTimer clock;
        clock.start();
        const int status = awaitChild(game, 20000);
        const qint64 ended = clock.elapsed();
        QVERIFY2(reached, "the game ended, or hung, before it was told to end");
        QVERIFY(status >= 0 && WIFEXITED(status) && WEXITSTATUS(status) == 0);
        QVERIFY2(ended < kPrompt, qPrintable(QString::number(ended)));
    }

    void leavingWhileItLoadsDoesNotWait()
    {
        useDriver("dummy");
        for (int i = 0; i < 3; ++i) {
            AudioWorker worker({module()}, kData);
            play(worker.sequencer(), QStringLiteral("3.mid"));
            play(worker.waveAudio(), QStringLiteral("fire.wav"));
        }
    }
};

// The game in a process of its own, ended as the game ends when its window
// closes, while the worker is at the heaviest work it has. It says on its
// standard output when it is told to end.
[[noreturn]] void endWhileBusy()
{
    useDriver("dummy");
    HeavyFiles heavy;
    DesktopPlatform platform;
    platform.sequencer().playFile(heavy.song);
    QThread::msleep(300);
    // decoding the longest sound in the costliest format
    platform.waveAudio().playFile(heavy.sound);
    QThread::msleep(5);
    std::puts("ending");
    std::fflush(stdout);
    platform.End();
}

static int audioWorkerMain(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    if (argc == 2 && QByteArray(argv[1]) == "--end-while-busy")
        endWhileBusy();
    AudioWorkerTest test;
    return QTest::qExec(&test, argc, argv);
}
CARDOVIA_TEST_ENTRY(AudioWorkerTest, audioWorkerMain)
#include "test_audioworker.moc"
