// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A bare Qt window of the game's frame size, the yardstick of bench_startup:
// a main window with a File menu and a line of text, the least a Qt Widgets
// program shows. Exits as soon as it is mapped and prints its shared
// libraries and peak memory there.
//   xvfb-run -a build/bench/bench_bare_window [-v]

#include "process.h"

#include <QApplication>

#include <QElapsedTimer>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QWindow>
#include <cstdio>
#include <unistd.h>

namespace {

class Window : public QMainWindow {
public:
    Window(const QElapsedTimer& sinceMain, bool verbose) : sinceMain_(sinceMain), verbose_(verbose) {}

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Expose && windowHandle()->isExposed()) {
            const QStringList libraries = bench::libraries();
            std::printf("map: %lld ms after main, %lld shared libraries, peak memory %ld kB\n",
                        sinceMain_.elapsed(), qlonglong(libraries.size()), bench::statusKb("VmHWM"));
            if (verbose_)
                for (const QString& library : libraries)
                    std::printf("  %s\n", qPrintable(library));
            std::fflush(stdout);
            _exit(0);
        }
        return false;
    }

private:
    const QElapsedTimer& sinceMain_;
    bool verbose_;
};

} // namespace

int main(int argc, char** argv)
{
    QElapsedTimer sinceMain;
    sinceMain.start();
    QApplication application(argc, argv);
    Window window(sinceMain, argc > 1 && QByteArray(argv[1]) == "-v");
    window.setWindowTitle(QStringLiteral("Bare"));
    window.menuBar()->addMenu(QStringLiteral("&File"))->addAction(QStringLiteral("&Quit"), &application, &QApplication::quit);
    window.setCentralWidget(new QLabel(QStringLiteral("A bare Qt window.")));
    window.resize(640, 480);  // the game's frame: 9600 x 7200 twips
    window.show();
    window.windowHandle()->installEventFilter(&window);
    return QApplication::exec();
}
