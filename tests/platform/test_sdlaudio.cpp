// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The real SDL players. Without an audio device, and with every kind of bad
// file, they stay closed or silent and write nothing to standard error; with
// SDL's disk driver the generated music and fire sound really come out.

#include "platform/sdlaudio.h"
#include "support/logged.h"
#include "support/sound.h"
#include "support/testmain.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>
#include <SDL.h>
#include <SDL_mixer.h>
#include <algorithm>
#include <cerrno>
#include <cmath>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sys/resource.h>
#include <unistd.h>

namespace {

const QString kData = QStringLiteral(CARDOVIA_TEST_DATA);

// Collects what is written to standard error while it lives.
class StderrCapture {
public:
    StderrCapture() : file_(QDir::temp().filePath(QStringLiteral("cardovia-stderr-XXXXXX")))
    {
        file_.open();
        std::fflush(stderr);
        saved_ = dup(STDERR_FILENO);
        dup2(file_.handle(), STDERR_FILENO);
    }
    ~StderrCapture() { restore(); }
    QString text()
    {
        restore();
        file_.seek(0);
        return QString::fromLocal8Bit(file_.readAll());
    }

private:
    void restore()
    {
        if (saved_ < 0)
            return;
        std::fflush(stderr);
        dup2(saved_, STDERR_FILENO);
        close(saved_);
        saved_ = -1;
    }
    QTemporaryFile file_;
    int saved_ = -1;
};

// The broken files a player may meet, each under a name it could be given.
struct BadFiles {
    QTemporaryDir dir;
    QStringList names;

    BadFiles()
    {
        const auto write = [&](const QString& name, const QByteArray& bytes) {
            QFile f(dir.filePath(name));
            f.open(QIODevice::WriteOnly);
            f.write(bytes);
            names << f.fileName();
        };
        QFile track(kData + "/1.mid");
        track.open(QIODevice::ReadOnly);
        const QByteArray midi = track.readAll();
        QFile fire(kData + "/fire.wav");
        fire.open(QIODevice::ReadOnly);
        const QByteArray wave = fire.readAll();

        for (const char* ext : {"mid", "wav"}) {
            write(QStringLiteral("empty.%1").arg(ext), {});
            write(QStringLiteral("garbage.%1").arg(ext), QByteArray(5000, '\x5a'));
            // a directory that carries a file's name
            QDir(dir.path()).mkdir(QStringLiteral("folder.%1").arg(ext));
            names << dir.filePath(QStringLiteral("folder.%1").arg(ext));
            names << dir.filePath(QStringLiteral("missing.%1").arg(ext));
        }
        write("truncated.mid", midi.left(200));
        write("header-only.mid", midi.left(14));
        write("garbage-track.mid", midi.left(22) + QByteArray(5000, '\x7f'));
        write("truncated.wav", wave.left(40));  // ends inside the header
        QByteArray unknownFormat = wave;
        unknownFormat[20] = '\x99';  // no such sample format
        write("unknown-format.wav", unknownFormat);
    }
};

// Every command word, in the orders the application sends them and in
// orders it never does.
void exercise(MediaPlayer& player, const QString& file)
{
    player.setFileName(file);
    for (const char* word : {"open", "play", "prev", "open", "play", "stop", "prev", "play", "stop", "close", "close",
                             "play", "prev", "stop", "open"})
        player.setCommand(QString::fromLatin1(word));
}

// While it lives, no file this process writes grows beyond `bytes`, as on a
// full disk: a write past it fails instead of raising SIGXFSZ.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &saved_);
        signal_ = std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{bytes, saved_.rlim_max};
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        lift();
        std::signal(SIGXFSZ, signal_);
    }
    void lift() { setrlimit(RLIMIT_FSIZE, &saved_); }

private:
    rlimit saved_{};
    void (*signal_)(int) = nullptr;
};

} // namespace

class SdlAudioTest : public QObject {
    Q_OBJECT

private slots:
    void withoutADeviceEveryFileStaysClosedAndQuiet_data()
    {
        QTest::addColumn<QByteArray>("driver");
        QTest::addColumn<QByteArray>("device");
        QTest::addColumn<QByteArray>("diskFile");
        QTest::newRow("no such driver") << QByteArray("nosuchdriver") << QByteArray() << QByteArray();
        QTest::newRow("ALSA without the card") << QByteArray("alsa") << QByteArray("hw:99") << QByteArray();
        QTest::newRow("disk that cannot be written")
            << QByteArray("disk") << QByteArray() << QByteArray("/nonexistent-dir/out.raw");
    }

