// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/audiofiles.h"

#include "platform/logging.h"
#include "platform/sdlaudio.h"

#include <QFile>
#include <algorithm>

namespace audiofiles {

namespace {

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
        // a read that failed gives nothing too
        refuse(path, file.error() == QFileDevice::NoError ? QStringLiteral("empty") : file.errorString());
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

} // namespace

void refuse(const QString& path, const QString& why)
{
    qCInfo(lcData, "%s is refused: %s", qUtf8Printable(path), qUtf8Printable(why));
}

QByteArray readSong(const QString& path)
{
    const QByteArray song = readUpTo(path, SdlPlayer::kMaxSongBytes);
    if (song.isEmpty() || song.startsWith("MThd"))
        return song;
    refuse(path, QStringLiteral("not a standard MIDI file"));
    return {};
}

QByteArray readWave(const QString& path)
{
    // only a wave file the mixer can convert promptly
    const QByteArray wave = readUpTo(path, SdlPlayer::kMaxSoundBytes);
    if (wave.isEmpty())
        return {};
    const double seconds = waveSeconds(wave);
    if (seconds > 0 && seconds <= SdlPlayer::kMaxSoundSeconds)
        return wave;
    refuse(path, seconds <= 0 ? QStringLiteral("not a wave file")
                              : QStringLiteral("longer than %1 s").arg(SdlPlayer::kMaxSoundSeconds));
    return {};
}

} // namespace audiofiles
