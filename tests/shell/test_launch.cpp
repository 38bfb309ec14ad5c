// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Before the window: the command line, the answers to --help and --version
// (also from the game itself, without a display), the display the window
// opens on (a Wayland compositor's socket here, an X server of the test's
// own), and the word the game gives when there is none; and the texts that
// tell a desktop what the game is, which name every game.

#include "platform/appinfo.h"
#include "platform/datafolders.h"
#include "shell/display.h"
#include "shell/games.h"
#include "shell/launch.h"
#include "support/testmain.h"
#include "support/xvfb.h"

#include <QLocalServer>
#include <QRegularExpression>
#include <QProcess>
#include <QTemporaryDir>
#include <QTranslator>
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
    DisplayEnvironment(const char* display, const char* wayland, const char* platform, const char* runtime)
    {
        set("DISPLAY", display);
        set("WAYLAND_DISPLAY", wayland);
        set("QT_QPA_PLATFORM", platform);
        set("XDG_RUNTIME_DIR", runtime);
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

// Every match of `pattern`'s first group in the file of dist/, joined.
QString found(const QString& file, const QString& pattern)
{
    QFile dist(QFINDTESTDATA(QStringLiteral("../../dist/") + file));
    const QString text = dist.open(QIODevice::ReadOnly) ? QString::fromUtf8(dist.readAll()) : QString();
    QStringList all;
    // the metainfo's releases tell what each release brought, not what the game is
    for (const QRegularExpressionMatch& m : QRegularExpression(pattern).globalMatch(text.section("<releases>", 0, 0)))
        all << m.captured(1).replace(QStringLiteral("&amp;"), QStringLiteral("&"));
    return all.join(QLatin1Char('\n'));
}

} // namespace

class LaunchTest : public QObject {
    Q_OBJECT

    // A compositor's socket, in the runtime folder as libwayland finds it
    QTemporaryDir runtime_;
    QLocalServer compositor_;
    Xvfb x_;

private slots:
    void initTestCase()
    {
        QVERIFY(compositor_.listen(runtime_.filePath(QStringLiteral("wayland-test"))));
        QVERIFY(x_.ready());
    }

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
        // Qt's own options are Qt's to take
        QTest::newRow("help beside a Qt option") << QStringList{"-platform", "xcb", "--help"} << true << false
                                                 << QString();
        QTest::newRow("-style=fusion") << QStringList{"-style=fusion", "--display", ":1"} << false << false << QString();
        // one of Qt's options, not -r -e -v -e ...
        QTest::newRow("-reverse") << QStringList{"-reverse"} << false << false << QString();
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

    void findDisplay_data()
    {
        // "X" stands for the test's X server, "socket" for the compositor's
        // socket by its absolute path
        QTest::addColumn<QByteArray>("display");
        QTest::addColumn<QByteArray>("wayland");
        QTest::addColumn<QByteArray>("platform");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("opened");  // the platform chosen, or none
        QTest::addColumn<QStringList>("named");  // what the problem names
        const QByteArray none;
        QTest::newRow("no display") << none << none << none << QStringList{} << QString() << QStringList{"xvfb-run"};
        QTest::newRow("X unreachable") << QByteArray(":99999") << none << none << QStringList{} << QString()
                                       << QStringList{":99999", "xvfb-run"};
        QTest::newRow("-display names it") << QByteArray(":99999") << none << none << QStringList{"-display", ":99998"}
                                           << QString() << QStringList{":99998"};
        QTest::newRow("X") << QByteArray("X") << none << none << QStringList{} << QString("xcb") << QStringList{};
        QTest::newRow("Wayland") << none << QByteArray("wayland-test") << none << QStringList{} << QString("wayland")
                                 << QStringList{};
        QTest::newRow("Wayland by its path") << none << QByteArray("socket") << none << QStringList{}
                                             << QString("wayland") << QStringList{};
        QTest::newRow("Wayland before X") << QByteArray("X") << QByteArray("wayland-test") << none << QStringList{}
                                          << QString("wayland") << QStringList{};
        QTest::newRow("Wayland unreachable") << none << QByteArray("nonexistent") << none << QStringList{}
                                             << QString() << QStringList{"nonexistent", "xvfb-run"};
        QTest::newRow("Wayland unreachable, X") << QByteArray("X") << QByteArray("nonexistent") << none
                                                << QStringList{} << QString("xcb") << QStringList{};
        // a chosen platform is checked too, and the first of a list that can open is taken
        QTest::newRow("QT_QPA_PLATFORM") << none << none << QByteArray("offscreen:configfile=a.json") << QStringList{}
                                         << QString("offscreen:configfile=a.json") << QStringList{};
        QTest::newRow("no such plugin") << QByteArray("X") << none << QByteArray("bogus") << QStringList{}
                                        << QString() << QStringList{"\"bogus\""};
        QTest::newRow("Wayland chosen, unreachable") << QByteArray("X") << none << QByteArray("wayland")
                                                     << QStringList{} << QString() << QStringList{"wayland-0"};
        QTest::newRow("a list") << QByteArray("X") << QByteArray("nonexistent") << QByteArray("wayland;xcb")
                                << QStringList{} << QString("xcb") << QStringList{};
        QTest::newRow("-platform") << QByteArray(":99999") << none << QByteArray("wayland")
                                   << QStringList{"-platform", "offscreen"} << QString("offscreen") << QStringList{};
        QTest::newRow("--platform") << none << none << none << QStringList{"--platform", "offscreen"}
                                    << QString("offscreen") << QStringList{};
    }

