// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/visit.h"

#include "platform/audioworker.h"
#include "shell/frmabout.h"
#include "shell/frmgrizzley.h"
#include "shell/frmhelp.h"
#include "shell/frmloading.h"
#include "shell/frmmain.h"
#include "shell/games.h"
#include "support/bounds.h"
#include "support/gamedriver.h"
#include "support/logged.h"
#include "support/started.h"

#include <QAbstractButton>
#include <QFile>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSet>
#include <QTemporaryFile>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <random>
#include <sys/wait.h>
#include <unistd.h>

namespace visit {

namespace {

// The events of each game's play: enough for its driver to reach every
// state and result of the game, which the language test checks, with room
// to spare (the four games need 100).
constexpr int kPlayEvents = 150;
// The dice of every play, so that each is the same in every language.
constexpr unsigned kSeed = 7;
// A part takes a few seconds; one that takes far longer hangs.
constexpr int kPartMs = 60000;

// The stops of one part: each line the look returns, once, in order. Every
// message box is a stop too, while it is open.
class Stops {
public:
    Stops(FakePlatform& platform, const Look& look) : platform_(platform), look_(look)
    {
        platform.onMessage = [this](const QString&) { (*this)(); };
    }

    // A stop once the event loop has done what it owes the screens: the news
    // for a screen reader, the forms unloaded.
    void operator()()
    {
        QCoreApplication::processEvents();
        StartedApp::settle();
        see();
    }

    // A stop as things stand.
    void see()
    {
        Stop stop{platform_.messages.mid(messagesSeen_), listener_.heard()};
        messagesSeen_ = platform_.messages.size();
        for (const QString& line : look_(stop))
            if (!seen_.contains(line)) {
                seen_.insert(line);
                kept_ << line;
            }
    }

    const QStringList& kept() const { return kept_; }

private:
    FakePlatform& platform_;
    const Look& look_;
    Listener listener_;
    qsizetype messagesSeen_ = 0;
    QSet<QString> seen_;
    QStringList kept_;
};

// A driver's player with dice of its own: clicks land in a control's middle,
// and time passes one tick at a time, the screen's timers in turn.
class Player final : public randomplayer::Player {
public:
    Player(StartedApp& s, randomplayer::Driver& driver) : s_(s), driver_(driver), dice_(kSeed) {}

