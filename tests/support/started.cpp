#include "support/started.h"

#include "shell/frmloading.h"
#include "shell/frmmainmenu.h"

StartedApp::StartedApp() : app(std::make_unique<Cardovia>(platform))
{
    app->start();
    // the loading screen finishes once it has been painted
    QTRY_VERIFY_WITH_TIMEOUT(app->existing<frmLoading>() == nullptr, 5000);
    settle();
}

StartedApp::~StartedApp()
{
    app.reset();
    settle();
}

void StartedApp::settle()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
