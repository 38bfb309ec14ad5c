// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the benchmarks read about their own process.

#include <QFile>
#include <QSet>
#include <QStringList>
#include <algorithm>
#include <vector>

namespace bench {

// The shared libraries mapped into this process.
inline QStringList libraries()
{
    QFile maps(QStringLiteral("/proc/self/maps"));
    maps.open(QIODevice::ReadOnly);
    QSet<QString> found;
    for (const QByteArray& line : maps.readAll().split('\n')) {
        const QString path = QString::fromLocal8Bit(line.mid(line.indexOf('/')));
        if (line.contains('/') && (path.endsWith(QLatin1String(".so")) || path.contains(QLatin1String(".so."))))
            found.insert(path);
    }
    QStringList list(found.begin(), found.end());
    list.sort();
    return list;
}

// Those of them that play sound: the audio module and what stands behind it.
inline QStringList audioLibraries()
{
    QStringList audio;
    for (const QString& path : libraries())
        for (const char* name : {"cardovia-audio", "libSDL2", "libfluidsynth", "libasound", "libmodplug"})
            if (path.contains(QLatin1String(name)))
                audio << path;
    return audio;
}

// A figure of /proc/self/status in kilobytes, as "VmHWM" (the peak resident size).
inline long statusKb(const char* field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    status.open(QIODevice::ReadOnly);
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith(QByteArray(field) + ':'))
            return line.mid(qstrlen(field) + 1).trimmed().split(' ').front().toLong();
    return -1;
}

inline double median(std::vector<double> values)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

} // namespace bench