    void withoutADeviceEveryFileStaysClosedAndQuiet()
    {
        QFETCH(QByteArray, driver);
        QFETCH(QByteArray, device);
        QFETCH(QByteArray, diskFile);
        useDriver(driver.constData(), diskFile);
        qputenv("AUDIODEV", device);
        BadFiles bad;
        StderrCapture err;
        const Logged unasked(Logged::Rules::Unasked);
        {
            SdlAudio audio;
            SdlPlayer music(audio, SdlPlayer::Device::Sequencer, {});
            SdlPlayer sound(audio, SdlPlayer::Device::WaveAudio, {});
            for (const QString& file : QStringList{kData + "/1.mid", kData + "/fire.wav"} + bad.names) {
                for (SdlPlayer* p : {&music, &sound}) {
                    p->setFileName(file);
                    p->setCommand("open");
                    p->setCommand("play");
                    p->setCommand("prev");
                    QVERIFY2(!p->isOpen() && !p->isPlaying(), qPrintable(file));
                    exercise(*p, file);
                    QVERIFY(!p->isOpen());
                }
            }
            QVERIFY(!audio.ready());
        }
        QVERIFY2(unasked.lines().isEmpty(), qPrintable(unasked.lines().join('\n')));
        {
            // asked, it says why
            const Logged asked;
            SdlAudio audio;
            QVERIFY(!audio.ready());
            QVERIFY2(asked.says("cardovia.audio", {"no sound"}), qPrintable(asked.lines().join('\n')));
        }
        qunsetenv("AUDIODEV");
        QCOMPARE(err.text(), QString());
    }

    void badFilesOnAWorkingDeviceStaySilent()
    {
        DiskOutput disk;
        BadFiles bad;
        SdlAudio audio;
        QVERIFY(audio.ready());  // the disk driver announces itself here, before the capture
        SdlPlayer music(audio, SdlPlayer::Device::Sequencer, {});
        SdlPlayer sound(audio, SdlPlayer::Device::WaveAudio, {});

        StderrCapture err;
        const qint64 from = disk.mark();
        for (const QString& file : bad.names) {
            for (SdlPlayer* p : {&music, &sound}) {
                p->setFileName(file);
                p->setCommand("open");
                p->setCommand("play");
                p->setCommand("prev");
                QThread::msleep(30);
                exercise(*p, file);
                p->setCommand("play");
            }
        }
        // whatever FluidSynth made of the broken songs has had time to sound
        QVERIFY2(disk.rms(from, disk.await(disk.mark(), 300)) < 1.0, "a broken file made a sound");
        for (const QString& name : bad.names)
            if (!name.endsWith(QLatin1String(".mid")))
                for (SdlPlayer* p : {&music, &sound}) {
                    p->setFileName(name);
                    p->setCommand("open");
                    QVERIFY2(!p->isOpen(), qPrintable(name));
                }
        QCOMPARE(err.text(), QString());
    }

    void commandsToAClosedPlayerDoNothing()
    {
        useDriver("dummy");
        SdlAudio audio;
        for (auto device : {SdlPlayer::Device::Sequencer, SdlPlayer::Device::WaveAudio}) {
            SdlPlayer p(audio, device, {});
            for (const char* word : {"play", "prev", "stop", "close", "eject", "", "open", "play"})
                p.setCommand(QString::fromLatin1(word));  // "open" without a file name
            QVERIFY(!p.isOpen() && !p.isPlaying());
        }
    }

    void theCommandWordsDriveTheDevice_data()
    {
        QTest::addColumn<int>("device");
        QTest::addColumn<QString>("file");
        QTest::newRow("Sequencer") << int(SdlPlayer::Device::Sequencer) << kData + "/1.mid";
        QTest::newRow("WaveAudio") << int(SdlPlayer::Device::WaveAudio) << kData + "/fire.wav";
    }

