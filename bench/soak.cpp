// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The music left playing for a long time, as a player who forgets it does,
// with the track changed every few seconds as the panel changes it (Stop,
// then the next track played): the players behind their real worker, on
// the output SDL is given. Each minute it prints the resident memory, the
// threads and the open file descriptors of the process and the processor
// time so far; at the end how far each moved after the first minute.
//   cd build/data && SDL_AUDIODRIVER=dummy ../bench/bench_soak [MINUTES] [SECONDS_PER_TRACK]
// (30 minutes and 10 seconds unless told).

#include "platform/audioworker.h"
#include "platform/datafolders.h"
#include "process.h"

#include <QCoreApplication>
#include <QDir>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <sys/resource.h>
#include <thread>

namespace {

struct Sample {
    long rssKb = 0;
    long threads = 0;
    long descriptors = 0;
};

Sample sample()
{
    return {bench::statusKb("VmRSS"), bench::statusKb("Threads"),
            long(QDir(QStringLiteral("/proc/self/fd")).entryList(QDir::Files | QDir::System).size())};
}

double processorSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    const int minutes = argc > 1 ? std::max(2, std::atoi(argv[1])) : 30;
    const int perTrack = argc > 2 ? std::max(1, std::atoi(argv[2])) : 10;
    AudioWorker worker({QCoreApplication::applicationDirPath() + QStringLiteral("/cardovia-audio.so")}, dataFolders());
    MediaPlayer& music = worker.sequencer();

    std::printf("%d minutes, a track change every %d s\n minute  RSS kB  threads  fds  processor s\n", minutes,
                perTrack);
    const auto start = std::chrono::steady_clock::now();
    Sample first;
    Sample low;
    Sample high;
    for (int change = 0, minute = 0; minute < minutes; ++change) {
        music.stopAndClose();
        music.playFile(QStringLiteral("%1.mid").arg(change % 6 + 1));
        std::this_thread::sleep_until(start + std::chrono::seconds((change + 1) * perTrack));
        if ((change + 1) * perTrack < (minute + 1) * 60)
            continue;
        ++minute;
        const Sample now = sample();
        std::printf("%7d  %6ld  %7ld  %3ld  %11.2f\n", minute, now.rssKb, now.threads, now.descriptors,
                    processorSeconds());
        std::fflush(stdout);
        if (minute == 1)
            first = low = high = now;
        low = {std::min(low.rssKb, now.rssKb), std::min(low.threads, now.threads),
               std::min(low.descriptors, now.descriptors)};
        high = {std::max(high.rssKb, now.rssKb), std::max(high.threads, now.threads),
                std::max(high.descriptors, now.descriptors)};
    }
    music.stopAndClose();
    worker.finish();
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("after the first minute: RSS %ld to %ld kB (at most %+ld kB from minute 1), threads %ld to %ld, "
                "fds %ld to %ld\nprocessor time %.1f s in %.0f s (%.2f %% of one core)\n",
                low.rssKb, high.rssKb, high.rssKb - first.rssKb, low.threads, high.threads, low.descriptors,
                high.descriptors, processorSeconds(), seconds, 100 * processorSeconds() / seconds);
    return 0;
}
