// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/sdlaudio.h"

#include "platform/appinfo.h"
#include "platform/logging.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <SDL.h>
#include <alsa/asoundlib.h>
#include <algorithm>
#include <fluidsynth.h>
#include <mutex>
#include <vector>

namespace {

// Installed by the timgm6mb-soundfont package.
constexpr char kSoundFont[] = "/usr/share/sounds/sf2/TimGM6mb.sf2";

// The events of a piece of the music (a buffer of the output, 1024 frames or
// 23 ms) are carried out before it is written, all of them: a song that
// started 20,000 notes at once held the output for 100 ms, and Stop and
// closing waited for it. With every voice in use a note costs about 5 us
// (bench_media), so a piece carries out this many events at most and skips
// the rest; no playable song comes near it.
constexpr int kMaxEventsPerPiece = 1000;

// Tells why the file is not opened, where that is asked for.
void refuse(const QString& path, const QString& why)
{
    qCInfo(lcData, "%s is refused: %s", qUtf8Printable(path), qUtf8Printable(why));
}

// Reads at most `limit` bytes of the file; empty when it cannot be read, is
// empty or is longer than that.
QByteArray readUpTo(const QString& path, qint64 limit)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        refuse(path, file.errorString());
        return {};
    }
    QByteArray bytes = file.read(limit + 1);
    if (bytes.isEmpty()) {
        refuse(path, QStringLiteral("empty"));
        return {};
    }
    if (bytes.size() > limit) {
        refuse(path, QStringLiteral("larger than %1 bytes").arg(limit));
        return {};
    }
    return bytes;
}

quint32 littleEndian(const QByteArray& bytes, qsizetype at, int size)
{
    quint32 value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = value << 8 | quint8(bytes[at + i]);
    return value;
}

// The length in seconds of the sound in a RIFF wave file, by its format and
// the data it really holds; 0 when it is not one.
double waveSeconds(const QByteArray& wave)
{
    if (wave.size() < 12 || !wave.startsWith("RIFF") || wave.mid(8, 4) != "WAVE")
        return 0;
    double bitsPerSecond = 0;
    for (qsizetype at = 12; at + 8 <= wave.size();) {
        const QByteArray id = wave.mid(at, 4);
        const qint64 size = littleEndian(wave, at + 4, 4);
        const qsizetype body = at + 8;
        if (id == "fmt " && size >= 16 && body + 16 <= wave.size())
            bitsPerSecond = double(littleEndian(wave, body + 2, 2)) * littleEndian(wave, body + 4, 4) *
                            littleEndian(wave, body + 14, 2);
        else if (id == "data")
            return bitsPerSecond > 0 ? double(std::min<qint64>(size, wave.size() - body)) * 8 / bitsPerSecond : 0;
        at = body + size + (size & 1);
    }
    return 0;
}

void ignoreAlsa(const char*, int, const char*, int, const char*, ...) {}

// ALSA reports a missing sound card, and FluidSynth a broken MIDI file, on
// standard error; the game stays silent instead.
void quietenLibraries()
{
    snd_lib_error_set_handler(ignoreAlsa);
    for (int level = FLUID_PANIC; level < LAST_LOG_LEVEL; ++level)
        fluid_set_log_function(level, nullptr, nullptr);
}

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

// A song on a synthesiser of its own that shares the loaded soundfont: every
// start begins in the same silence, with no voice, reverb or chorus of what
// played before, and so sounds the same each time.
class Song {
public:
    // Null when FluidSynth cannot make it.
    static std::unique_ptr<Song> make(int rate, int channels, fluid_sfont_t* sfont, const QByteArray& midi)
    {
        std::unique_ptr<Song> song(new Song(sfont, channels));
        if (!(song->settings_ = new_fluid_settings()))
            return nullptr;
        fluid_settings_setnum(song->settings_, "synth.sample-rate", double(rate));
        if (!(song->synth_ = new_fluid_synth(song->settings_)))
            return nullptr;
        // the loudness of SDL_mixer's own MIDI back end at full volume
        fluid_synth_set_gain(song->synth_, 1.2f);
        if (fluid_synth_add_sfont(song->synth_, sfont) == FLUID_FAILED)
            return nullptr;
        song->added_ = true;
        if (!(song->player_ = new_fluid_player(song->synth_)) ||
            fluid_player_set_playback_callback(song->player_, &Song::handle, song.get()) != FLUID_OK ||
            fluid_player_add_mem(song->player_, midi.constData(), std::size_t(midi.size())) != FLUID_OK ||
            fluid_player_play(song->player_) != FLUID_OK)
            return nullptr;
        // FluidSynth reads the file when the song first sounds: that first
        // piece is made here, on the thread that starts the song, so that the
        // output (and a Stop waiting for it) never waits for the reading.
        song->write(song->lead_.data(), kLeadFrames);
        return song;
    }

