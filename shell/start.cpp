// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/start.h"

#include "platform/appinfo.h"
#include "platform/desktopplatform.h"
#include "shell/cardovia.h"
#include "shell/display.h"
#include "shell/frmmain.h"
#include "shell/launch.h"
#include "toolkit/language.h"

#include <QApplication>
#include <cstdio>
#include <memory>

namespace {

// Once the application object exists.
void nameTheApplication()
{
    QCoreApplication::setApplicationName(QString::fromUtf8(appinfo::kTitle));
    QCoreApplication::setApplicationVersion(QString::fromUtf8(launch::kVersion));
}

// What the game says instead of opening its window (--help, --version, an
// option refused, or why no window can open), in the player's language,
// from an application object that needs no display. The status to end with.
int answerWithoutWindow(int argc, char** argv, const QStringList& arguments, const launch::Display& display)
{
    QCoreApplication core(argc, argv);
    nameTheApplication();
    const language::Catalogues catalogues;
    // read again, now that Qt's own words come in the player's language
    const launch::Request request = launch::read(arguments);
    if (request.help || request.version) {
        const QString text = request.help ? launch::helpText() : launch::versionText();
        std::fputs(text.toLocal8Bit().constData(), stdout);
        return 0;
    }
    const QString program = arguments.value(0, QStringLiteral("cardovia"));
    if (!request.error.isEmpty()) {
        const QString line =
            QCoreApplication::translate("launch", "%1: %2 Try '%1 --help'.").arg(program, request.error);
        std::fprintf(stderr, "%s\n", line.toLocal8Bit().constData());
        return 2;
    }
    std::fprintf(stderr, "%s\n", launch::problem(display, program).toLocal8Bit().constData());
    return 1;
}

} // namespace

int startGame(int argc, char** argv, bool shutdownAtEnd)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);

    // Decided before any application object exists, so that there is one
    // for the run, which connects to the display once.
    const launch::Request request = launch::read(arguments);
    const launch::Display display = request.answered() ? launch::Display{} : launch::findDisplay(arguments);
    if (request.answered() || display.platform.isEmpty())
        return answerWithoutWindow(argc, argv, arguments, display);
    // Qt opens the window where the display was found, whatever it would
    // have guessed from the session
    qputenv("QT_QPA_PLATFORM", display.platform.toLocal8Bit());

    auto application = std::make_unique<QApplication>(argc, argv);
    nameTheApplication();
    // the window is matched to its launcher and icon by this name (on
    // Wayland, its app id)
    QGuiApplication::setDesktopFileName(QString::fromUtf8(launch::kAppId));

    auto platform = std::make_unique<DesktopPlatform>();
    auto app = std::make_unique<Cardovia>(*platform);
    platform->setMessageParent(&app->main());
    if (shutdownAtEnd)
        platform->setShutdown([&] {
            app.reset();
            platform.reset();
            application.reset();
        });
    app->start();
    return QApplication::exec();
}
