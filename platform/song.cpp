// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/song.h"

#include "platform/audiofiles.h"
#include "platform/logging.h"

#include <algorithm>
#include <string>

namespace {

// The events of a piece of the music (a buffer of the output, 1024 frames or
// 23 ms) are carried out before it is written, all of them: a song that
// started 20,000 notes at once held the output for 100 ms, and Stop and
// closing waited for it. With every voice in use a note costs about 5 us
// (bench_media), so a piece carries out this many events at most and skips
// the rest; no playable song comes near it.
constexpr int kMaxEventsPerPiece = 1000;

// FluidSynth's last error on each thread: the worker's tells why a song
// failed to start; the output thread's is never asked for.
thread_local std::string lastError;

void keepError(int, const char* message, void*)
{
    lastError = message;
}

} // namespace

std::unique_ptr<Song> Song::make(const QString& path, const QByteArray& midi, int rate, int channels,
                                 fluid_sfont_t* sfont)
{
    forgetError();
    std::unique_ptr<Song> song(new Song(sfont, channels));
    if (const char* failed = song->start(rate, midi)) {
        qCInfo(lcAudio, "%s is not played: FluidSynth cannot %s", qUtf8Printable(path),
               qUtf8Printable(failure(QLatin1String(failed))));
        return nullptr;
    }
    // FluidSynth reads the file when the song first sounds: that first piece
    // is made here, on the thread that starts the song, so that the output
    // (and a Stop waiting for it) never waits for the reading.
    song->write(song->lead_.data(), kLeadFrames);
    if (!song->playing()) {
        audiofiles::refuse(path, failure(QStringLiteral("FluidSynth finds no music in it")));
        return nullptr;
    }
    return song;
}

Song::Song(fluid_sfont_t* sfont, int channels)
    : sfont_(sfont), channels_(channels), lead_(std::size_t(kLeadFrames * channels))
{
}

Song::~Song()
{
    if (player_) {
        fluid_player_stop(player_);
        delete_fluid_player(player_);
    }
    if (added_)
        fluid_synth_remove_sfont(synth_, sfont_);  // it stays loaded for the next song
    if (synth_)
        delete_fluid_synth(synth_);
    if (settings_)
        delete_fluid_settings(settings_);
}

// What FluidSynth could not do to start the song, or null once it plays.
const char* Song::start(int rate, const QByteArray& midi)
{
    if (!(settings_ = new_fluid_settings()))
        return "make its settings";
    fluid_settings_setnum(settings_, "synth.sample-rate", double(rate));
    if (!(synth_ = new_fluid_synth(settings_)))
        return "make a synthesiser";
    // the loudness of SDL_mixer's own MIDI back end at full volume
    fluid_synth_set_gain(synth_, 1.2f);
    if (fluid_synth_add_sfont(synth_, sfont_) == FLUID_FAILED)
        return "give the synthesiser the soundfont";
    added_ = true;
    if (!(player_ = new_fluid_player(synth_)))
        return "make a player";
    if (fluid_player_set_playback_callback(player_, &Song::handle, this) != FLUID_OK)
        return "follow the song's events";
    if (fluid_player_add_mem(player_, midi.constData(), std::size_t(midi.size())) != FLUID_OK)
        return "take the song";
    if (fluid_player_play(player_) != FLUID_OK)
        return "start the song";
    return nullptr;
}

bool Song::playing() const
{
    return fluid_player_get_status(player_) == FLUID_PLAYER_PLAYING;
}

void Song::render(std::int16_t* out, int frames)
{
    const int lead = std::min(frames, kLeadFrames - leadPlayed_);
    std::copy_n(lead_.data() + std::size_t(leadPlayed_ * channels_), std::size_t(lead * channels_), out);
    leadPlayed_ += lead;
    write(out + std::size_t(lead * channels_), frames - lead);
}

void Song::write(std::int16_t* out, int frames)
{
    events_ = 0;
    // a mono output takes the right channel, a wider one the front pair
    fluid_synth_write_s16(synth_, frames, out, 0, channels_, out, channels_ > 1 ? 1 : 0, channels_);
}

// Each event of the song on its way to the synthesiser, while it renders.
int Song::handle(void* self, fluid_midi_event_t* event)
{
    Song& song = *static_cast<Song*>(self);
    if (++song.events_ > kMaxEventsPerPiece)
        return FLUID_OK;
    return fluid_synth_handle_midi_event(song.synth_, event);
}

void Song::keepErrors()
{
    for (int level = FLUID_PANIC; level < LAST_LOG_LEVEL; ++level)
        fluid_set_log_function(level, level <= FLUID_ERR ? &keepError : nullptr, nullptr);
}

void Song::forgetError()
{
    lastError.clear();
}

QString Song::failure(const QString& what)
{
    const QString why = QString::fromStdString(lastError).trimmed();
    forgetError();
    return why.isEmpty() ? what : QStringLiteral("%1 (%2)").arg(what, why);
}
