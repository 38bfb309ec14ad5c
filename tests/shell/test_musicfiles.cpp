// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The generated music and sound files: well-formed Standard MIDI Files of
// about a minute each, six different songs, and a 16-bit PCM wave that
// starts sharply and dies away.

#include "support/testmain.h"

#include <QFile>
#include <QSet>
#include <QtTest>
#include <cmath>
#include <map>

namespace {

const QString kData = QStringLiteral(CARDOVIA_TEST_DATA);

QByteArray contents(const QString& name)
{
    QFile f(kData + "/" + name);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

quint32 big(const QByteArray& b, qsizetype at, int bytes)
{
    quint32 v = 0;
    for (int i = 0; i < bytes; ++i)
        v = (v << 8) | quint8(b[at + i]);
    return v;
}

quint32 little(const QByteArray& b, qsizetype at, int bytes)
{
    quint32 v = 0;
    for (int i = bytes - 1; i >= 0; --i)
        v = (v << 8) | quint8(b[at + i]);
    return v;
}

// What a full read of a Standard MIDI File finds.
struct Song {
    QString error;  // empty when the file is well-formed
    int division = 0;
    double seconds = 0;
    QSet<int> tempos;    // microseconds a quarter
    QSet<int> channels;  // with notes
    QSet<int> programs;
    int notes = 0;
};

Song readMidi(const QByteArray& b)
{
    Song song;
    if (b.size() < 14 || b.left(4) != "MThd" || big(b, 4, 4) != 6) {
        song.error = "no MThd header of length 6";
        return song;
    }
    const int tracks = int(big(b, 10, 2));
    song.division = int(big(b, 12, 2));
    if (big(b, 8, 2) != 1 || tracks < 2 || song.division <= 0) {
        song.error = "not format 1 with a tempo track";
        return song;
    }
    std::map<quint32, int> tempoAt;  // tick -> tempo
    quint32 lastTick = 0;
    qsizetype at = 14;
    for (int t = 0; t < tracks; ++t) {
        if (at + 8 > b.size() || b.mid(at, 4) != "MTrk") {
            song.error = QStringLiteral("track %1 missing").arg(t);
            return song;
        }
        const qsizetype end = at + 8 + big(b, at + 4, 4);
        if (end > b.size()) {
            song.error = QStringLiteral("track %1 longer than the file").arg(t);
            return song;
        }
        at += 8;
        quint32 tick = 0;
        int status = 0;
        bool ended = false;
        std::map<int, int> sounding;  // channel * 128 + key -> open notes
        const auto varLength = [&]() {
            quint32 v = 0;
            for (int i = 0; i < 4 && at < end; ++i) {
                const quint8 c = quint8(b[at++]);
                v = (v << 7) | (c & 0x7F);
                if (!(c & 0x80))
                    return v;
            }
            song.error = "bad variable-length number";
            return v;
        };
        while (at < end && !ended && song.error.isEmpty()) {
            tick += varLength();
            if (quint8(b[at]) & 0x80)
                status = quint8(b[at++]);
            if (status == 0xFF) {
                const int type = quint8(b[at++]);
                const quint32 length = varLength();
                if (type == 0x51 && length == 3)
                    tempoAt[tick] = int(big(b, at, 3));
                ended = type == 0x2F;
                at += length;
                status = 0;
            } else if (status >= 0x80 && status < 0xF0) {
                const int kind = status & 0xF0;
                const int channel = status & 0x0F;
                const int data = (kind == 0xC0 || kind == 0xD0) ? 1 : 2;
                const int key = quint8(b[at]);
                const int velocity = data == 2 ? quint8(b[at + 1]) : 0;
                at += data;
                if (kind == 0x90 && velocity > 0) {
                    ++sounding[channel * 128 + key];
                    song.channels << channel;
                    ++song.notes;
                } else if (kind == 0x80 || kind == 0x90) {
                    if (--sounding[channel * 128 + key] < 0)
                        song.error = "a note ends that never started";
                } else if (kind == 0xC0) {
                    song.programs << key;
                }
            } else {
                song.error = "an event without status";
            }
        }
        if (song.error.isEmpty() && (!ended || at != end))
            song.error = QStringLiteral("track %1 does not end exactly with End of Track").arg(t);
        for (const auto& [note, open] : sounding)
            if (open != 0)
                song.error = "a note never ends";
        lastTick = std::max(lastTick, tick);
        at = end;
    }
    if (song.error.isEmpty() && at != b.size())
        song.error = "bytes after the last track";
    if (tempoAt.empty())
        song.error = "no tempo";
    // seconds = the ticks at each tempo
    quint32 from = 0;
    int tempo = tempoAt.empty() ? 500000 : tempoAt.begin()->second;
    for (const auto& [tick, value] : tempoAt) {
        song.seconds += double(tick - from) * tempo / song.division / 1e6;
        from = tick;
        tempo = value;
        song.tempos << value;
    }
    song.seconds += double(lastTick - from) * tempo / song.division / 1e6;
    return song;
}

} // namespace

class MusicFilesTest : public QObject {
    Q_OBJECT

private slots:
    void readerRejectsBrokenFiles()
    {
        const QByteArray good = contents("1.mid");
        QVERIFY(readMidi(good).error.isEmpty());
        QVERIFY(!readMidi(good.left(good.size() - 1)).error.isEmpty());
        QVERIFY(!readMidi(good + "x").error.isEmpty());
        QByteArray longer = good;
        longer[21] = char(quint8(longer[21]) + 1);  // the first track's length
        QVERIFY(!readMidi(longer).error.isEmpty());
        QVERIFY(!readMidi(QByteArray()).error.isEmpty());
    }