    App& app() override { return *s_.app; }
    int roll(int n) override { return std::uniform_int_distribution<int>(0, n - 1)(dice_); }
    void click(QWidget* control, const char*) override
    {
        if (control)
            QTest::mouseClick(control->window()->windowHandle(), Qt::LeftButton, Qt::NoModifier,
                              control->mapTo(control->window(), control->rect().center()));
    }
    void key(Qt::Key key, Qt::KeyboardModifiers modifiers) override
    {
        QTest::keyClick(s_.app->main().windowHandle(), key, modifiers);
    }
    bool passTime(const Timer* until) override
    {
        Form* screen = driver_.screen(*s_.app);
        std::vector<Timer*> running;
        for (const randomplayer::NamedTimer& t : screen ? driver_.timers(*screen) : std::vector<randomplayer::NamedTimer>{})
            if (t.timer->isEnabled())
                running.push_back(t.timer);
        if (running.empty())
            return false;
        const auto wanted = std::find(running.begin(), running.end(), until);
        lastTick_ = wanted != running.end() ? *wanted : running[turn_++ % running.size()];
        tick(*lastTick_);
        return true;
    }
    const Timer* lastTick() const override { return lastTick_; }
    void count(const QString&) override {}
    void sample(const QString&, int) override {}
    [[noreturn]] void fail(const QString& what) override
    {
        std::fprintf(stderr, "the visit's driver failed: %s\n", qPrintable(what));
        std::fflush(nullptr);
        _exit(1);
    }

private:
    StartedApp& s_;
    randomplayer::Driver& driver_;
    std::mt19937 dice_;
    std::size_t turn_ = 0;
    Timer* lastTick_ = nullptr;
};

// The About box as it opens, with its licence shown, and hidden again.
void about(frmMain& main, Stops& stop)
{
    main.mnuAbout_Click();
    stop();
    for (int press = 0; press < 2; ++press) {
        main.about()->cmdLicence->click();
        stop();
    }
    main.about()->close();
}

// The start-up's loading screen, which gives way to the menu once drawn.
void start(StartedApp& s, Stops& stop)
{
    s.app.reset();
    StartedApp::settle();
    s.app = std::make_unique<Cardovia>(s.platform);
    s.app->start();
    StartedApp::passLoading(*s.app, s.platform, [&] { stop.see(); });
    if (s.app->existing<frmLoading>())
        qFatal("the loading screen stays up");
}

// The menu, the opponent panel's every button and track, the menu bar's
// menus, every page of the help as its list offers them, and the About box.
void shell(StartedApp& s, Stops& stop)
{
    stop();
    frmMain& main = s.app->main();
    frmGrizzley& panel = *s.app->existing<frmGrizzley>();
    for (QAbstractButton* button : panel.findChildren<QAbstractButton*>()) {
        button->click();
        stop();
    }
    for (QAction* title : main.menuBar()->actions()) {
        title->menu()->popup(main.mapToGlobal(main.menuBar()->actionGeometry(title).bottomLeft()));
        stop();
        title->menu()->close();
    }
    main.mnuHelpScreen_Click();
    QListWidget* pages = main.help()->lstPages;
    for (int row = 0; row < pages->count(); ++row) {
        pages->setCurrentRow(row);
        stop();
    }
    main.help()->close();
    about(main, stop);
    // where the audio module cannot be loaded, as the About box tells once
    // the music has tried to play
    AudioWorker worker({QStringLiteral("/nonexistent/cardovia-audio.so")}, {});
    s.platform.playThrough(&worker);
    panel.Command1_Click();
    worker.finish();
    about(main, stop);
    s.platform.playThrough(nullptr);
}

// The game's play by its driver, opened again whenever it was left.
void play(StartedApp& s, Stops& stop, const games::Game& game, randomplayer::Driver& driver)
{
    Player player(s, driver);
    for (int event = 0; event < kPlayEvents; ++event) {
        Form* screen = driver.screen(*s.app);
        if (screen && screen->isVisible())
            driver.act(player, *screen);
        else
            s.choose(game.button);
        stop();
    }
}

// Takes `part` in a copy of this process; what its stops kept, or why it failed.
QString inCopy(StartedApp& s, const Look& look, const std::function<void(Stops&)>& part, QStringList& kept)
{
    QTemporaryFile file;
    if (!file.open())
        return QStringLiteral("no file for the part's texts");
    std::fflush(nullptr);
    const pid_t child = fork();
    if (child == 0) {
        // a translation that leaves out a placeholder, say, makes Qt complain
        watchQtComplaints();
        Stops stops(s.platform, look);
        const auto leave = [&] {
            if (const QString complaint = firstQtComplaint(); !complaint.isEmpty()) {
                std::fprintf(stderr, "Qt complained: %s\n", qPrintable(complaint));
                std::fflush(nullptr);
                _exit(1);
            }
            QFile out(file.fileName());
            out.open(QIODevice::WriteOnly);
            out.write(stops.kept().join(u'\n').toUtf8());
            out.close();
            std::fflush(nullptr);
            _exit(0);
        };
        // the application ends, as the game ends its process: the part is over
        s.platform.onEnd = [&] {
            stops();
            leave();
        };
        part(stops);
        leave();
    }
    const int status = awaitChild(child, kPartMs * kSlowdown);
    if (status == -1)
        return QStringLiteral("it did not end in %1 s").arg(kPartMs * kSlowdown / 1000);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return QStringLiteral("it ended with %1 %2 (see above)")
            .arg(WIFSIGNALED(status) ? QStringLiteral("signal") : QStringLiteral("status"))
            .arg(WIFSIGNALED(status) ? WTERMSIG(status) : WEXITSTATUS(status));
    kept = QString::fromUtf8(file.readAll()).split(u'\n', Qt::SkipEmptyParts);
    return {};
}

} // namespace

Result everything(const Look& look)
{
    Result result;
    StartedApp s;
    // the keys the drivers press go where the keyboard is
    activate(&s.app->main());
    QSet<QString> seen;
    const auto take = [&](const QString& name, const std::function<void(Stops&)>& part) {
        QStringList lines;
        if (result.failure.isEmpty())
            if (const QString why = inCopy(s, look, part, lines); !why.isEmpty())
                result.failure = QStringLiteral("the visit of %1 failed: %2").arg(name, why);
        for (const QString& line : lines)
            if (!seen.contains(line)) {
                seen.insert(line);
                result.kept << line;
            }
    };
    take(QStringLiteral("the start-up"), [&](Stops& stop) { start(s, stop); });
    take(QStringLiteral("the menu, the panel, the help and the About box"), [&](Stops& stop) { shell(s, stop); });
    for (const games::Game& game : games::kGames) {
        const std::unique_ptr<randomplayer::Driver> driver = randomplayer::makeDriver(game.button);
        if (!driver) {
            result.failure = QStringLiteral("%1 has no driver to visit it by (see gamedriver.h)").arg(game.button);
            break;
        }
        const QString name = QLatin1String(game.button);
        take(name, [&](Stops& stop) { play(s, stop, game, *driver); });
        int n = 0;
        for (const randomplayer::Driver::Step& step : driver->visitSteps())
            take(QStringLiteral("%1, step %2").arg(name).arg(++n), [&](Stops& stop) {
                Form& screen = s.choose(game.button);
                stop();
                step(screen, s.platform, [&] { stop(); });
                stop();
            });
    }
    return result;
}

} // namespace visit
