// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/sdloutput.h"

#include "platform/appinfo.h"
#include "platform/logging.h"
#include "platform/song.h"
#include "platform/synth.h"

#include <SDL.h>
#include <SDL_mixer.h>
#include <alsa/asoundlib.h>

namespace {

void ignoreAlsa(const char*, int, const char*, int, const char*, ...) {}

// SDL tells of an output device it has lost by an event (its audio starts
// the event queue for it); the output runs on meanwhile, writing nowhere.
bool outputLost()
{
    SDL_Event event;
    bool lost = false;
    while (SDL_PeepEvents(&event, 1, SDL_GETEVENT, SDL_AUDIODEVICEREMOVED, SDL_AUDIODEVICEREMOVED) > 0)
        lost = lost || !event.adevice.iscapture;
    return lost;
}

} // namespace

SdlAudio::SdlAudio() = default;

SdlAudio::~SdlAudio()
{
    close();
    // Nothing else in the application uses SDL; a full quit also frees its
    // hints and per-thread error buffers.
    SDL_Quit();
}

void SdlAudio::close()
{
    synth_.reset();
    if (open_)
        Mix_CloseAudio();
    open_ = false;
}

bool SdlAudio::ready()
{
    if (open_ && !outputLost())
        return true;
    if (open_) {
        qCInfo(lcAudio, "the audio device was taken away: the output opens afresh");
        // SDL's audio starts again too, so that it finds the devices there
        // are now and reaches a sound server that was restarted.
        close();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        sdlStarted_ = false;
    }
    if (!sdlStarted_ && !startSdl())
        return false;
    open_ = Mix_OpenAudio(44100, AUDIO_S16SYS, 2, 1024) == 0;
    if (open_)
        ++openings_;
    else
        qCInfo(lcAudio, "no sound: the audio device cannot be opened: %s", Mix_GetError());
    return open_;
}

bool SdlAudio::startSdl()
{
    // Neither library writes to standard error: ALSA's word on a missing
    // sound card is SDL's error below, FluidSynth's on a broken song is kept
    // for the line that refuses it.
    snd_lib_error_set_handler(ignoreAlsa);
    Song::keepErrors();
    // Qt owns the application's signals, windows and events.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    SDL_SetHint(SDL_HINT_AUDIO_DEVICE_APP_NAME, appinfo::kTitle);
    sdlStarted_ = SDL_InitSubSystem(SDL_INIT_AUDIO) == 0;
    if (!sdlStarted_) {
        qCInfo(lcAudio, "no sound: SDL cannot start its audio: %s", SDL_GetError());
        return false;
    }
    // the devices it finds would stay in the queue, unread
    SDL_EventState(SDL_AUDIODEVICEADDED, SDL_IGNORE);
    return true;
}

int SdlAudio::opening() const
{
    return open_ ? openings_ : 0;
}

Synth* SdlAudio::synth()
{
    if (!synth_ && open_)
        synth_ = Synth::make();
    return synth_.get();
}
