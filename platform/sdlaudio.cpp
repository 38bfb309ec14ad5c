#include "platform/sdlaudio.h"

#include "platform/appinfo.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <SDL.h>
#include <alsa/asoundlib.h>
#include <fluidsynth.h>

namespace {

// Installed by the timgm6mb-soundfont package.
constexpr char kSoundFont[] = "/usr/share/sounds/sf2/TimGM6mb.sf2";

void ignoreAlsa(const char*, int, const char*, int, const char*, ...) {}

// ALSA reports a missing sound card, and FluidSynth a broken MIDI file, on
// standard error; the game stays silent instead.
void quietenLibraries()
{
    snd_lib_error_set_handler(ignoreAlsa);
    for (int level = FLUID_PANIC; level < LAST_LOG_LEVEL; ++level)
        fluid_set_log_function(level, nullptr, nullptr);
}

} // namespace

SdlAudio::~SdlAudio()
{
    if (open_) {
        Mix_CloseAudio();
        Mix_Quit();
    }
    // Nothing else in the application uses SDL; a full quit also frees its
    // hints and per-thread error buffers.
    if (sdlStarted_)
        SDL_Quit();
}

bool SdlAudio::ready()
{
    if (open_)
        return true;
    if (!sdlStarted_) {
        quietenLibraries();
        // Qt owns the application's signals, windows and events.
        SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
        SDL_SetHint(SDL_HINT_AUDIO_DEVICE_APP_NAME, appinfo::kTitle);
        sdlStarted_ = SDL_InitSubSystem(SDL_INIT_AUDIO) == 0;
        if (!sdlStarted_)
            return false;
    }
    if (Mix_OpenAudio(44100, AUDIO_S16SYS, 2, 1024) != 0)
        return false;
    Mix_Init(MIX_INIT_MID);
    Mix_SetSoundFonts(kSoundFont);
    open_ = true;
    return true;
}

SdlPlayer::SdlPlayer(SdlAudio& audio, Device device, QStringList dataFolders)
    : audio_(audio), device_(device), dataFolders_(std::move(dataFolders))
{
}

SdlPlayer::~SdlPlayer()
{
    release();
}

void SdlPlayer::setFileName(const QString& fileName)
{
    fileName_ = fileName;
}

void SdlPlayer::setCommand(const QString& command)
{
    const QString word = command.trimmed().toLower();
    if (word == QLatin1String("open")) {
        release();
        path_ = resolve();
        if (!path_.isEmpty() && !load())
            path_.clear();
    } else if (word == QLatin1String("play")) {
        if (isOpen() && !isPlaying())
            start();
    } else if (word == QLatin1String("prev")) {
        if (isPlaying()) {
            halt();
            start();
        }
    } else if (word == QLatin1String("stop")) {
        if (isOpen())
            halt();
    } else if (word == QLatin1String("close")) {
        release();
    }
}

bool SdlPlayer::isOpen() const
{
    return music_ || chunk_;
}

bool SdlPlayer::isPlaying() const
{
    if (music_)
        return Mix_PlayingMusic() != 0;
    return chunk_ && channel_ >= 0 && Mix_Playing(channel_) && Mix_GetChunk(channel_) == chunk_;
}

QString SdlPlayer::resolve() const
{
    if (fileName_.isEmpty())
        return {};
    // Only regular files go to SDL_mixer: it crashes on a directory that is
    // named like a MIDI file.
    if (QFileInfo(fileName_).isFile())
        return fileName_;
    for (const QString& folder : dataFolders_) {
        const QString inData = QDir(folder).filePath(fileName_);
        if (QFileInfo(inData).isFile())
            return inData;
    }
    return {};
}

bool SdlPlayer::load()
{
    if (!audio_.ready())
        return false;
    const QByteArray path = QFile::encodeName(path_);
    if (device_ == Device::Sequencer) {
        music_ = Mix_LoadMUS(path.constData());
    } else if (SDL_RWops* file = SDL_RWFromFile(path.constData(), "rb")) {
        // SDL_mixer forgets to close a file whose format it does not know,
        // so the file stays ours to close.
        chunk_ = Mix_LoadWAV_RW(file, 0);
        SDL_RWclose(file);
    }
    played_ = false;
    return isOpen();
}

void SdlPlayer::release()
{
    if (music_) {
        Mix_FreeMusic(music_);  // halts it first
        music_ = nullptr;
    }
    if (chunk_) {
        Mix_FreeChunk(chunk_);  // halts every channel that plays it
        chunk_ = nullptr;
    }
    channel_ = -1;
    path_.clear();
}

void SdlPlayer::start()
{
    if (chunk_) {
        channel_ = Mix_PlayChannel(-1, chunk_, 0);
        return;
    }
    // FluidSynth resumes a stopped song where it stopped; a fresh load is
    // the only way back to its beginning.
    if (played_) {
        Mix_FreeMusic(music_);
        music_ = nullptr;
        if (!load()) {
            path_.clear();
            return;
        }
    }
    played_ = Mix_PlayMusic(music_, 0) == 0;
}

void SdlPlayer::halt()
{
    if (music_)
        Mix_HaltMusic();
    else if (channel_ >= 0 && Mix_GetChunk(channel_) == chunk_)
        Mix_HaltChannel(channel_);
}
