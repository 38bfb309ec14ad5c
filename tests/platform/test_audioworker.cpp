// The players of a desktop session behind their worker: no sound library is
// in the process before the first "open", the commands given meanwhile are
// carried out in order once the module is in, and without the module the
// game stays silent.

#include "platform/audioworker.h"
#include "support/sound.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryFile>
#include <QtTest>

namespace {

const QStringList kData{QStringLiteral(CARDOVIA_TEST_DATA)};

// The module's copy beside the tests, where the desktop platform looks too.
QString module()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/cardovia-audio.so");
}

void play(MediaPlayer& player, const QString& file)
{
    player.setFileName(file);
    for (const char* word : {"open", "play", "prev"})
        player.setCommand(QString::fromLatin1(word));
}

} // namespace

class AudioWorkerTest : public QObject {
    Q_OBJECT

private slots:
    // First of all: once in, the libraries stay for the rest of the process.
    void theSoundLibrariesLoadWithTheFirstOpen()
    {
        QVERIFY2(QFile::exists(module()), qPrintable(module()));
        QCOMPARE(soundLibraries(), QStringList());
        DiskOutput disk;
        AudioWorker worker({module()}, kData);
        for (MediaPlayer* player : {&worker.sequencer(), &worker.waveAudio()}) {
            player->setFileName(QStringLiteral("1.mid"));
            for (const char* word : {"stop", "close", "play", "prev", "eject", " Stop "})
                player->setCommand(QString::fromLatin1(word));
        }
        worker.finish();
        QCOMPARE(soundLibraries(), QStringList());

        play(worker.sequencer(), QStringLiteral("1.mid"));
        worker.finish();
        QCOMPARE(soundLibraries(), (QStringList{"cardovia-audio.so", "libSDL2", "libfluidsynth", "libasound"}));
        QVERIFY(disk.rmsOver(800) > 300.0);
        worker.sequencer().stopAndClose();
        worker.finish();
        QVERIFY(disk.rmsOver(300) < 1.0);
    }

    void commandsGivenWhileItLoadsAreCarriedOutInOrder()
    {
        DiskOutput disk;
        // Play, then Stop before the output is even open: silence
        AudioWorker worker({module()}, kData);
        play(worker.sequencer(), QStringLiteral("1.mid"));
        worker.sequencer().stopAndClose();
        worker.finish();
        QVERIFY(disk.rmsOver(400) < 1.0);

        // Stop, then Play: music; a second Play at once plays on
        worker.sequencer().stopAndClose();
        play(worker.sequencer(), QStringLiteral("2.mid"));
        worker.sequencer().stopAndClose();
        play(worker.sequencer(), QStringLiteral("4.mid"));
        worker.finish();
        QVERIFY(disk.rmsOver(800) > 300.0);
    }

    void withoutTheModuleTheGameStaysSilent()
    {
        QTemporaryFile notALibrary;
        QVERIFY(notALibrary.open());
        notALibrary.write("not a library");
        notALibrary.close();
        DiskOutput disk;
        AudioWorker worker({QStringLiteral("/nonexistent/cardovia-audio.so"), notALibrary.fileName()}, kData);
        for (int i = 0; i < 3; ++i) {
            play(worker.sequencer(), QStringLiteral("1.mid"));
            play(worker.waveAudio(), QStringLiteral("fire.wav"));
            worker.sequencer().stopAndClose();
        }
        worker.finish();
        // the output never opened
        QCOMPARE(disk.mark(), 0);
    }

    void leavingWhileItLoadsDoesNotWait()
    {
        useDriver("dummy");
        for (int i = 0; i < 3; ++i) {
            AudioWorker worker({module()}, kData);
            play(worker.sequencer(), QStringLiteral("3.mid"));
            play(worker.waveAudio(), QStringLiteral("fire.wav"));
        }
    }
};

QTEST_GUILESS_MAIN(AudioWorkerTest)
#include "test_audioworker.moc"
