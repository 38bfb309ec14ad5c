// The entry point of the audio module; built into it alone.

#include "platform/audiomodule.h"
#include "platform/sdlaudio.h"

namespace {

class SdlModule : public AudioModule {
public:
    explicit SdlModule(const QString& dataDir)
        : sequencer_(audio_, SdlPlayer::Device::Sequencer, dataDir),
          waveAudio_(audio_, SdlPlayer::Device::WaveAudio, dataDir)
    {
    }
    MediaPlayer& sequencer() override { return sequencer_; }
    MediaPlayer& waveAudio() override { return waveAudio_; }

private:
    SdlAudio audio_;  // made before the players and gone after them
    SdlPlayer sequencer_;
    SdlPlayer waveAudio_;
};

} // namespace

extern "C" Q_DECL_EXPORT AudioModule* cardovia_audio_create(const QString& dataDir)
{
    return new SdlModule(dataDir);
}

static_assert(std::is_same_v<decltype(&cardovia_audio_create), CreateAudioModule>);
