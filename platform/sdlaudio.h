#pragma once
// The media players of a desktop session, built on SDL2_mixer: MIDI through
// its FluidSynth back end with Debian's General MIDI soundfont, wave files
// natively. Every failure (no device, a missing, empty or corrupt file, a
// command to a closed player) leaves the player silent and closed.

#include "platform/platform.h"

#include <QString>
#include <QStringList>
#include <SDL_mixer.h>

// The audio output both players share. SDL is started for audio only, so it
// stays out of Qt's way. The device opens on a player's first "open"; while
// none can be opened, the next "open" tries again. One SdlAudio may exist at a
// time, and it must outlive its players.
class SdlAudio {
public:
    SdlAudio() = default;
    ~SdlAudio();
    SdlAudio(const SdlAudio&) = delete;
    SdlAudio& operator=(const SdlAudio&) = delete;

    // True once the output is open; opens it when it is not.
    bool ready();

private:
    bool sdlStarted_ = false;
    bool open_ = false;
};

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

    // There is one Sequencer per SdlAudio: SDL_mixer has a single music stream.
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

    SdlAudio& audio_;
    Device device_;
    QStringList dataFolders_;
    QString fileName_;
    QString path_;  // the file that is open
    Mix_Music* music_ = nullptr;
    Mix_Chunk* chunk_ = nullptr;
    int channel_ = -1;
    bool played_ = false;  // the loaded music has been started before
};
