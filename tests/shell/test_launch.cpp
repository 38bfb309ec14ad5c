// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Before the window: the command line, the answers to --help and --version
// (also from the game itself, without a display), and the word the game
// gives when there is no display to open its window on.

#include "platform/appinfo.h"
#include "platform/datafolders.h"
#include "shell/launch.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QString kTitle = QString::fromUtf8(appinfo::kTitle);
const QString kVersion = QString::fromUtf8(launch::kVersion);

struct Run {
    int status = -1;
    QString out;
    QString err;
};

// The game, started with these arguments and environment changes (an empty
// value removes the variable).
Run runGame(const QStringList& arguments, const QList<std::pair<QString, QString>>& env = {})
{
    QProcess game;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const auto& [name, value] : env) {
        if (value.isEmpty())
            environment.remove(name);
        else
            environment.insert(name, value);
    }
    game.setProcessEnvironment(environment);
    game.start(QStringLiteral(CARDOVIA_GAME_BINARY), arguments);
    Run run;
    if (!game.waitForFinished(20000) || game.exitStatus() != QProcess::NormalExit)
        return run;
    run.status = game.exitCode();
    run.out = QString::fromLocal8Bit(game.readAllStandardOutput());
    run.err = QString::fromLocal8Bit(game.readAllStandardError());
    return run;
}

const QList<std::pair<QString, QString>> kNoDisplay{
    {"DISPLAY", {}}, {"WAYLAND_DISPLAY", {}}, {"QT_QPA_PLATFORM", {}}};

// Sets or removes the display variables for one test, and puts them back.
class DisplayEnvironment {
public:
    DisplayEnvironment(const char* display, const char* wayland, const char* platform)
    {
        set("DISPLAY", display);
        set("WAYLAND_DISPLAY", wayland);
        set("QT_QPA_PLATFORM", platform);
    }
    ~DisplayEnvironment()
    {
        for (const auto& [name, value] : saved_) {
            if (value.isNull())
                qunsetenv(name);
            else
                qputenv(name, value);
        }
    }

private:
    void set(const char* name, const char* value)
    {
        saved_.emplace_back(name, qEnvironmentVariableIsSet(name) ? qgetenv(name) : QByteArray());
        if (value)
            qputenv(name, value);
        else
            qunsetenv(name);
    }
    std::vector<std::pair<const char*, QByteArray>> saved_;
};

} // namespace

