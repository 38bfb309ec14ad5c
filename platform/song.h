// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A song on a synthesiser of its own that shares the loaded soundfont: every
// start begins in the same silence, with no voice, reverb or chorus of what
// played before, and so sounds the same each time. Part of the audio module.

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <fluidsynth.h>
#include <memory>
#include <vector>

class Song {
public:
    // Starts the MIDI file `midi`, read from `path`, and makes its first
    // piece. Null, with a line that names the file and why, when FluidSynth
    // cannot make it or finds no music in the file.
    static std::unique_ptr<Song> make(const QString& path, const QByteArray& midi, int rate, int channels,
                                      fluid_sfont_t* sfont);
    ~Song();
    Song(const Song&) = delete;
    Song& operator=(const Song&) = delete;

    bool playing() const;
    // The output has taken none of it yet.
    bool untouched() const { return leadPlayed_ == 0; }
    // The next `frames` frames of the song, interleaved 16-bit samples.
    void render(std::int16_t* out, int frames);

    // FluidSynth writes its errors to standard error; from now on each
    // thread keeps its last one instead, to tell why a song or the
    // soundfont failed.
    static void keepErrors();
    static void forgetError();
    // What FluidSynth could not do, with the last error it gave on this
    // thread since forgetError, where it gave one.
    static QString failure(const QString& what);

private:
    // FluidSynth's own block: its sound is the same however it is cut up.
    static constexpr int kLeadFrames = 64;

    Song(fluid_sfont_t* sfont, int channels);
    const char* start(int rate, const QByteArray& midi);
    void write(std::int16_t* out, int frames);
    static int handle(void* self, fluid_midi_event_t* event);

    fluid_sfont_t* const sfont_;
    const int channels_;
    fluid_settings_t* settings_ = nullptr;
    fluid_synth_t* synth_ = nullptr;
    fluid_player_t* player_ = nullptr;
    bool added_ = false;
    int events_ = 0;  // carried out in the piece being written
    std::vector<std::int16_t> lead_;  // the song's first piece, made when it starts
    int leadPlayed_ = 0;
};