    void findDisplay()
    {
        QFETCH(QByteArray, display);
        QFETCH(QByteArray, wayland);
        QFETCH(QByteArray, platform);
        QFETCH(QStringList, arguments);
        QFETCH(QString, opened);
        QFETCH(QStringList, named);
        if (display == "X")
            display = x_.display().toLocal8Bit();
        if (wayland == "socket")
            wayland = QFile::encodeName(compositor_.fullServerName());
        const auto orNull = [](const QByteArray& value) { return value.isEmpty() ? nullptr : value.constData(); };
        DisplayEnvironment env(orNull(display), orNull(wayland), orNull(platform),
                               QFile::encodeName(runtime_.path()).constData());
        const launch::Display found = launch::findDisplay(QStringList{"cardovia"} + arguments);
        QCOMPARE(found.platform, opened);
        if (!opened.isEmpty())
            return;
        const QString problem = launch::problem(found, QStringLiteral("cardovia"));
        QVERIFY2(!problem.contains(QLatin1Char('\n')), qPrintable(problem));
        for (const QString& name : named)
            QVERIFY2(problem.contains(name), qPrintable(problem));
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
        QTest::addColumn<QString>("wayland");
        QTest::newRow("unset") << QString() << QString();
        QTest::newRow("unreachable") << QStringLiteral(":99999") << QString();
        QTest::newRow("Wayland unreachable") << QString() << QStringLiteral("nonexistent");
    }

    void noDisplayGivesOneClearLine()
    {
        QFETCH(QString, display);
        QFETCH(QString, wayland);
        const Run run = runGame({}, kNoDisplay + QList<std::pair<QString, QString>>{{"DISPLAY", display},
                                                                                   {"WAYLAND_DISPLAY", wayland}});
        QCOMPARE(run.status, 1);  // an exit, not Qt's abort
        const QString err = run.err.trimmed();
        QVERIFY2(err.contains(QLatin1String("xvfb-run")) && err.contains(display + wayland), qPrintable(err));
        QCOMPARE(err.count(QLatin1Char('\n')), 0);
    }

