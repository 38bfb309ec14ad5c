// How long a War turn takes on the real platform: each turn is one slide of
// 40 paced steps, meant to last about half a second so the card is seen
// travelling. Run under a display (offscreen or Xvfb):
//   QT_QPA_PLATFORM=offscreen build/bench/bench_war_slide

#include "platform/desktopplatform.h"
#include "shell/cardovia.h"
#include "shell/frmloading.h"
#include "shell/frmmainmenu.h"
#include "war/frmwar.h"

#include <QApplication>
#include <QElapsedTimer>
#include <cstdio>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    DesktopPlatform platform;
    Cardovia app(platform);
    app.start();
    while (app.existing<frmLoading>())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);

    app.existing<frmMainMenu>()->cmdWar_Click();
    frmWar& war = *app.existing<frmWar>();
    QElapsedTimer clock;
    clock.start();
    war.cmdStart_Click();
    std::printf("Start (deal and Grizzle's slide): %lld ms\n", clock.restart());
    constexpr int kRounds = 5;
    for (int round = 0; round < kRounds; ++round) {
        war.picYourCards_Click();
        const qint64 yours = clock.restart();
        war.cmdContinue_Click();
        std::printf("round %d: your slide %lld ms, Grizzle's slide %lld ms\n", round + 1, yours, clock.restart());
    }
    return 0;
}