class LaunchTest : public QObject {
    Q_OBJECT

private slots:
    void commandLine_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("help");
        QTest::addColumn<bool>("version");
        QTest::addColumn<QString>("error");
        QTest::newRow("nothing") << QStringList{} << false << false << QString();
        QTest::newRow("--help") << QStringList{"--help"} << true << false << QString();
        QTest::newRow("-h") << QStringList{"-h"} << true << false << QString();
        QTest::newRow("--version") << QStringList{"--version"} << false << true << QString();
        QTest::newRow("-v") << QStringList{"-v"} << false << true << QString();
        QTest::newRow("help beside a Qt option") << QStringList{"-platform", "xcb", "--help"} << true << false
                                                 << QString("Unknown option 'platform'.");
        // one of Qt's options, not -r -e -v -e ...
        QTest::newRow("-reverse") << QStringList{"-reverse"} << false << false << QString("Unknown option 'reverse'.");
        QTest::newRow("unknown") << QStringList{"--deal"} << false << false << QString("Unknown option 'deal'.");
        QTest::newRow("argument") << QStringList{"war"} << false << false << QString("Unexpected argument 'war'.");
    }

    void commandLine()
    {
        QFETCH(QStringList, arguments);
        QFETCH(bool, help);
        QFETCH(bool, version);
        QFETCH(QString, error);
        const launch::Request request = launch::read(QStringList{"cardovia"} + arguments);
        QCOMPARE(request.help, help);
        QCOMPARE(request.version, version);
        QCOMPARE(request.error, error);
    }

    void helpAndVersionTellWhereTheMusicIs()
    {
        QTemporaryDir here;
        QTemporaryDir xdg;
        QTemporaryDir system;  // not the machine's own, which may hold an installed copy
        const QString before = QDir::currentPath();
        QDir::setCurrent(here.path());
        qputenv("XDG_DATA_HOME", QFile::encodeName(xdg.path()));
        qputenv("XDG_DATA_DIRS", QFile::encodeName(system.path()));
        const QString music = xdg.filePath("cardovia");

        // the current folder first, then every data folder in order
        QString help = launch::helpText();
        QVERIFY2(help.contains(QLatin1String("--version")) && help.contains(kVersion), qPrintable(help));
        QString listed = help.section(QLatin1String("fire.wav) are looked for in:\n"), 1);
        QStringList folders;
        for (const QString& line : listed.split(QLatin1Char('\n'), Qt::SkipEmptyParts))
            folders << line.trimmed();
        QCOMPARE(folders, QStringList{QDir::currentPath()} + dataFolders());
        QVERIFY(!help.contains(QLatin1String("found here")));
        QCOMPARE(launch::versionText(), QString(kTitle + " " + kVersion + "\nmusic and sound: not found (see --help)\n"));

        // found in the XDG data folder; a folder named like the track does not count
        QDir(here.path()).mkdir("1.mid");
        QDir().mkpath(music);
        QFile::copy(QStringLiteral(CARDOVIA_TEST_DATA) + "/1.mid", music + "/1.mid");
        QVERIFY(launch::helpText().contains(music + "  (found here)\n"));
        QCOMPARE(launch::versionText(), QString(kTitle + " " + kVersion + "\nmusic and sound: " + music + "\n"));

        // the current folder wins
        QDir(here.path()).rmdir("1.mid");
        QFile::copy(QStringLiteral(CARDOVIA_TEST_DATA) + "/1.mid", here.filePath("1.mid"));
        QVERIFY(launch::versionText().endsWith(QDir::currentPath() + "\n"));
        QCOMPARE(launch::helpText().count(QLatin1String("found here")), 1);

        qunsetenv("XDG_DATA_HOME");
        qunsetenv("XDG_DATA_DIRS");
        QDir::setCurrent(before);
    }

    void displayProblem_data()
    {
        QTest::addColumn<QByteArray>("display");
        QTest::addColumn<QByteArray>("wayland");
        QTest::addColumn<QByteArray>("platform");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("problem");
        const QString xvfb = "; without one, run it as: xvfb-run -a cardovia";
        QTest::newRow("no display") << QByteArray() << QByteArray() << QByteArray() << QStringList{}
                                    << QString(kTitle + " needs a display" + xvfb);
        QTest::newRow("unreachable") << QByteArray(":99999") << QByteArray() << QByteArray() << QStringList{}
                                     << QString(kTitle + " cannot reach the display :99999" + xvfb);
        QTest::newRow("-display names it") << QByteArray(":99999") << QByteArray() << QByteArray()
                                           << QStringList{"-display", ":99998"}
                                           << QString(kTitle + " cannot reach the display :99998" + xvfb);
        QTest::newRow("QT_QPA_PLATFORM") << QByteArray() << QByteArray() << QByteArray("offscreen") << QStringList{}
                                         << QString();
        QTest::newRow("Wayland") << QByteArray() << QByteArray("wayland-0") << QByteArray() << QStringList{}
                                 << QString();
        QTest::newRow("-platform") << QByteArray(":99999") << QByteArray() << QByteArray()
                                   << QStringList{"-platform", "vnc"} << QString();
        QTest::newRow("--platform") << QByteArray() << QByteArray() << QByteArray()
                                    << QStringList{"--platform", "vnc"} << QString();
    }

    void displayProblem()
    {
        QFETCH(QByteArray, display);
        QFETCH(QByteArray, wayland);
        QFETCH(QByteArray, platform);
        QFETCH(QStringList, arguments);
        QFETCH(QString, problem);
        const auto orNull = [](const QByteArray& value) { return value.isEmpty() ? nullptr : value.constData(); };
        DisplayEnvironment env(orNull(display), orNull(wayland), orNull(platform));
        QCOMPARE(launch::displayProblem(QStringList{"cardovia"} + arguments), problem);
    }

    void theGameAnswersWithoutADisplay()
    {
        const Run version = runGame({"--version"}, kNoDisplay);
        QCOMPARE(version.status, 0);
        QVERIFY2(version.out.startsWith(kTitle + " " + kVersion + "\nmusic and sound: "), qPrintable(version.out));
        QCOMPARE(version.err, QString());

        const Run help = runGame({"-h"}, kNoDisplay);
        QCOMPARE(help.status, 0);
        QVERIFY2(help.out.contains(QLatin1String("-v, --version")) && help.out.contains(QLatin1String("1.mid")),
                 qPrintable(help.out));
    }

    void noDisplayGivesOneClearLine_data()
    {
        QTest::addColumn<QString>("display");
        QTest::newRow("unset") << QString();
        QTest::newRow("unreachable") << QStringLiteral(":99999");
    }

    void noDisplayGivesOneClearLine()
    {
        QFETCH(QString, display);
        const Run run = runGame({}, kNoDisplay + QList<std::pair<QString, QString>>{{"DISPLAY", display}});
        QCOMPARE(run.status, 1);  // an exit, not Qt's abort
        const QString err = run.err.trimmed();
        QVERIFY2(err.contains(QLatin1String("xvfb-run")) && err.contains(display), qPrintable(err));
        QCOMPARE(err.count(QLatin1Char('\n')), 0);
    }

    void theGameRefusesWhatItDoesNotTake()
    {
        // Qt takes its own options first; what is left is refused in one line
        const Run run = runGame({"-platform", "offscreen", "--deal"});
        QCOMPARE(run.status, 2);
        const QStringList lines = run.err.split(QLatin1Char('\n'), Qt::SkipEmptyParts).filter(QLatin1String("deal"));
        QCOMPARE(lines.size(), 1);
        QVERIFY2(lines.first().contains(QLatin1String("Unknown option 'deal'. Try '")), qPrintable(run.err));
    }
};

QTEST_MAIN(LaunchTest)
#include "test_launch.moc"
