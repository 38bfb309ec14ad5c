// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The media players of a desktop session: SDL2_mixer for the output and the
// wave sounds, FluidSynth for the MIDI music with Debian's General MIDI
// soundfont. Every failure (no device, a missing, empty or corrupt file, a
// command to a closed player) leaves the player silent and closed.
//
// They live in the audio module (audiomodule.h), the only part of the program
// that links SDL2_mixer and what stands behind it.

#include "platform/platform.h"
#include "platform/sdloutput.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <SDL_mixer.h>

// One player of the classic multimedia control. Its device semantics:
//   "open"  releases what was open, then loads FileName; a file is looked for
//           in the current directory first, then in each data folder in turn.
//   "play"  starts the open file from its beginning unless it is playing.
//   "prev"  goes back to the beginning; a playing file goes on from there.
//   "stop"  silences it; the file stays open, and "play" starts it afresh.
//   "close" stops and releases the file.
// A file plays once to its end. Unknown commands are ignored.
class SdlPlayer : public MediaPlayer {
public:
    enum class Device { Sequencer, WaveAudio };

    // The files the players take; a larger one is a bad file (closed and
    // silent, and the game goes on). Measured with bench_media (figures in
    // bench/README.md): a song is read whole when it starts, 1 MiB of notes
    // in about 15 ms and 15 MB; our tracks are under 16 KB, ordinary songs
    // under 1 MB. A 4 MiB song that starts all its notes at once held Stop
    // for 3 s before these limits.
    static constexpr qint64 kMaxSongBytes = 1 << 20;
    // A sound is converted to the output's format when it is opened: 30
    // seconds take up to 50 ms (8-bit mono at 8 kHz, the costliest to
    // convert; ten minutes of it took 0.8 s and 240 MB). A sound effect is a
    // second or two.
    static constexpr double kMaxSoundSeconds = 30;
    static constexpr qint64 kMaxSoundBytes = 8 << 20;

    // There is one Sequencer per SdlAudio: it has a single music stream.
    SdlPlayer(SdlAudio& audio, Device device, QStringList dataFolders);
    ~SdlPlayer() override;
    SdlPlayer(const SdlPlayer&) = delete;
    SdlPlayer& operator=(const SdlPlayer&) = delete;

    void setFileName(const QString& fileName) override;
    void setCommand(const QString& command) override;

    bool isOpen() const;
    bool isPlaying() const;

private:
    QString resolve() const;
    bool load();
    void release();
    void start();
    void halt();
    Mix_Chunk* decode();

    SdlAudio& audio_;
    Device device_;
    int opening_ = 0;  // the output's opening the open file was loaded for
    QStringList dataFolders_;
    QString fileName_;
    QString path_;  // the file that is open
    QByteArray song_;  // the open MIDI file
    Mix_Chunk* chunk_ = nullptr;  // the open wave, owned by the decoded one below
    int channel_ = -1;

    // The last wave decoded, kept while its file stays the same, so a sound
    // that is opened again and again is read and decoded only once.
    struct Decoded {
        QString path;
        qint64 size = -1;
        QDateTime modified;
        int opening = 0;
        Mix_Chunk* chunk = nullptr;
    } decoded_;
};