    void theCommandWordsDriveTheDevice()
    {
        QFETCH(int, device);
        QFETCH(QString, file);
        useDriver("dummy");
        SdlAudio audio;
        SdlPlayer p(audio, SdlPlayer::Device(device), {});
        p.setFileName(file);
        p.setCommand("open");
        QVERIFY(p.isOpen() && !p.isPlaying());
        p.setCommand("play");
        QVERIFY(p.isPlaying());
        p.setCommand("prev");
        QVERIFY(p.isPlaying());
        p.setCommand("stop");
        QVERIFY(p.isOpen() && !p.isPlaying());
        p.setCommand("prev");
        QVERIFY(!p.isPlaying());
        p.setCommand("play");
        QVERIFY(p.isPlaying());
        // opening again while it plays releases the first file, as every
        // fire sound of Fire & Ice does
        for (int i = 0; i < 3; ++i)
            for (const char* word : {"open", "play", "prev"})
                p.setCommand(QString::fromLatin1(word));
        QVERIFY(p.isPlaying());
        p.setCommand("close");
        QVERIFY(!p.isOpen() && !p.isPlaying());
    }

    void filesAreFoundHereFirstThenInTheDataFoldersInOrder()
    {
        useDriver("dummy");
        QTemporaryDir here;
        QTemporaryDir first;
        QTemporaryDir second;
        const QString before = QDir::currentPath();
        QDir::setCurrent(here.path());
        SdlAudio audio;
        SdlPlayer sound(audio, SdlPlayer::Device::WaveAudio, {first.path(), second.path()});
        const auto openFire = [&] {
            sound.setFileName("fire.wav");
            sound.setCommand("open");
            return sound.isOpen();
        };
        enum Kind { None, Good, Broken, Folder };
        const auto place = [](const QTemporaryDir& dir, Kind kind) {
            QFile::remove(dir.filePath("fire.wav"));
            QDir(dir.path()).rmdir("fire.wav");
            if (kind == Good)
                QFile::copy(kData + "/fire.wav", dir.filePath("fire.wav"));
            if (kind == Folder)
                QDir(dir.path()).mkdir("fire.wav");
            if (kind == Broken) {
                QFile broken(dir.filePath("fire.wav"));
                broken.open(QIODevice::WriteOnly);
                broken.write("not a wave");
            }
        };

        QVERIFY(!openFire());  // in none
        place(second, Good);
        QVERIFY(openFire());   // only in the last data folder
        place(here, Folder);
        place(first, Folder);
        QVERIFY(openFire());   // directories named like it hide nothing
        place(first, Broken);
        QVERIFY(!openFire());  // the first folder that holds it decides, even a broken file
        place(first, None);
        place(second, None);
        place(here, Good);
        QVERIFY(openFire());   // only here
        // here comes first: a broken file here is not replaced by a good one there
        place(here, Broken);
        place(first, Good);
        QVERIFY(!openFire());
        QDir::setCurrent(before);
    }

    void filesBeyondWhatThePlayersTakeStayClosed()
    {
        useDriver("dummy");
        QTemporaryDir dir;
        const auto file = [&](const QString& name, const QByteArray& bytes) {
            QFile f(dir.filePath(name));
            f.open(QIODevice::WriteOnly);
            f.write(bytes);
            return f.fileName();
        };
        const QByteArray largest = denseMidi(SdlPlayer::kMaxSongBytes);
        const QByteArray larger = denseMidi(SdlPlayer::kMaxSongBytes + 8);
        QVERIFY(largest.size() <= SdlPlayer::kMaxSongBytes && larger.size() > SdlPlayer::kMaxSongBytes);
        // ten seconds that say they are two gigabytes: what the file holds counts
        QByteArray lying = waveFile(10, 44100, 2, 16);
        lying.replace(40, 4, QByteArray("\xff\xff\xff\x7f", 4));
        // each refused with its reason, for a player who asks why it is silent
        const struct {
            SdlPlayer::Device device;
            QString file;
            const char* why;  // none: it opens
        } cases[] = {
            {SdlPlayer::Device::Sequencer, file("largest.mid", largest), nullptr},
            {SdlPlayer::Device::Sequencer, file("larger.mid", larger), "larger than"},
            {SdlPlayer::Device::WaveAudio, file("29s.wav", waveFile(29, 8000, 1, 8)), nullptr},
            {SdlPlayer::Device::WaveAudio, file("31s.wav", waveFile(31, 8000, 1, 8)), "longer than 30 s"},
            // a few bytes that play for minutes at a hundred samples a second
            {SdlPlayer::Device::WaveAudio, file("slow.wav", waveFile(200, 100, 1, 8)), "longer than"},
            // short, but more bytes than a sound is allowed
            {SdlPlayer::Device::WaveAudio, file("dense.wav", waveFile(24, 96000, 2, 16)), "larger than"},
            {SdlPlayer::Device::WaveAudio, file("lying.wav", lying), nullptr},
            {SdlPlayer::Device::WaveAudio, file("garbage.wav", QByteArray(5000, 'z')), "not a wave file"},
            {SdlPlayer::Device::Sequencer, file("garbage.mid", QByteArray(5000, 'z')), "not a standard MIDI file"},
            {SdlPlayer::Device::Sequencer, file("empty.mid", {}), "empty"},
            {SdlPlayer::Device::WaveAudio, dir.filePath("missing.wav"), "neither in the current folder"},
            // a MIDI file's header, cut off in its track: refused when it starts
            {SdlPlayer::Device::Sequencer, file("cut.mid", denseMidi(4096).left(100)), "no music"},
            // a regular file that opens, but whose reading fails
            {SdlPlayer::Device::WaveAudio, QStringLiteral("/proc/self/mem"), std::strerror(EIO)},
        };
        const Logged logged;
        SdlAudio audio;
        for (const auto& c : cases) {
            SdlPlayer player(audio, c.device, {});
            player.setFileName(c.file);
            player.setCommand("open");
            player.setCommand("play");
            QVERIFY2(player.isPlaying() == !c.why, qPrintable(c.file));
            if (c.why)
                QVERIFY2(logged.says("cardovia.data", {c.file, QString::fromLatin1(c.why)}),
                         qPrintable(logged.lines().join('\n')));
        }
    }

