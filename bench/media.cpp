// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
// How long the players' commands hold the thread that gives them (the audio
// worker's) with files that ask a lot: songs whose notes all start at once,
// of 16 KiB to 4 MiB, and long sounds in the formats that cost most to
// convert. For each file: "open", "play", then "stop", "close" and the end of
// the players given 0 to 100 ms after "play" (the worst of them is shown),
// and the process's peak memory.
//   SDL_AUDIODRIVER=dummy build-test/bench/bench_media
// Built where the tests are built: the files are the tests' own.

#include "platform/sdlaudio.h"
#include "support/sound.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>
#include <algorithm>
#include <cstdio>
#include <memory>
#include <sys/resource.h>

namespace {

double timed(const std::function<void()>& what)
{
    QElapsedTimer clock;
    clock.start();
    what();
    return double(clock.nsecsElapsed()) / 1e6;
}

long peakMegabytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024;
}

struct Waits {
    double open = 0, play = 0, stop = 0, close = 0, end = 0;
    bool opened = false;
};

// The file played on a fresh output, stopped `after` ms into it.
Waits once(const QString& path, SdlPlayer::Device device, int after)
{
    Waits w;
    auto audio = std::make_unique<SdlAudio>();
    auto player = std::make_unique<SdlPlayer>(*audio, device, QStringList{});
    audio->ready();
    if (device == SdlPlayer::Device::Sequencer)
        audio->synth();  // the soundfont is read before, as by the game's first track
    player->setFileName(path);
    w.open = timed([&] { player->setCommand(QStringLiteral("open")); });
    w.opened = player->isOpen();
    w.play = timed([&] {
        player->setCommand(QStringLiteral("play"));
        player->setCommand(QStringLiteral("prev"));
    });
    QThread::msleep(after);
    w.stop = timed([&] { player->setCommand(QStringLiteral("stop")); });
    w.close = timed([&] { player->setCommand(QStringLiteral("close")); });
    player->setCommand(QStringLiteral("open"));
    player->setCommand(QStringLiteral("play"));
    QThread::msleep(after);
    w.end = timed([&] {
        player.reset();
        audio.reset();
    });
    return w;
}

void measure(const char* what, const QByteArray& bytes, SdlPlayer::Device device, const QTemporaryDir& dir)
{
    const QString path = dir.filePath(QStringLiteral("file"));
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
    file.close();
    Waits worst;
    for (int after : {0, 5, 20, 50, 100}) {
        const Waits w = once(path, device, after);
        worst.opened = w.opened;
        worst.open = std::max(worst.open, w.open);
        worst.play = std::max(worst.play, w.play);
        worst.stop = std::max(worst.stop, w.stop);
        worst.close = std::max(worst.close, w.close);
        worst.end = std::max(worst.end, w.end);
    }
    std::printf("%-34s %9lld  %-6s %7.1f %7.1f %7.1f %7.1f %7.1f %7ld\n", what, qlonglong(bytes.size()),
                worst.opened ? "yes" : "no", worst.open, worst.play, worst.stop, worst.close, worst.end, peakMegabytes());
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    QTemporaryDir dir;
    std::printf("%-34s %9s  %-6s %7s %7s %7s %7s %7s %7s\n", "file", "bytes", "opens", "open", "play", "stop", "close",
                "end", "peak MB");
    std::printf("%-34s %9s  %-6s %7s %7s %7s %7s %7s\n", "", "", "", "ms", "ms", "ms", "ms", "ms");
    for (qsizetype kib : {16, 64, 256, 1024, 1025, 4096}) {
        const QByteArray song = denseMidi(kib * 1024);
        measure(qPrintable(QStringLiteral("song, all notes at once, %1 KiB").arg(kib)), song,
                SdlPlayer::Device::Sequencer, dir);
    }
    struct Sound {
        const char* what;
        double seconds;
        int rate, channels, bits;
    };
    for (const Sound& s : {Sound{"sound 8 kHz 8-bit mono, 29 s", 29, 8000, 1, 8},
                           Sound{"sound 8 kHz 8-bit mono, 31 s", 31, 8000, 1, 8},
                           Sound{"sound 44.1 kHz 16-bit stereo, 29 s", 29, 44100, 2, 16},
                           Sound{"sound 96 kHz 16-bit stereo, 21 s", 21, 96000, 2, 16},
                           Sound{"sound 8 kHz 8-bit mono, 10 min", 600, 8000, 1, 8}})
        measure(s.what, waveFile(s.seconds, s.rate, s.channels, s.bits), SdlPlayer::Device::WaveAudio, dir);
    return 0;
}
