// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/sdlaudio.h"

#include "platform/audiofiles.h"
#include "platform/logging.h"
#include "platform/synth.h"

#include <QDir>
#include <QFileInfo>
#include <SDL.h>

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
    const QByteArray song = audiofiles::readSong(path_);
    if (!song.isEmpty() && audio_.synth())
        song_ = song;
    return isOpen();
}

Mix_Chunk* SdlPlayer::decode()
{
    const QFileInfo file(path_);
    const QString path = file.absoluteFilePath();
    if (decoded_.chunk && decoded_.path == path && decoded_.size == file.size() &&
        decoded_.modified == file.lastModified() && decoded_.opening == audio_.opening())
        return decoded_.chunk;
    const QByteArray wave = audiofiles::readWave(path_);
    if (wave.isEmpty())
        return nullptr;
    Mix_Chunk* chunk = nullptr;
    if (SDL_RWops* rw = SDL_RWFromConstMem(wave.constData(), int(wave.size()))) {
        // SDL_mixer forgets to close a source whose format it does not know,
        // so it stays ours to close.
        chunk = Mix_LoadWAV_RW(rw, 0);
        SDL_RWclose(rw);
    }
    if (!chunk) {
        audiofiles::refuse(path_, QString::fromUtf8(Mix_GetError()));
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
    if (!chunk_) {
        audio_.synth()->start(path_, song_);
        return;
    }
    channel_ = Mix_PlayChannel(-1, chunk_, 0);
    if (channel_ < 0)
        qCInfo(lcAudio, "%s is not played: %s", qUtf8Printable(path_), Mix_GetError());
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