    ~Song()
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

    bool playing() const { return fluid_player_get_status(player_) == FLUID_PLAYER_PLAYING; }
    // The output has taken none of it yet.
    bool untouched() const { return leadPlayed_ == 0; }

    void render(Sint16* out, int frames)
    {
        const int lead = std::min(frames, kLeadFrames - leadPlayed_);
        std::copy_n(lead_.data() + std::size_t(leadPlayed_ * channels_), std::size_t(lead * channels_), out);
        leadPlayed_ += lead;
        write(out + std::size_t(lead * channels_), frames - lead);
    }

private:
    // FluidSynth's own block: its sound is the same however it is cut up.
    static constexpr int kLeadFrames = 64;

    Song(fluid_sfont_t* sfont, int channels)
        : sfont_(sfont), channels_(channels), lead_(std::size_t(kLeadFrames * channels))
    {
    }

    void write(Sint16* out, int frames)
    {
        events_ = 0;
        // a mono output takes the right channel, a wider one the front pair
        fluid_synth_write_s16(synth_, frames, out, 0, channels_, out, channels_ > 1 ? 1 : 0, channels_);
    }

    // Each event of the song on its way to the synthesiser, while it renders.
    static int handle(void* self, fluid_midi_event_t* event)
    {
        Song& song = *static_cast<Song*>(self);
        if (++song.events_ > kMaxEventsPerPiece)
            return FLUID_OK;
        return fluid_synth_handle_midi_event(song.synth_, event);
    }

    fluid_sfont_t* const sfont_;
    const int channels_;
    fluid_settings_t* settings_ = nullptr;
    fluid_synth_t* synth_ = nullptr;
    fluid_player_t* player_ = nullptr;
    bool added_ = false;
    int events_ = 0;  // carried out in the piece being written
    std::vector<Sint16> lead_;  // the song's first piece, made when it starts
    int leadPlayed_ = 0;
};

// The music stream, fed to SDL_mixer's music hook. SDL_mixer's own MIDI back
// end reads the whole soundfont again for every song it loads, and cannot
// rewind one; this reads it once and starts each song on it afresh.
class Synth {
public:
    // Null when FluidSynth or the soundfont cannot be had.
    static std::unique_ptr<Synth> make()
    {
        int rate = 0;
        Uint16 format = 0;
        int channels = 0;
        if (!Mix_QuerySpec(&rate, &format, &channels))
            return nullptr;
        std::unique_ptr<Synth> synth(new Synth(rate, channels));
        // A synthesiser that never plays holds the soundfont for the songs.
        if (!(synth->settings_ = new_fluid_settings()) || !(synth->keeper_ = new_fluid_synth(synth->settings_)) ||
            fluid_synth_sfload(synth->keeper_, kSoundFont, 0) == FLUID_FAILED) {
            qCInfo(lcAudio, "no music: FluidSynth cannot start with the soundfont %s", kSoundFont);
            return nullptr;
        }
        synth->sfont_ = fluid_synth_get_sfont(synth->keeper_, 0);
        Mix_HookMusic(&Synth::mix, synth.get());
        return synth;
    }

    ~Synth()
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

    // Plays the MIDI file from its beginning, ending whatever played.
    void start(const QByteArray& midi)
    {
        std::unique_ptr<Song> next = Song::make(rate_, channels_, sfont_, midi);
        if (!next)
            qCInfo(lcAudio, "FluidSynth cannot play the song");
        std::lock_guard lock(mutex_);
        song_.swap(next);
    }

    void halt()
    {
        std::unique_ptr<Song> gone;
        std::lock_guard lock(mutex_);
        song_.swap(gone);
    }

    bool playing() const
    {
        std::lock_guard lock(mutex_);
        return song_ && song_->playing();
    }

    bool atBeginning() const
    {
        std::lock_guard lock(mutex_);
        return song_ && song_->untouched();
    }

private:
    Synth(int rate, int channels) : rate_(rate), channels_(channels) {}

    // SDL_mixer's music stream, on the output's thread: the song while it
    // plays, silence otherwise.
    static void mix(void* self, Uint8* stream, int len)
    {
        Synth& s = *static_cast<Synth*>(self);
        SDL_memset(stream, 0, std::size_t(len));
        std::lock_guard lock(s.mutex_);
        if (s.song_ && s.song_->playing())
            s.song_->render(reinterpret_cast<Sint16*>(stream), len / int(sizeof(Sint16)) / s.channels_);
    }

