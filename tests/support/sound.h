// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Sound in tests: the SDL audio driver to use, what the disk driver writes,
// and which sound libraries a process has loaded.

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// The audio module and the libraries behind it that are mapped into a
// process: this one, or the one with that id.
QStringList soundLibraries(qint64 pid = 0);

// A standard MIDI file of at most `bytes` bytes (and nearly that many) that
// asks the most of a synthesiser that a file of its size can: one track whose
// notes all start at once, 50 ms into the song, on every channel, in running
// status.
QByteArray denseMidi(qsizetype bytes);

// A PCM wave file of a tone, of the given length and format.
QByteArray waveFile(double seconds, int rate, int channels, int bits);

// The driver the next SDL output opens with; the disk driver writes to diskFile.
void useDriver(const char* driver, const QByteArray& diskFile = {});

// SDL's disk driver pointed at a fresh file, and what it has written there:
// 16-bit stereo at the mixer's rate. Made before the output that uses it.
class DiskOutput {
public:
    DiskOutput();
    // Points the driver at the file again, after another driver was used.
    void use() const;
    qint64 mark() const;
    // What was written from byte `from` to byte `to`, or to the end for -1.
    QList<qint16> samples(qint64 from, qint64 to) const;
    double rms(qint64 from, qint64 to) const;
    // Waits until the driver has written `ms` milliseconds after `from`; it
    // writes in real time, or later on a busy machine.
    qint64 await(qint64 from, int ms) const;
    // The output of the next `ms` milliseconds, skipping the first tenth of a
    // second, which may still hold what went before.
    double rmsOver(int ms) const;
    // The `ms` milliseconds that follow the first sound after `from`.
    QList<qint16> soundAfter(qint64 from, int ms) const;

private:
    QTemporaryDir dir_;
    QString path_;
};
