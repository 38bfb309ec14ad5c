// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The game's start as a player sees it: the frame mapped with the loading
// screen, then the menu. Exits at once at the chosen moment, so a timer of
// whole processes measures the time to it; prints the shared libraries and
// the peak memory there. Its counterpart is bench_bare_window.
//   xvfb-run -a build/bench/bench_startup map|menu [-v]

#include "shell/frmmainmenu.h"
#include "game.h"

#include <QElapsedTimer>
#include <QTimer>
#include <QWindow>
#include <cstdio>
#include <unistd.h>

namespace {

void report(const char* moment, const QElapsedTimer& sinceMain, bool verbose)
{
    const QStringList libraries = bench::libraries();
    std::printf("%s: %lld ms after main, %lld shared libraries, %lld of them for sound, peak memory %ld kB\n",
                moment, sinceMain.elapsed(), qlonglong(libraries.size()), qlonglong(bench::audioLibraries().size()),
                bench::statusKb("VmHWM"));
    if (verbose)
        for (const QString& library : libraries)
            std::printf("  %s\n", qPrintable(library));
    std::fflush(stdout);
    _exit(0);  // the moment is what is measured, not the teardown
}

// Calls back on the first event of a kind that reaches an object.
class OnEvent : public QObject {
public:
    OnEvent(QEvent::Type type, std::function<void()> then) : type_(type), then_(std::move(then)) {}

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == type_)
            then_();
        return false;
    }

private:
    QEvent::Type type_;
    std::function<void()> then_;
};

} // namespace

int main(int argc, char** argv)
{
    QElapsedTimer sinceMain;
    sinceMain.start();
    const QByteArray moment = argc > 1 ? QByteArray(argv[1]) : QByteArray("map");
    const bool verbose = argc > 2 && QByteArray(argv[2]) == "-v";
    QApplication application(argc, argv);
    bench::Game game;
    if (moment == "menu") {
        game.untilMenu();
        OnEvent painted(QEvent::Paint, [&] { QTimer::singleShot(0, [&] { report("menu", sinceMain, verbose); }); });
        game.app.existing<frmMainMenu>()->installEventFilter(&painted);
        game.app.existing<frmMainMenu>()->update();
        return QApplication::exec();
    }
    OnEvent exposed(QEvent::Expose, [&] {
        if (game.app.main().windowHandle()->isExposed())
            report("map", sinceMain, verbose);
    });
    game.app.main().windowHandle()->installEventFilter(&exposed);
    return QApplication::exec();
}
