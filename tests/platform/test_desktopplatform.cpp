// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The real platform: its message box, its timers, its generator and its
// players, the whole numbers drawn from any generator, and
// the folders the music is looked for in.

#include "platform/appinfo.h"
#include "platform/datafolders.h"
#include "platform/desktopplatform.h"
#include "support/fakeplatform.h"
#include "support/sound.h"
#include "support/testmain.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>
#include <set>

class DesktopPlatformTest : public QObject {
    Q_OBJECT

private slots:
    void messageBoxHasTheAppTitleAndOneOk()
    {
        DesktopPlatform p;
        QString title, text;
        int buttons = 0;
        QTimer::singleShot(0, [&]() {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box);
            title = box->windowTitle();
            text = box->text();
            buttons = int(box->buttons().size());
            box->button(QMessageBox::Ok)->click();
        });
        p.MsgBox(QStringLiteral("Ya big liar!"));
        QCOMPARE(title, QString::fromUtf8(appinfo::kTitle));
        QCOMPARE(text, QStringLiteral("Ya big liar!"));
        QCOMPARE(buttons, 1);
    }

    void timersTickOnlyWhileEnabled()
    {
        DesktopPlatform p;
        int ticks = 0;
        auto timer = p.makeTimer([&]() { ++ticks; });
        QVERIFY(!timer->isEnabled());
        timer->setInterval(1);
        QTest::qWait(60);
        QCOMPARE(ticks, 0);

        timer->setEnabled(true);
        QCOMPARE(timer->interval(), 1);  // the interval reads back as set
        QTRY_VERIFY(ticks >= 3);
        timer->setEnabled(false);
        const int stopped = ticks;
        QTest::qWait(60);
        QCOMPARE(ticks, stopped);
    }

    void soundComesInWithTheFirstOpen()
    {
        useDriver("dummy");
        DesktopPlatform p;
        p.sequencer().stopAndClose();
        p.waveAudio().stopAndClose();
        QCoreApplication::processEvents();
        QCOMPARE(soundLibraries(), QStringList());
        p.sequencer().playFile(QStringLiteral(CARDOVIA_TEST_DATA "/1.mid"));
        // the module beside the program, loaded by the worker
        QTRY_VERIFY(soundLibraries().contains(QStringLiteral("cardovia-audio.so")));
    }

    void randomBetweenCoversTheWholeRange()
    {
        FakePlatform p;
        p.script({0.0f, 0.99999994f, 0.5f});
        QCOMPARE(randomBetween(p, 1, 75), 1);
        QCOMPARE(randomBetween(p, 1, 75), 75);
        QCOMPARE(randomBetween(p, 2, 13), 8);
        // scripted values for a wanted result land on it
        p.script({rndFor(7, 1, 75), rndFor(13, 2, 12)});
        QCOMPARE(randomBetween(p, 1, 75), 7);
        QCOMPARE(randomBetween(p, 2, 13), 13);
    }

    void reseedingNeverRestartsTheSequence()
    {
        DesktopPlatform p;
        std::set<float> seen;
        for (int i = 0; i < 2000; ++i) {
            p.Randomize();
            const float r = p.Rnd();
            QVERIFY(r >= 0.0f && r < 1.0f);
            seen.insert(r);
        }
        // back-to-back reseeds fall within one clock tick; the numbers still move on
        QVERIFY(seen.size() > 1990);
    }

    void desktopGeneratorIsUniform()
    {
        DesktopPlatform p;
        int counts[9] = {};
        const int n = 90000;
        for (int i = 0; i < n; ++i)
            ++counts[randomBetween(p, 1, 9) - 1];
        for (int c : counts)
            QVERIFY2(std::abs(c - n / 9) < 600, qPrintable(QString::number(c)));  // > 6 sigma
    }

    void dataFoldersRunFromTheBuildToTheInstallToXdg()
    {
        const QDir program(QCoreApplication::applicationDirPath());
        const QString installed = QDir::cleanPath(program.filePath(QStringLiteral(CARDOVIA_DATA_FROM_PROGRAM)));
        QTemporaryDir home;
        QTemporaryDir system;
        qputenv("XDG_DATA_HOME", QFile::encodeName(home.path()));
        // the install beside the program is also an XDG folder: it keeps its earlier place
        qputenv("XDG_DATA_DIRS", QFile::encodeName(system.path() + ":" + QFileInfo(installed).path()));
        const QStringList expected{program.filePath(QStringLiteral("data")), installed,
                                   home.filePath(QStringLiteral("cardovia")),
                                   system.filePath(QStringLiteral("cardovia"))};
        QCOMPARE(dataFolders(), expected);
        QVERIFY(!installed.contains(QLatin1String("..")));
        qunsetenv("XDG_DATA_HOME");
        qunsetenv("XDG_DATA_DIRS");
    }
};

CARDOVIA_TEST_MAIN(DesktopPlatformTest)
#include "test_desktopplatform.moc"
