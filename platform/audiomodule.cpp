// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The entry point of the audio module; built into it alone.

#include "platform/audiomodule.h"
#include "platform/sdlaudio.h"

#include <SDL_mixer.h>
#include <fluidsynth.h>

namespace {

class SdlModule : public AudioModule {
public:
    explicit SdlModule(const QStringList& dataFolders)
        : sequencer_(audio_, SdlPlayer::Device::Sequencer, dataFolders),
          waveAudio_(audio_, SdlPlayer::Device::WaveAudio, dataFolders)
    {
    }
    MediaPlayer& sequencer() override { return sequencer_; }
    MediaPlayer& waveAudio() override { return waveAudio_; }
    QString libraries() const override
    {
        // the libraries the process has loaded, not those it was built with
        const SDL_version* mixer = Mix_Linked_Version();
        return QStringLiteral("SDL2_mixer %1.%2.%3, FluidSynth %4")
            .arg(mixer->major)
            .arg(mixer->minor)
            .arg(mixer->patch)
            .arg(QString::fromLatin1(fluid_version_str()));
    }

private:
    SdlAudio audio_;  // made before the players and gone after them
    SdlPlayer sequencer_;
    SdlPlayer waveAudio_;
};

} // namespace

extern "C" Q_DECL_EXPORT AudioModule* cardovia_audio_create(const QStringList& dataFolders)
{
    return new SdlModule(dataFolders);
}

static_assert(std::is_same_v<decltype(&cardovia_audio_create), CreateAudioModule>);