    // What SDL_mixer refuses to an open player: a channel when every one is
    // sounding, the output's format once its output was closed under it.
    void whatTheMixerRefusesIsSaid()
    {
        useDriver("dummy");
        const Logged logged;
        SdlAudio audio;
        QVERIFY(audio.ready());
        std::vector<std::unique_ptr<SdlPlayer>> sounds;
        for (int i = 0; i <= Mix_AllocateChannels(-1); ++i) {
            sounds.push_back(std::make_unique<SdlPlayer>(audio, SdlPlayer::Device::WaveAudio, QStringList{kData}));
            sounds.back()->playFile("fire.wav");
        }
        QVERIFY(sounds.front()->isPlaying() && sounds.back()->isOpen() && !sounds.back()->isPlaying());
        QVERIFY(logged.says("cardovia.audio", {"fire.wav", "not played"}));
        sounds.clear();

        Mix_CloseAudio();
        SdlPlayer music(audio, SdlPlayer::Device::Sequencer, {kData});
        music.playFile("1.mid");
        QVERIFY(!music.isOpen());
        QVERIFY2(logged.says("cardovia.audio", {"no music", "closed"}), qPrintable(logged.lines().join('\n')));
    }

    void playAfterStopAndPrevStartTheSongAgain()
    {
        DiskOutput disk;
        SdlAudio audio;
        SdlPlayer music(audio, SdlPlayer::Device::Sequencer, {kData});
        music.setFileName("2.mid");
        music.setCommand("open");
        const auto playFor = [&](int ms) {
            const qint64 from = disk.mark();
            music.setCommand("play");
            const qint64 played = disk.await(from, ms);
            music.setCommand("stop");
            disk.await(played, 200);
            return disk.soundAfter(from, 500);
        };
        const QList<qint16> first = playFor(1500);
        const QList<qint16> again = playFor(800);
        QCOMPARE(first.size(), 44100);
        // the synthesiser is deterministic: the same start gives the same samples
        QCOMPARE(again, first);

        // "prev" while it plays: the song's first half second follows at once
        music.setCommand("play");
        disk.await(disk.mark(), 800);
        const qint64 from = disk.mark();
        music.setCommand("prev");
        const QList<qint16> after = disk.samples(from, disk.await(from, 700));
        const QList<qint16> opening = first.mid(0, 22050);
        QVERIFY(std::search(after.begin(), after.end(), opening.begin(), opening.end()) != after.end());
    }

