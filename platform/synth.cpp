// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/synth.h"

#include "platform/logging.h"
#include "platform/song.h"

#include <SDL_mixer.h>

namespace {

// Installed by the timgm6mb-soundfont package.
constexpr char kSoundFont[] = "/usr/share/sounds/sf2/TimGM6mb.sf2";

} // namespace

std::unique_ptr<Synth> Synth::make()
{
    int rate = 0;
    Uint16 format = 0;
    int channels = 0;
    if (!Mix_QuerySpec(&rate, &format, &channels)) {
        qCInfo(lcAudio, "no music: SDL_mixer's output is closed, so it tells no format for the synthesiser");
        return nullptr;
    }
    std::unique_ptr<Synth> synth(new Synth(rate, channels));
    Song::forgetError();
    // A synthesiser that never plays holds the soundfont for the songs.
    if (!(synth->settings_ = new_fluid_settings()) || !(synth->keeper_ = new_fluid_synth(synth->settings_))) {
        qCInfo(lcAudio, "no music: FluidSynth cannot %s", qUtf8Printable(Song::failure(QStringLiteral("make a synthesiser"))));
        return nullptr;
    }
    if (fluid_synth_sfload(synth->keeper_, kSoundFont, 0) == FLUID_FAILED) {
        const QString what = QStringLiteral("load the soundfont ") + QLatin1String(kSoundFont);
        qCInfo(lcAudio, "no music: FluidSynth cannot %s", qUtf8Printable(Song::failure(what)));
        return nullptr;
    }
    synth->sfont_ = fluid_synth_get_sfont(synth->keeper_, 0);
    Mix_HookMusic(&Synth::mix, synth.get());
    return synth;
}

Synth::Synth(int rate, int channels) : rate_(rate), channels_(channels) {}

Synth::~Synth()
{
    // returns once the output no longer runs the hook
    if (sfont_)
        Mix_HookMusic(nullptr, nullptr);
    song_.reset();
    if (keeper_)
        delete_fluid_synth(keeper_);
    if (settings_)
        delete_fluid_settings(settings_);
}

void Synth::start(const QString& path, const QByteArray& midi)
{
    std::unique_ptr<Song> next = Song::make(path, midi, rate_, channels_, sfont_);
    std::lock_guard lock(mutex_);
    song_.swap(next);
}

void Synth::halt()
{
    std::unique_ptr<Song> gone;
    std::lock_guard lock(mutex_);
    song_.swap(gone);
}

bool Synth::playing() const
{
    std::lock_guard lock(mutex_);
    return song_ && song_->playing();
}

bool Synth::atBeginning() const
{
    std::lock_guard lock(mutex_);
    return song_ && song_->untouched();
}

// SDL_mixer's music stream, on the output's thread: the song while it plays,
// silence otherwise.
void Synth::mix(void* self, std::uint8_t* stream, int len)
{
    Synth& s = *static_cast<Synth*>(self);
    SDL_memset(stream, 0, std::size_t(len));
    std::lock_guard lock(s.mutex_);
    if (s.song_ && s.song_->playing())
        s.song_->render(reinterpret_cast<std::int16_t*>(stream), len / int(sizeof(std::int16_t)) / s.channels_);
}
