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
    if (const QString problem = launch::displayProblem(arguments); !problem.isEmpty()) {
        std::fprintf(stderr, "%s\n", problem.toLocal8Bit().constData());
        return 1;
    }

    auto application = std::make_unique<QApplication>(argc, argv);
    nameTheApplication();
    // the window is matched to its launcher and icon by this name
    QGuiApplication::setDesktopFileName(QString::fromUtf8(launch::kAppId));
    // Qt has taken its own options out by now; anything left is a mistake
    if (const QString error = launch::read(QApplication::arguments()).error; !error.isEmpty()) {
        std::fprintf(stderr, "%s: %s Try '%s --help'.\n", argv[0], error.toLocal8Bit().constData(), argv[0]);
        return 2;
    }

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