    void aChangedSoundFileIsReadAgain()
    {
        DiskOutput disk;
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("fire.wav"));
        QVERIFY(QFile::copy(kData + "/fire.wav", path));
        SdlAudio audio;
        SdlPlayer sound(audio, SdlPlayer::Device::WaveAudio, {});
        const auto shot = [&] {
            const qint64 from = disk.mark();
            for (const char* word : {"open", "play", "prev"})
                sound.setCommand(QString::fromLatin1(word));
            const double loud = disk.rms(from, disk.await(from, 350));
            disk.await(disk.mark(), 1000);  // it has faded out
            return loud;
        };
        sound.setFileName(path);
        QVERIFY(shot() > 1000.0);
        QVERIFY(shot() > 1000.0);  // again, as every right call of Fire & Ice
        // the same name and size, but silent now
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadWrite));
        const QByteArray wave = file.readAll();
        const qsizetype data = wave.indexOf("data") + 8;
        file.seek(data);
        file.write(QByteArray(wave.size() - data, '\0'));
        file.close();
        QCOMPARE(shot(), 0.0);
    }

    // The device goes (here the disk driver's file can grow no further, as
    // when a headset is unplugged or the sound server restarts): the next
    // Play opens the output afresh, and until then nothing tries.
    void aLostDeviceIsOpenedAfreshByTheNextPlay()
    {
        DiskOutput disk;
        constexpr qint64 kFull = 64 * 1024;
        FileSizeLimit full(kFull);
        SdlAudio audio;
        SdlPlayer music(audio, SdlPlayer::Device::Sequencer, {kData});
        SdlPlayer sound(audio, SdlPlayer::Device::WaveAudio, {kData});
        sound.setFileName("fire.wav");
        sound.setCommand("open");
        music.playFile("1.mid");
        QTRY_VERIFY(SDL_HasEvent(SDL_AUDIODEVICEREMOVED));
        QCOMPARE(disk.mark(), kFull);

        // no device to be had: Play leaves both players closed
        useDriver("nosuchdriver");
        const Logged logged;
        music.stopAndClose();
        music.playFile("1.mid");
        sound.playFile("fire.wav");
        QVERIFY(!music.isOpen() && !sound.isOpen() && !audio.ready());
        QVERIFY2(logged.says("cardovia.audio", {"taken away"}), qPrintable(logged.lines().join('\n')));

        // the room is back, and nothing writes to it until Play
        full.lift();
        disk.use();
        QThread::msleep(200);
        QCOMPARE(disk.mark(), kFull);
        music.stopAndClose();
        music.playFile("2.mid");
        QVERIFY2(disk.rmsOver(800) > 300.0, "no music after the device came back");
        music.stopAndClose();
        // the fire sound is converted again for the new output
        sound.playFile("fire.wav");
        const qint64 from = disk.mark();
        QVERIFY(disk.rms(from, disk.await(from, 350)) > 1000.0);
    }

    void musicAndFireSoundComeOut()
    {
        DiskOutput disk;
        SdlAudio audio;
        SdlPlayer music(audio, SdlPlayer::Device::Sequencer, {kData});
        SdlPlayer sound(audio, SdlPlayer::Device::WaveAudio, {kData});

        for (const char* track : {"1.mid", "4.mid"}) {
            music.setFileName(QString::fromLatin1(track));
            for (const char* word : {"open", "play", "prev"})
                music.setCommand(QString::fromLatin1(word));
            // the intro bars hold chords and bass, so sound starts at once
            const double loud = disk.rmsOver(1200);
            QVERIFY2(loud > 300.0, qPrintable(QStringLiteral("%1: rms %2").arg(track).arg(loud)));
            music.setCommand("stop");
            music.setCommand("close");
            const double quiet = disk.rmsOver(300);
            QVERIFY2(quiet < 1.0, qPrintable(QStringLiteral("after stop: rms %1").arg(quiet)));
        }

        sound.setFileName("fire.wav");
        for (const char* word : {"open", "play", "prev"})
            sound.setCommand(QString::fromLatin1(word));
        const qint64 from = disk.mark();
        const qint64 shotEnd = disk.await(from, 350);
        const double shot = disk.rms(from, shotEnd);
        QVERIFY2(shot > 1000.0, qPrintable(QStringLiteral("fire: rms %1").arg(shot)));
        // it fades out by itself
        disk.await(shotEnd, 800);
        QVERIFY(!sound.isPlaying());
        QVERIFY(disk.rmsOver(200) < 1.0);
    }
};

CARDOVIA_TEST_GUILESS_MAIN(SdlAudioTest)
#include "test_sdlaudio.moc"
