// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Corvane's Cardovia: the frame window with the games against Grizzle.

#include "platform/appinfo.h"
#include "platform/desktopplatform.h"
#include "shell/cardovia.h"
#include "shell/frmmain.h"
#include "shell/launch.h"
#include "toolkit/language.h"

#include <QApplication>
#include <cstdio>
#include <memory>
#include <vector>

namespace {

// Once the application object exists.
void nameTheApplication()
{
    QCoreApplication::setApplicationName(QString::fromUtf8(appinfo::kTitle));
    QCoreApplication::setApplicationVersion(QString::fromUtf8(launch::kVersion));
}

} // namespace

int main(int argc, char** argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);

    // Answered without a display, in the player's language: a core
    // application of its own carries the catalogues until the window's takes
    // over. It gets a copy of the arguments, which it may take from.
    launch::Display display;
    {
        std::vector<char*> coreArgv(argv, argv + argc + 1);
        int coreArgc = argc;
        QCoreApplication core(coreArgc, coreArgv.data());
        nameTheApplication();
        language::install();
        const launch::Request request = launch::read(arguments);
        if (request.help || request.version) {
            const QString text = request.help ? launch::helpText() : launch::versionText();
            std::fputs(text.toLocal8Bit().constData(), stdout);
            return 0;
        }
        if (!request.error.isEmpty()) {
            const QString line = QCoreApplication::translate("launch", "%1: %2 Try '%1 --help'.")
                                     .arg(arguments.value(0), request.error);
            std::fprintf(stderr, "%s\n", line.toLocal8Bit().constData());
            return 2;
        }
        display = launch::findDisplay(arguments);
        if (!display.problem.isEmpty()) {
            std::fprintf(stderr, "%s\n", display.problem.toLocal8Bit().constData());
            return 1;
        }
    }
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
#ifdef CARDOVIA_SHUTDOWN_AT_END
    platform->setShutdown([&] {
        app.reset();
        platform.reset();
        application.reset();
    });
#endif
    app->start();
    return QApplication::exec();
}
