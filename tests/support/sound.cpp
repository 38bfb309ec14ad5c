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