    const int rate_;
    const int channels_;
    fluid_settings_t* settings_ = nullptr;
    fluid_synth_t* keeper_ = nullptr;
    fluid_sfont_t* sfont_ = nullptr;
    std::unique_ptr<Song> song_;  // playing, or played to its end
    mutable std::mutex mutex_;
};

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
        // SDL's audio starts again too, so that it finds the devices there
        // are now and reaches a sound server that was restarted.
        close();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        sdlStarted_ = false;
    }
    if (!sdlStarted_) {
        quietenLibraries();
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
    }
    open_ = Mix_OpenAudio(44100, AUDIO_S16SYS, 2, 1024) == 0;
    if (open_)
        ++openings_;
    else
        qCInfo(lcAudio, "no sound: the audio device cannot be opened: %s", Mix_GetError());
    return open_;
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

SdlPlayer::SdlPlayer(SdlAudio& audio, Device device, QStringList dataFolders)
    : audio_(audio), device_(device), dataFolders_(std::move(dataFolders))
{
}

SdlPlayer::~SdlPlayer()
{
    release();
    if (decoded_.chunk)
        Mix_FreeChunk(decoded_.chunk);
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
        if (path_.isEmpty() && !fileName_.isEmpty())
            qCInfo(lcData, "%s is neither in the current folder nor in a data folder (%s)", qUtf8Printable(fileName_),
                   qUtf8Printable(dataFolders_.join(QLatin1String(", "))));
        if (!path_.isEmpty() && !load())
            path_.clear();
    } else if (word == QLatin1String("play")) {
        if (isOpen() && !isPlaying())
            start();
    } else if (word == QLatin1String("prev")) {
        // A song just started is at its beginning: starting it again would
        // only read the file once more.
        if (isPlaying() && (song_.isEmpty() || !audio_.synth()->atBeginning())) {
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
    return (!song_.isEmpty() || chunk_) && opening_ == audio_.opening();
}

bool SdlPlayer::isPlaying() const
{
    if (!isOpen())
        return false;
    if (!song_.isEmpty())
        return audio_.synth()->playing();
    return channel_ >= 0 && Mix_Playing(channel_) && Mix_GetChunk(channel_) == chunk_;
}

QString SdlPlayer::resolve() const
{
    if (fileName_.isEmpty())
        return {};
    // Only regular files are opened: a directory or a device named like a
    // song is none.
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
    opening_ = audio_.opening();
    if (device_ == Device::WaveAudio) {
        chunk_ = decode();
        return isOpen();
    }
    // only a standard MIDI file goes to the synthesiser
    const QByteArray song = readUpTo(path_, kMaxSongBytes);
    if (song.startsWith("MThd")) {
        if (audio_.synth())
            song_ = song;
    } else if (!song.isEmpty()) {
        refuse(path_, QStringLiteral("not a standard MIDI file"));
    }
    return isOpen();
}

Mix_Chunk* SdlPlayer::decode()
{
    const QFileInfo file(path_);
    const QString path = file.absoluteFilePath();
    if (decoded_.chunk && decoded_.path == path && decoded_.size == file.size() &&
        decoded_.modified == file.lastModified() && decoded_.opening == audio_.opening())
        return decoded_.chunk;
    // only a wave file the mixer can convert promptly
    const QByteArray wave = readUpTo(path_, kMaxSoundBytes);
    if (wave.isEmpty())
        return nullptr;
    const double seconds = waveSeconds(wave);
    if (seconds <= 0 || seconds > kMaxSoundSeconds) {
        refuse(path_, seconds <= 0 ? QStringLiteral("not a wave file")
                                   : QStringLiteral("longer than %1 s").arg(kMaxSoundSeconds));
        return nullptr;
    }
    Mix_Chunk* chunk = nullptr;
    if (SDL_RWops* rw = SDL_RWFromConstMem(wave.constData(), int(wave.size()))) {
        // SDL_mixer forgets to close a source whose format it does not know,
        // so it stays ours to close.
        chunk = Mix_LoadWAV_RW(rw, 0);
        SDL_RWclose(rw);
    }
    if (!chunk) {
        refuse(path_, QString::fromUtf8(Mix_GetError()));
        return nullptr;
    }
    if (decoded_.chunk)
        Mix_FreeChunk(decoded_.chunk);
    decoded_ = {path, file.size(), file.lastModified(), audio_.opening(), chunk};
    return chunk;
}

void SdlPlayer::release()
{
    halt();
    song_.clear();
    chunk_ = nullptr;
    channel_ = -1;
    path_.clear();
}

void SdlPlayer::start()
{
    if (chunk_)
        channel_ = Mix_PlayChannel(-1, chunk_, 0);
    else
        audio_.synth()->start(song_);
}

void SdlPlayer::halt()
{
    if (!isOpen())
        return;
    if (!song_.isEmpty())
        audio_.synth()->halt();
    else if (chunk_ && channel_ >= 0 && Mix_GetChunk(channel_) == chunk_)
        Mix_HaltChannel(channel_);
}
