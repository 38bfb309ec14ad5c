// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The audio module: the two SDL players built into a library of their own,
// the only part of the program that links SDL2_mixer, FluidSynth and ALSA.
// The program loads it on the first media command that needs sound (see
// audioworker.h), so a game without music loads no audio library.

#include "platform/platform.h"

#include <QStringList>

class AudioModule {
public:
    virtual ~AudioModule() = default;
    virtual MediaPlayer& sequencer() = 0;
    virtual MediaPlayer& waveAudio() = 0;
    // The sound libraries in use and their versions, as the About box names them.
    virtual QString libraries() const = 0;
};

// The module's one entry point: the players with their shared output, which
// look for files by relative name in the current directory, then in each of
// the data folders in turn.
#define CARDOVIA_AUDIO_ENTRY "cardovia_audio_create"
using CreateAudioModule = AudioModule* (*)(const QStringList& dataFolders);