    void sixDifferentSongsOfAboutAMinute()
    {
        QSet<int> tempos;
        QSet<QList<int>> instruments;
        for (int k = 1; k <= 6; ++k) {
            const QString name = QStringLiteral("%1.mid").arg(k);
            const Song song = readMidi(contents(name));
            QVERIFY2(song.error.isEmpty(), qPrintable(name + ": " + song.error));
            QVERIFY2(song.seconds > 45 && song.seconds < 75, qPrintable(name + QStringLiteral(": %1 s").arg(song.seconds)));
            // melody, chords and bass at least, each with its instrument
            QVERIFY2(song.channels.contains(0) && song.channels.contains(1) && song.channels.contains(2),
                     qPrintable(name));
            QCOMPARE(song.programs.size(), 3);
            QVERIFY(song.notes > 150);
            QCOMPARE(song.tempos.size(), 1);
            tempos << *song.tempos.begin();
            QList<int> programs = song.programs.values();
            std::sort(programs.begin(), programs.end());
            instruments << programs;
        }
        QCOMPARE(tempos.size(), 6);
        QCOMPARE(instruments.size(), 6);
    }

    void fireIsShortSixteenBitPcmThatStartsSharplyAndDecays()
    {
        const QByteArray b = contents("fire.wav");
        QVERIFY(b.size() > 44);
        QCOMPARE(b.left(4), QByteArray("RIFF"));
        QCOMPARE(qsizetype(little(b, 4, 4)), b.size() - 8);
        QCOMPARE(b.mid(8, 8), QByteArray("WAVEfmt "));
        QCOMPARE(little(b, 16, 4), 16u);
        QCOMPARE(little(b, 20, 2), 1u);   // PCM
        const quint32 channels = little(b, 22, 2);
        const quint32 rate = little(b, 24, 4);
        QCOMPARE(little(b, 34, 2), 16u);  // bits a sample
        QCOMPARE(little(b, 32, 2), channels * 2);
        QCOMPARE(little(b, 28, 4), rate * channels * 2);
        QCOMPARE(b.mid(36, 4), QByteArray("data"));
        const quint32 dataBytes = little(b, 40, 4);
        QCOMPARE(qsizetype(dataBytes), b.size() - 44);

        const auto* samples = reinterpret_cast<const qint16*>(b.constData() + 44);
        const int frames = int(dataBytes / 2 / channels);
        const double seconds = double(frames) / rate;
        QVERIFY(seconds > 0.2 && seconds < 2.0);
        const auto rms = [&](double from, double to) {
            double sum = 0;
            const int a = int(from * rate) * int(channels);
            const int z = int(to * rate) * int(channels);
            for (int i = a; i < z; ++i)
                sum += double(samples[i]) * samples[i];
            return std::sqrt(sum / (z - a));
        };
        int peakAt = 0;
        for (int i = 0; i < frames * int(channels); ++i)
            if (std::abs(samples[i]) > std::abs(samples[peakAt]))
                peakAt = i;
        QVERIFY(std::abs(samples[peakAt]) > 16000);
        QVERIFY(double(peakAt) / channels / rate < 0.02);  // the loudest moment is at the very start
        QVERIFY(rms(0, 0.05) > 4000);
        QVERIFY(rms(seconds - 0.1, seconds) < rms(0, 0.05) / 20);  // and it has died away
    }
};

CARDOVIA_TEST_GUILESS_MAIN(MusicFilesTest)
#include "test_musicfiles.moc"
