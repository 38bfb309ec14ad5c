// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The music stream, fed to SDL_mixer's music hook. SDL_mixer's own MIDI back
// end reads the whole soundfont again for every song it loads, and cannot
// rewind one; this reads it once and starts each song on it afresh (song.h).
// Part of the audio module.

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <fluidsynth.h>
#include <memory>
#include <mutex>

class Song;

class Synth {
public:
    // Null, with a line that says why, when the mixer's output is closed or
    // FluidSynth or the soundfont cannot be had.
    static std::unique_ptr<Synth> make();
    ~Synth();
    Synth(const Synth&) = delete;
    Synth& operator=(const Synth&) = delete;

    // Plays the MIDI file `midi`, read from `path`, from its beginning,
    // ending whatever played.
    void start(const QString& path, const QByteArray& midi);
    void halt();
    bool playing() const;
    bool atBeginning() const;

private:
    Synth(int rate, int channels);
    static void mix(void* self, std::uint8_t* stream, int len);

    const int rate_;
    const int channels_;
    fluid_settings_t* settings_ = nullptr;
    fluid_synth_t* keeper_ = nullptr;
    fluid_sfont_t* sfont_ = nullptr;
    std::unique_ptr<Song> song_;  // playing, or played to its end
    mutable std::mutex mutex_;
};
