// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/sound.h"

#include <QFile>
#include <QFileInfo>
#include <QThread>
#include <cmath>
#include <cstdlib>

QStringList soundLibraries(qint64 pid)
{
    QFile maps(pid ? QStringLiteral("/proc/%1/maps").arg(pid) : QStringLiteral("/proc/self/maps"));
    maps.open(QIODevice::ReadOnly);
    const QByteArray mapped = maps.readAll();
    QStringList found;
    for (const char* name : {"cardovia-audio.so", "libSDL2", "libfluidsynth", "libasound"})
        if (mapped.contains(name))
            found << QString::fromLatin1(name);
    return found;
}

namespace {

void append(QByteArray& bytes, quint32 value, int size, bool bigEndian)
{
    for (int i = 0; i < size; ++i)
        bytes += char(value >> (8 * (bigEndian ? size - 1 - i : i)));
}

} // namespace

QByteArray denseMidi(qsizetype bytes)
{
    // MThd and its six bytes, MTrk and its length, the end of the track
    constexpr qsizetype kFrame = 14 + 8 + 4;
    QByteArray track;
    for (int note = 0; track.size() + kFrame + 4 <= bytes; ++note) {
        // the first note 50 ms into the song (48 ticks at 120 beats a
        // minute), each further one at the same moment
        track += note == 0 ? char(48) : '\0';
        if (note % 64 == 0)
            track += char(0x90 | note / 64 % 16);  // note-on, on the next channel
        track += char(24 + note % 96);
        track += char(40 + note % 80);
    }
    track += QByteArray("\x00\xff\x2f\x00", 4);
    QByteArray midi("MThd\0\0\0\x06\0\0\0\x01\x01\xe0MTrk", 18);
    append(midi, quint32(track.size()), 4, true);
    return midi + track;
}

QByteArray waveFile(double seconds, int rate, int channels, int bits)
{
    const int block = channels * bits / 8;
    const quint32 frames = quint32(seconds * rate);
    QByteArray data;
    data.reserve(qsizetype(frames) * block);
    for (quint32 f = 0; f < frames; ++f) {
        const double level = std::sin(2 * M_PI * 440 * f / rate) * 0.5;
        for (int c = 0; c < channels; ++c)
            append(data, bits == 8 ? quint32(128 + level * 127) : quint32(qint32(level * 32767)), bits / 8, false);
    }
    QByteArray wave("RIFF");
    append(wave, quint32(36 + data.size()), 4, false);
    wave += "WAVEfmt ";
    append(wave, 16, 4, false);
    append(wave, 1, 2, false);  // PCM
    append(wave, quint32(channels), 2, false);
    append(wave, quint32(rate), 4, false);
    append(wave, quint32(rate * block), 4, false);
    append(wave, quint32(block), 2, false);
    append(wave, quint32(bits), 2, false);
    wave += "data";
    append(wave, quint32(data.size()), 4, false);
    return wave + data;
}

void useDriver(const char* driver, const QByteArray& diskFile)
{
    qputenv("SDL_AUDIODRIVER", driver);
    qputenv("SDL_DISKAUDIOFILE", diskFile);
}

DiskOutput::DiskOutput() : path_(dir_.filePath(QStringLiteral("out.raw")))
{
    use();
}

void DiskOutput::use() const
{
    useDriver("disk", QFile::encodeName(path_));
}

qint64 DiskOutput::mark() const
{
    return QFileInfo(path_).size() / 4 * 4;
}

QList<qint16> DiskOutput::samples(qint64 from, qint64 to) const
{
    QFile f(path_);
    f.open(QIODevice::ReadOnly);
    f.seek(from);
    const QByteArray bytes = to < 0 ? f.readAll() : f.read(to - from);
    const auto* data = reinterpret_cast<const qint16*>(bytes.constData());
    return QList<qint16>(data, data + bytes.size() / 2);
}

double DiskOutput::rms(qint64 from, qint64 to) const
{
    double sum = 0;
    const QList<qint16> all = samples(from, to);
    for (qint16 sample : all)
        sum += double(sample) * sample;
    return all.isEmpty() ? 0.0 : std::sqrt(sum / double(all.size()));
}

qint64 DiskOutput::await(qint64 from, int ms) const
{
    const qint64 until = from + qint64(ms) * 441 / 10 * 4;
    for (int waited = 0; mark() < until && waited < 20000; waited += 20)
        QThread::msleep(20);
    return mark();
}

double DiskOutput::rmsOver(int ms) const
{
    const qint64 from = await(mark(), 100);
    return rms(from, await(from, ms));
}

QList<qint16> DiskOutput::soundAfter(qint64 from, int ms) const
{
    const QList<qint16> all = samples(from, -1);
    qsizetype start = 0;
    while (start < all.size() && std::abs(all[start]) < 50)
        ++start;
    start -= start % 2;
    return all.mid(start, qsizetype(ms) * 441 / 10 * 2);
}
