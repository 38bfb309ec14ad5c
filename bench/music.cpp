// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What music costs: a track played for a while through the game's own
// players (loaded as the game loads them), or through a bare SDL2_mixer
// player with its FluidSynth back end, the yardstick; prints the processor
// time the process used while the track played.
//   SDL_AUDIODRIVER=dummy build/bench/bench_music game|bare [SECONDS] [TRACK]
// And how long the players' own commands take, on whatever thread runs them:
//   SDL_AUDIODRIVER=dummy build/bench/bench_music commands
// Run in build/data, or give the track's path.

#include "platform/sdlaudio.h"
#include "game.h"

#include <QElapsedTimer>
#include <QThread>
#include <SDL.h>
#include <SDL_mixer.h>
#include <cstdio>
#include <sys/resource.h>

namespace {

double cpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval& t) { return double(t.tv_sec) + double(t.tv_usec) / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// The time one player command takes, in milliseconds.
double timed(MediaPlayer& player, const char* word)
{
    QElapsedTimer clock;
    clock.start();
    player.setCommand(QString::fromLatin1(word));
    return double(clock.nsecsElapsed()) / 1e6;
}

// "open" and "prev" of the music, "open" of the fire sound, first and later.
void commands()
{
    SdlAudio audio;
    SdlPlayer music(audio, SdlPlayer::Device::Sequencer, {});
    SdlPlayer sound(audio, SdlPlayer::Device::WaveAudio, {});
    audio.ready();
    std::vector<double> opens, prevs, fires;
    for (int round = 0; round < 11; ++round) {
        music.setFileName(QStringLiteral("%1.mid").arg(round % 6 + 1));
        opens.push_back(timed(music, "open"));
        timed(music, "play");
        QThread::msleep(200);
        prevs.push_back(timed(music, "prev"));
        sound.setFileName(QStringLiteral("fire.wav"));
        fires.push_back(timed(sound, "open"));
        timed(sound, "play");
        QThread::msleep(100);
    }
    const auto report = [](const char* what, std::vector<double> times) {
        const double first = times.front();
        times.erase(times.begin());
        std::printf("%-28s first %7.2f ms, later median %6.2f ms\n", what, first, bench::median(times));
    };
    report("music \"open\" (6 tracks):", opens);
    report("music \"prev\" while playing:", prevs);
    report("fire.wav \"open\":", fires);
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    const QByteArray kind = argc > 1 ? QByteArray(argv[1]) : QByteArray("game");
    const int seconds = argc > 2 ? std::atoi(argv[2]) : 20;
    const QString track = argc > 3 ? QString::fromLocal8Bit(argv[3]) : QStringLiteral("1.mid");

    // The processor time of `seconds` once the track has been playing for one.
    const auto measure = [seconds] {
        QThread::sleep(1);
        const double before = cpuSeconds();
        QThread::sleep(seconds);
        return cpuSeconds() - before;
    };
    if (kind == "commands") {
        commands();
        return 0;
    }
    if (kind == "bare") {
        SDL_Init(SDL_INIT_AUDIO);
        Mix_OpenAudio(44100, AUDIO_S16SYS, 2, 1024);
        Mix_SetSoundFonts("/usr/share/sounds/sf2/TimGM6mb.sf2");
        Mix_Music* music = Mix_LoadMUS(QFile::encodeName(track).constData());
        Mix_PlayMusic(music, 0);
        const double used = measure();
        std::printf("bare player: %s, %.3f s of processor time in %d s (still playing: %s)\n", qPrintable(track),
                    used, seconds, Mix_PlayingMusic() ? "yes" : "no");
        Mix_FreeMusic(music);
        Mix_CloseAudio();
        SDL_Quit();
        return 0;
    }
    DesktopPlatform platform;
    platform.sequencer().playFile(track);
    const double used = measure();
    std::printf("game's player: %s, %.3f s of processor time in %d s\n", qPrintable(track), used, seconds);
    platform.sequencer().stopAndClose();
    return 0;
}