    void theGameRefusesWhatItDoesNotTake_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("display");
        // Qt's options are Qt's; what is left is refused, with a display or without
        QTest::newRow("beside a Qt option") << QStringList{"-platform", "offscreen", "--deal"} << QString();
        QTest::newRow("no display") << QStringList{"--deal"} << QString();
        QTest::newRow("unreachable display") << QStringList{"--deal"} << QStringLiteral(":99999");
    }

    void theGameRefusesWhatItDoesNotTake()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, display);
        const Run run = runGame(arguments, kNoDisplay + QList<std::pair<QString, QString>>{{"DISPLAY", display}});
        QCOMPARE(run.status, 2);
        const QStringList lines = run.err.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 1);
        QVERIFY2(lines.first().contains(QLatin1String("Unknown option 'deal'. Try '")), qPrintable(run.err));
    }

    // The launcher, the metainfo, the manual pages, the package, the README
    // and the summary (--help, the About box) name every game of the table:
    // in each language by the name its catalogue gives the game ("&" may be
    // that language's "and").
    void theDesktopsTextsNameEveryGame_data()
    {
        QTest::addColumn<QString>("language");
        for (const char* language : {"en", "de", "fr", "es"})
            QTest::newRow(language) << QString::fromLatin1(language);
    }

    void theDesktopsTextsNameEveryGame()
    {
        QFETCH(QString, language);
        const bool english = language == QLatin1String("en");
        QTranslator catalogue;
        QVERIFY(english || catalogue.load(QStringLiteral(":/i18n/cardovia_%1.qm").arg(language)));
        QCoreApplication::installTranslator(&catalogue);
        const QString desktop = QStringLiteral(CARDOVIA_APP_ID ".desktop");
        const QString metainfo = QStringLiteral(CARDOVIA_APP_ID ".metainfo.xml");
        const QString key = english ? QString() : QStringLiteral("\\[%1\\]").arg(language);
        const QString lang = english ? QString() : QStringLiteral(" xml:lang=\"%1\"").arg(language);
        QStringList entries{found(desktop, QStringLiteral("\nComment%1=([^\n]*)").arg(key)),
                            found(desktop, QStringLiteral("\nKeywords%1=([^\n]*)").arg(key)),
                            found(metainfo, QStringLiteral("<li%1>([^<]*)</li>").arg(lang)),
                            found(metainfo, QStringLiteral("<keyword%1>([^<]*)</keyword>").arg(lang)),
                            launch::summary()};
        // the manual page's name line (under its first heading) and its paragraph for each game,
        // each language's page its own
        const QString page =
            english ? QStringLiteral("cardovia.6.in") : QStringLiteral("cardovia.%1.6.in").arg(language);
        entries << found(page, QStringLiteral("\\.TH [^\n]*\n(?:[^\n]*\n)*?\\.SH [^\n]+\n([^\n]*)"))
                << found(page, QStringLiteral("\n\\.B ([^\n]*)"));
        if (english)  // the package's description and the README's first paragraph
            entries << found("CMakeLists.txt", "\nset\\(CPACK_PACKAGE_DESCRIPTION\n([^)]*)\\)").simplified()
                    << found("../README.md", "\\A# [^\n]*\n\n([^#]*?)\n\n").remove(u'*').simplified();
        const QString andWord = QCoreApplication::translate("launch", "%1 and %2").arg(QString(), QString()).trimmed();
        for (const games::Game& game : games::kGames) {
            const QString name = games::name(game);
            const QString spelt = QString(name).replace(QStringLiteral("&"), andWord);
            for (const QString& entry : entries)
                QVERIFY2(entry.contains(name, Qt::CaseInsensitive) || entry.contains(spelt, Qt::CaseInsensitive),
                         qPrintable(QStringLiteral("%1 misses %2").arg(entry, name)));
        }
    }

    // What the game says before its window is in the player's language:
    // at the least, Qt's own words in it change with the language.
    void theGameAnswersInThePlayersLanguage_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("help") << QStringList{"-h"};
        QTest::newRow("refused") << QStringList{"--deal"};
    }

    void theGameAnswersInThePlayersLanguage()
    {
        QFETCH(QStringList, arguments);
        if (QTranslator german; !german.load(QStringLiteral(":/i18n/cardovia_de.qm")) || german.isEmpty())
            QSKIP("the game has no German catalogue in this build");
        const Run english = runGame(arguments, kNoDisplay + QList<std::pair<QString, QString>>{{"LANGUAGE", "en"}});
        const Run german = runGame(arguments, kNoDisplay + QList<std::pair<QString, QString>>{{"LANGUAGE", "de"}});
        QCOMPARE(german.status, english.status);
        QCOMPARE(german.err.count(QLatin1Char('\n')), english.err.count(QLatin1Char('\n')));
        QVERIFY2(german.out + german.err != english.out + english.err, qPrintable(german.out + german.err));
    }
};

CARDOVIA_TEST_MAIN(LaunchTest)
#include "test_launch.moc"
