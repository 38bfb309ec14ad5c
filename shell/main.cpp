// Corvane's Cardovia: the frame window with the games against Grizzle.

#include "platform/appinfo.h"
#include "platform/desktopplatform.h"
#include "shell/cardovia.h"
#include "shell/frmmain.h"

#include <QApplication>
#include <cstdio>
#include <cstdlib>

namespace {

bool haveDisplay()
{
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        const char* value = std::getenv(name);
        if (value && *value)
            return true;
    }
    return false;
}

} // namespace

int main(int argc, char** argv)
{
    if (!haveDisplay()) {
        std::fprintf(stderr, "%s needs a display; without one, run it as: xvfb-run -a %s\n",
                     appinfo::kTitle, argv[0]);
        return 1;
    }
    QApplication application(argc, argv);
    QApplication::setApplicationName(QString::fromUtf8(appinfo::kTitle));

    DesktopPlatform platform;
    Cardovia app(platform);
    platform.setMessageParent(&app.main());
    app.start();
    return QApplication::exec();
}
