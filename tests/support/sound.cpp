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

void useDriver(const char* driver, const QByteArray& diskFile)
{
    qputenv("SDL_AUDIODRIVER", driver);
    qputenv("SDL_DISKAUDIOFILE", diskFile);
}

DiskOutput::DiskOutput() : path_(dir_.filePath(QStringLiteral("out.raw")))
{
    useDriver("disk", QFile::encodeName(path_));
}

qint64 DiskOutput::mark() const
{
    return QFileInfo(path_).size() / 4 * 4;
}

double DiskOutput::rms(qint64 from, qint64 to) const
{
    QFile f(path_);
    f.open(QIODevice::ReadOnly);
    f.seek(from);
    const QByteArray bytes = f.read(to - from);
    const auto* samples = reinterpret_cast<const qint16*>(bytes.constData());
    const qsizetype n = bytes.size() / 2;
    double sum = 0;
    for (qsizetype i = 0; i < n; ++i)
        sum += double(samples[i]) * samples[i];
    return n ? std::sqrt(sum / double(n)) : 0.0;
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
    QFile f(path_);
    f.open(QIODevice::ReadOnly);
    f.seek(from);
    const QByteArray bytes = f.readAll();
    const auto* samples = reinterpret_cast<const qint16*>(bytes.constData());
    const qsizetype n = bytes.size() / 2;
    qsizetype start = 0;
    while (start < n && std::abs(samples[start]) < 50)
        ++start;
    start -= start % 2;
    return QList<qint16>(samples + start, samples + std::min(n, start + qsizetype(ms) * 441 / 10 * 2));
}
