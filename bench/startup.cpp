// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The game's whole start as a player sees it, from exec to its frame mapped
// and to the first frame of its main menu, beside the yardstick
// bench_bare_window (a bare Qt window with a menu) in the same run, round by
// round in turn: each child is a new process, timed from its start to the
// line it writes at the moment, which also gives its peak memory (VmHWM).
// The game's child runs the game's own start (startGame, as main() does),
// command line, display check and catalogues included.
//   xvfb-run -a build/bench/bench_startup [ROUNDS] [-v]
// LANG and LANGUAGE pass on to the children: LANG=de_DE.UTF-8 measures German.

#include "process.h"
#include "shell/start.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QWidget>
#include <QWindow>
#include <cstdio>
#include <unistd.h>

namespace {

// In the game's child: what it was asked to wait for ("map" or "menu").
QByteArray childMoment;
bool childVerbose = false;

void report(const char* moment)
{
    const QStringList libraries = bench::libraries();
    std::printf("%s: %lld shared libraries, %lld of them for sound, peak memory %ld kB\n", moment,
                qlonglong(libraries.size()), qlonglong(bench::audioLibraries().size()), bench::statusKb("VmHWM"));
    if (childVerbose)
        for (const QString& library : libraries)
            std::printf("  %s\n", qPrintable(library));
    std::fflush(stdout);
    _exit(0);  // the moment is what is measured, not the teardown
}

// Watches the application for the moment: the first window exposed (the
// frame with the loading screen), or the main menu's first paint.
class Moment : public QObject {
protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (childMoment == "map" && event->type() == QEvent::Expose) {
            if (auto* window = qobject_cast<QWindow*>(watched); window && window->isExposed())
                report("map");
        } else if (childMoment == "menu" && event->type() == QEvent::Paint &&
                   watched->objectName() == QLatin1String("frmMainMenu")) {
            // once this paint is done, the frame goes to the screen
            QMetaObject::invokeMethod(qApp, [] { report("menu"); }, Qt::QueuedConnection);
        }
        return false;
    }
};

// Made as each application object is, before the game's start goes on.
void watchForTheMoment()
{
    if (!childMoment.isEmpty())
        qApp->installEventFilter(new Moment);
}
Q_COREAPP_STARTUP_FUNCTION(watchForTheMoment)

struct Sample {
    double ms = -1;
    double kb = -1;
};

// A child from its start to its report.
Sample run(const QString& program, const QStringList& arguments, bool verbose)
{
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QElapsedTimer clock;
    clock.start();
    child.start(program, arguments);
    if (!child.waitForReadyRead(30000)) {
        std::fprintf(stderr, "%s %s said nothing: %s\n", qPrintable(program), qPrintable(arguments.join(' ')),
                     qPrintable(child.errorString()));
        return {};
    }
    const double ms = double(clock.nsecsElapsed()) / 1e6;
    child.waitForFinished(30000);
    const QString out = QString::fromLocal8Bit(child.readAllStandardOutput());
    if (verbose)
        std::fputs(qPrintable(out), stdout);
    static const QRegularExpression peak(QStringLiteral("peak memory (\\d+) kB"));
    const QRegularExpressionMatch m = peak.match(out);
    return {ms, m.hasMatch() ? m.captured(1).toDouble() : -1};
}

void row(const char* what, const std::vector<Sample>& samples, const std::vector<Sample>& bare)
{
    std::vector<double> ms, kb, pairs;
    for (std::size_t i = 0; i < samples.size(); ++i) {
        ms.push_back(samples[i].ms);
        kb.push_back(samples[i].kb);
        pairs.push_back(samples[i].ms / bare[i].ms);
    }
    std::vector<double> bareMs, bareKb;
    for (const Sample& s : bare) {
        bareMs.push_back(s.ms);
        bareKb.push_back(s.kb);
    }
    std::printf("%-10s %8.1f ms %6.2fx (pairs %.2fx) %8.0f kB %6.2fx\n", what, bench::median(ms),
                bench::median(ms) / bench::median(bareMs), bench::median(pairs), bench::median(kb),
                bench::median(kb) / bench::median(bareKb));
}

} // namespace

int main(int argc, char** argv)
{
    if (argc >= 3 && QByteArray(argv[1]) == "--child") {
        childMoment = argv[2];
        childVerbose = argc > 3 && QByteArray(argv[3]) == "-v";
        char* gameArgv[] = {argv[0], nullptr};
        return startGame(1, gameArgv, false);
    }
    const int rounds = argc > 1 && QByteArray(argv[1]) != "-v" ? std::max(1, atoi(argv[1])) : 7;
    const bool verbose = QByteArray(argv[argc - 1]) == "-v";
    const QString self = QString::fromLocal8Bit(argv[0]);
    const QString bare = QFileInfo(self).dir().filePath(QStringLiteral("bench_bare_window"));
    const QStringList childVerbose = verbose ? QStringList{QStringLiteral("-v")} : QStringList{};
    std::vector<Sample> map, menu, window;
    for (int round = 0; round < rounds; ++round) {
        // in turn, so that what else the machine does falls on both alike
        map.push_back(run(self, QStringList{"--child", "map"} + childVerbose, verbose));
        window.push_back(run(bare, childVerbose, verbose));
        menu.push_back(run(self, QStringList{"--child", "menu"}, false));
        std::printf("round %d: game mapped %.1f ms, menu %.1f ms, bare window mapped %.1f ms\n", round + 1,
                    map.back().ms, menu.back().ms, window.back().ms);
    }
    std::printf("%d rounds, medians from the start of each process\n", rounds);
    std::printf("%-10s %11s %6s %-13s %11s %7s\n", "", "time", "×bare", "", "peak", "×bare");
    row("game, map", map, window);
    row("game, menu", menu, window);
    row("bare, map", window, window);
    return 0;
}
