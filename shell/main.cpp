// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Corvane's Cardovia: the frame window with the games against Grizzle.

#include "platform/appinfo.h"
#include "platform/desktopplatform.h"
#include "shell/cardovia.h"
#include "shell/frmmain.h"
#include "shell/launch.h"

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

} // namespace

int main(int argc, char** argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);

    // answered without a display
    const launch::Request request = launch::read(arguments);
    if (request.help || request.version) {
        QCoreApplication core(argc, argv);
        nameTheApplication();
        const QString text = request.help ? launch::helpText() : launch::versionText();
        std::fputs(text.toLocal8Bit().constData(), stdout);
        return 0;
    }
    if (!request.error.isEmpty()) {
        std::fprintf(stderr, "%s: %s Try '%s --help'.\n", argv[0], request.error.toLocal8Bit().constData(), argv[0]);
        return 2;
    }
    const launch::Display display = launch::findDisplay(arguments);
    if (!display.problem.isEmpty()) {
        std::fprintf(stderr, "%s\n", display.problem.toLocal8Bit().constData());
        return 1;
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
