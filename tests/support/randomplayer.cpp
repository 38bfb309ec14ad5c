// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/randomplayer.h"

#include "platform/audioworker.h"
#include "shell/frmgrizzley.h"
#include "shell/frmhelp.h"
#include "shell/frmloading.h"
#include "shell/frmmain.h"
#include "shell/frmmainmenu.h"
#include "shell/games.h"
#include "support/bounds.h"
#include "support/eventlog.h"
#include "support/forks.h"
#include "support/gamedriver.h"
#include "support/logged.h"
#include "support/sound.h"
#include "support/started.h"
#include "toolkit/helpview.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTest>
#include <QThreadPool>
#include <QTimerEvent>
#include <QWindow>
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <map>
#include <random>
#include <string>
#include <sys/mman.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/xcb.h>

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/lsan_interface.h>
#endif

namespace randomplayer {

namespace {

// The drivers by the names of their games' menu buttons.
std::map<std::string, MakeDriver>& registry()
{
    static std::map<std::string, MakeDriver> drivers;
    return drivers;
}

// The player's own counters, before the games'.
const QString kEndedByQuit = QStringLiteral("ended by Quit");  // the menu's Quit button
const QString kEndedByFileQuit = QStringLiteral("ended by File, Quit");
const QString kEndedByWindow = QStringLiteral("ended by the window's going");

// The bench's command that plays the same events up to `event`.
QString replay(unsigned seed, long event, Players players)
{
    return QStringLiteral("bench_random_player %1 %2%3")
        .arg(event)
        .arg(seed)
        .arg(players == Players::Real ? QStringLiteral(" --real-audio") : QString());
}

QString messageCounter(const QString& text)
{
    return QStringLiteral("\"%1\"").arg(text);
}

using Drivers = std::vector<std::unique_ptr<Driver>>;

// A driver for each game of the table, in its order; what is amiss when a
// game has none or a driver has no game.
Drivers makeDrivers(QString* amiss = nullptr)
{
    Drivers drivers;
    for (const games::Game& game : games::kGames) {
        if (auto driver = makeDriver(game.button))
            drivers.push_back(std::move(driver));
        else if (amiss)
            *amiss = QStringLiteral("the random player has no driver for %1 (see gamedriver.h)").arg(game.button);
    }
    for (const auto& [button, make] : registry())
        if (!games::named(button) && amiss)
            *amiss = QStringLiteral("a random player's driver is for %1, which is no game").arg(QString::fromStdString(button));
    return drivers;
}

QStringList counterNames(const Drivers& drivers)
{
    QStringList names{kEndedByQuit, kEndedByFileQuit, kEndedByWindow};
    for (const auto& driver : drivers) {
        for (const QString& text : driver->messages())
            names << messageCounter(text);
        names << driver->counters();
    }
    return names;
}

// Where each driver's histograms start among Shared::samples, by name.
std::map<QString, int> histogramStarts(const Drivers& drivers, int* total = nullptr)
{
    std::map<QString, int> starts;
    int next = 0;
    for (const auto& driver : drivers)
        for (const Histogram& histogram : driver->histograms()) {
            starts[histogram.name] = next;
            next += histogram.bins;
        }
    if (total)
        *total = next;
    return starts;
}

// The drivers' judgement of the whole play's histograms, or empty.
QString judged(const Drivers& drivers, const long* samples, long events)
{
    int at = 0;
    for (const auto& driver : drivers) {
        std::vector<std::vector<long>> counts;
        for (const Histogram& histogram : driver->histograms()) {
            counts.emplace_back(samples + at, samples + at + histogram.bins);
            at += histogram.bins;
        }
        if (const QString wrong = driver->judge(counts, events); !wrong.isEmpty())
            return wrong;
    }
    return {};
}

constexpr int kMaxSamples = 4096;

// The longest run of the application; most end sooner, by Quit or a game.
constexpr long kRunEvents = 5000;
// A run takes about 5 s in the debug build; one that takes far longer hangs.
constexpr int kRunMs = 60000;

// What a child process tells its parent, in memory they share.
struct Shared {
    long next;  // the event being played, then the first one not played
    bool failed;
    char failure[16384];
    Tally tally;
    long samples[kMaxSamples];  // the drivers' histograms, one after the other
};

// One run of the application in a child process, from the menu to its end
// or to the last event of the run. It never returns.
class Run final : public Player {
public:
    // `seed` is the whole play's, which replays it; `runSeed` this run's.
    Run(StartedApp& s, unsigned seed, unsigned runSeed, long first, long last, Shared& shared, const Options& options)
        : s_(s), app_(*s.app), dice_(runSeed), seed_(seed), first_(first), last_(last), shared_(shared),
          players_(options.players), drivers_(makeDrivers()), counters_(counterNames(drivers_)),
          histograms_(histogramStarts(drivers_))
    {
        s_.platform.reseed(runSeed ^ 0x5bd1e995u);
        s_.platform.onEnd = [this] { ended(); };
        // Qt's warnings are faults too: a run fails on the first one.
        watchQtComplaints();
        if (players_ == Players::Real) {
            audio_ = std::make_unique<AudioWorker>(
                QStringList{QCoreApplication::applicationDirPath() + QStringLiteral("/cardovia-audio.so")},
                QStringList{QStringLiteral(CARDOVIA_TEST_DATA)});
            s_.platform.playThrough(audio_.get());
        }
    }

    [[noreturn]] void play()
    {
        ++shared_.tally.runs;
        event_ = first_;
        begin();
        check();
        for (; event_ < last_; ++event_) {
            shared_.next = event_;
            begin();
            step();
            settle();
            check();
        }
        finish();
    }

    // --- what the drivers ask -------------------------------------------------

    App& app() override { return app_; }
    int roll(int n) override { return std::uniform_int_distribution<int>(0, n - 1)(dice_); }

    void click(QWidget* w, const char* name = nullptr) override
    {
        if (w)
            click(w, w->rect(), name);
    }

    void key(Qt::Key k, Qt::KeyboardModifiers modifiers = Qt::NoModifier) override
    {
        note(QStringLiteral("key %1").arg(QKeySequence(k | modifiers).toString()));
        QWidget* window = QApplication::activePopupWidget() ? QApplication::activePopupWidget() : &app_.main();
        QTest::keyClick(window->windowHandle(), k, modifiers);
        finishAnimatedClicks();
    }

    // Time passes to the next timer that falls due, which ticks; or, given
    // a timer, until that one has ticked (at most a hundred ticks).
    bool passTime(const Timer* until = nullptr) override
    {
        for (int ticks = 0; ticks < 100; ++ticks) {
            syncTimers();
            if (due_.empty())
                return ticks > 0;
            const auto next =
                std::min_element(due_.begin(), due_.end(), [](const Due& a, const Due& b) { return a.at < b.at; });
            now_ = next->at;
            next->at += std::max(1, next->interval);
            Timer* timer = next->timer;
            lastTick_ = nullptr;
            log_.noteTick(event_, next->name, now_);
            tick(*timer);
            lastTick_ = timer;
            if (timer == until || !until)
                return true;
        }
        return true;
    }

    const Timer* lastTick() const override { return lastTick_; }

    void count(const QString& counter) override
    {
        const qsizetype i = counters_.indexOf(counter);
        if (i < 0)
            fail(QStringLiteral("a driver counts %1, which it does not list among its counters").arg(counter));
        ++shared_.tally.counts[std::size_t(i)];
    }

    void sample(const QString& name, int bin) override
    {
        const auto start = histograms_.find(name);
        if (start == histograms_.end() || bin < 0)
            fail(QStringLiteral("a driver samples bin %1 of %2, which it does not list").arg(bin).arg(name));
        ++shared_.samples[start->second + bin];
    }

    [[noreturn]] void fail(const QString& what) override
    {
        QString text = QStringLiteral("seed %1, event %2: %3\n(replay: %4); the last events:\n")
                           .arg(seed_)
                           .arg(event_)
                           .arg(what, replay(seed_, event_ + 1, players_));
        text += log_.lines();
        const QByteArray bytes = text.toUtf8();
        std::strncpy(shared_.failure, bytes.constData(), sizeof shared_.failure - 1);
        shared_.failed = true;
        shared_.next = event_;
        shared_.tally.events += event_ - first_;
        std::fflush(nullptr);
        _exit(1);
    }

private:
    // --- the events ----------------------------------------------------------

    // The game whose screen is loaded, with that screen; none on the menu.
    std::pair<Driver*, Form*> playing() const
    {
        for (const auto& driver : drivers_)
            if (Form* screen = driver->screen(app_))
                return {driver.get(), screen};
        return {nullptr, nullptr};
    }

    void step()
    {
        // A player who could finish a game mostly sticks to it; one who has
        // opened the File menu mostly closes it again.
        const int r = roll(100);
        if (r < (intent() || QApplication::activePopupWidget() ? 90 : 50))
            return purposeful();
        if (r < 94) {
            if (!passTime())
                purposeful();
            return;
        }
        switch (roll(8)) {
        case 0: case 1: return clickSomething();
        case 2: return clickAnywhere();
        case 3: case 4: return typeKey();
        case 5: return doubleClickSomething();
        case 6: return drag();
        default: return windowEvent();
        }
    }

    // What the window system does to the frame now and then.
    void windowEvent()
    {
        // The window's end is rare: a run mostly ends by its own Quit or game.
        const int r = roll(400);
        if (r == 0)
            return endWindow();
        if (r < 100)
            return resizeFrame();
        purposeful();
    }

    // The frame's edge dragged, or the window maximised: any size that the
    // frame allows and the screen has room for.
    void resizeFrame()
    {
        frmMain& main = app_.main();
        const QSize least = main.minimumSizeHint().expandedTo(main.minimumSize());
        const QSize room = main.screen()->availableGeometry().size().expandedTo(least);
        const QSize size(least.width() + roll(room.width() - least.width() + 1),
                         least.height() + roll(room.height() - least.height() + 1));
        note(QStringLiteral("resize the frame to %1x%2").arg(size.width()).arg(size.height()));
        main.windowHandle()->resize(size);
        // The window system's word of the new size comes before any click.
        QCoreApplication::processEvents();
    }

    // The frame's window closed from the window system, or destroyed under
    // the program by another client, as the X server tells of it.
    void endWindow()
    {
        frmMain& main = app_.main();
        windowGone_ = true;
        if (roll(2)) {
            note(QStringLiteral("close the frame's window"));
            main.close();
        } else {
            note(QStringLiteral("destroy the frame's window"));
            xcb_destroy_notify_event_t gone{};
            gone.response_type = XCB_DESTROY_NOTIFY;
            gone.window = xcb_window_t(main.internalWinId());
            QAbstractEventDispatcher::instance()->filterNativeEvent("xcb_generic_event_t", &gone, nullptr);
        }
        fail(QStringLiteral("the frame's window is gone, and the application runs on"));
    }

    // A game under way that the player means to finish, as its driver sees it.
    bool intent() const
    {
        const auto [driver, screen] = playing();
        return driver && driver->intent(*screen);
    }

    // What a player who means to play would do on the screen shown.
    void purposeful()
    {
        if (auto* popup = qobject_cast<QMenu*>(QApplication::activePopupWidget()))
            return onFileMenu(*popup);
        if (const auto [driver, screen] = playing(); driver)
            return driver->act(*this, *screen);
        onMenu(*app_.existing<frmMainMenu>());
    }

    void onMenu(frmMainMenu& menu)
    {
        const int r = roll(1000);
        if (r < 2)
            return click(menu.cmdQuit, "Quit");
        if (r < 6) {
            QMenuBar* bar = app_.main().menuBar();
            return click(bar, bar->actionGeometry(app_.main().mnuFile()->menuAction()), "File");
        }
        if (r < 60) {
            frmGrizzley& panel = *app_.existing<frmGrizzley>();
            std::vector<QWidget*> music{panel.Command1, panel.Command2};
            music.insert(music.end(), panel.optTrack.begin(), panel.optTrack.end());
            return click(any(music));
        }
        std::vector<QWidget*> buttons;
        for (const games::Game& game : games::kGames)
            buttons.push_back(menu.findChild<QPushButton*>(QLatin1String(game.button)));
        click(any(buttons));
    }

    void onFileMenu(QMenu& menu)
    {
        if (roll(20) == 0)
            return click(&menu, menu.actionGeometry(app_.main().mnuQuit()), "Quit");
        roll(2) ? key(Qt::Key_Escape) : clickAnywhere();
    }

    // Any control that shows and is enabled, at any point of it: the click
    // lands on whatever lies in front there.
    void clickSomething() { click(any(targets())); }

    // With the File menu open, a click anywhere else closes it.
    std::vector<QWidget*> targets() const
    {
        std::vector<QWidget*> all;
        for (QWidget* w : app_.main().findChildren<QWidget*>())
            if (!qobject_cast<Form*>(w) && w->isVisible() && w->isEnabled() && !w->rect().isEmpty())
                all.push_back(w);
        return all;
    }

    void clickAnywhere() { click(&app_.main(), app_.main().rect(), "anywhere"); }

    void doubleClickSomething()
    {
        QWidget* w = any(targets());
        if (!w)
            return;
        const QPoint at = pointIn(w, w->rect());
        note(QStringLiteral("double-click %1 at %2,%3").arg(path(w)).arg(at.x()).arg(at.y()));
        QTest::mouseDClick(w->window()->windowHandle(), Qt::LeftButton, Qt::NoModifier, at);
        finishAnimatedClicks();
    }

    // Pressed on one control, let go on another: no click for either.
    void drag()
    {
        QWidget* from = any(targets());
        QWidget* to = any(targets());
        if (!from || !to || from->window() != to->window())
            return;
        const QPoint a = pointIn(from, from->rect());
        const QPoint b = pointIn(to, to->rect());
        note(QStringLiteral("drag from %1 to %2").arg(path(from), path(to)));
        QWindow* window = from->window()->windowHandle();
        QTest::mousePress(window, Qt::LeftButton, Qt::NoModifier, a);
        QTest::mouseMove(window, b);
        QTest::mouseRelease(window, Qt::LeftButton, Qt::NoModifier, b);
    }

    void typeKey()
    {
        static const std::array<std::pair<Qt::Key, Qt::KeyboardModifiers>, 31> keys{{
            {Qt::Key_Tab, Qt::NoModifier},      {Qt::Key_Backtab, Qt::ShiftModifier},
            {Qt::Key_Space, Qt::NoModifier},    {Qt::Key_Return, Qt::NoModifier},
            {Qt::Key_Enter, Qt::KeypadModifier}, {Qt::Key_Left, Qt::NoModifier},
            {Qt::Key_Right, Qt::NoModifier},    {Qt::Key_Up, Qt::NoModifier},
            {Qt::Key_Down, Qt::NoModifier},     {Qt::Key_Escape, Qt::NoModifier},
            {Qt::Key_F10, Qt::NoModifier},      {Qt::Key_F, Qt::AltModifier},
            {Qt::Key_W, Qt::AltModifier},       {Qt::Key_T, Qt::AltModifier},
            {Qt::Key_B, Qt::AltModifier},       {Qt::Key_S, Qt::AltModifier},
            {Qt::Key_D, Qt::AltModifier},       {Qt::Key_M, Qt::AltModifier},
            {Qt::Key_C, Qt::AltModifier},       {Qt::Key_R, Qt::AltModifier},
            {Qt::Key_O, Qt::AltModifier},       {Qt::Key_I, Qt::AltModifier},
            {Qt::Key_Q, Qt::AltModifier},       {Qt::Key_Q, Qt::NoModifier},
            {Qt::Key_A, Qt::NoModifier},        {Qt::Key_Space, Qt::ShiftModifier},
            {Qt::Key_F1, Qt::NoModifier},       {Qt::Key_H, Qt::AltModifier},
            // the zoom: every screen still fills its place at any step
            {Qt::Key_Plus, Qt::ControlModifier}, {Qt::Key_Minus, Qt::ControlModifier},
            {Qt::Key_0, Qt::ControlModifier},
        }};
        const auto& [k, modifiers] = keys[std::size_t(roll(int(keys.size())))];
        key(k, modifiers);
    }

    // A click at a random point of `area`, in the widget's own pixels, sent
    // to its window as the window system sends one.
    void click(QWidget* w, const QRect& area, const char* name)
    {
        const QPoint at = pointIn(w, area);
        note(QStringLiteral("click %1 at %2,%3").arg(name ? QString::fromLatin1(name) : path(w)).arg(at.x()).arg(at.y()));
        QTest::mouseClick(w->window()->windowHandle(), Qt::LeftButton, Qt::NoModifier, at);
        finishAnimatedClicks();
    }

    // A random point of the area, in the coordinates of the widget's window.
    QPoint pointIn(QWidget* w, const QRect& area)
    {
        const QRect inside = area.intersected(w->rect());
        const QPoint local(inside.left() + roll(std::max(1, inside.width())),
                           inside.top() + roll(std::max(1, inside.height())));
        return w->mapTo(w->window(), local);
    }

    // An access key presses its button after a short animation on a timer of
    // the button's own; the player has let go by the next event.
    void finishAnimatedClicks()
    {
        std::vector<QPointer<QAbstractButton>> down;
        for (QAbstractButton* b : app_.main().findChildren<QAbstractButton*>())
            if (b->isDown())
                down.emplace_back(b);
        for (const QPointer<QAbstractButton>& b : down) {
            if (!b)
                continue;
            for (const auto& timer : QAbstractEventDispatcher::instance()->registeredTimers(b)) {
                QTimerEvent event(timer.timerId);
                QCoreApplication::sendEvent(b, &event);
            }
        }
    }

    // The timers of the screens that are loaded, each due one interval after
    // it was enabled or its interval changed.
    void syncTimers()
    {
        std::vector<NamedTimer> live;
        if (const auto [driver, screen] = playing(); driver)
            live = driver->timers(*screen);
        std::erase_if(due_, [&](const Due& d) {
            const auto it = std::find_if(live.begin(), live.end(), [&](const NamedTimer& l) { return l.timer == d.timer; });
            return it == live.end() || !d.timer->isEnabled() || d.timer->interval() != d.interval;
        });
        for (const auto& [timer, name] : live)
            if (timer->isEnabled() &&
                std::none_of(due_.begin(), due_.end(), [&, t = timer](const Due& d) { return d.timer == t; }))
                due_.push_back({timer, now_ + std::max(1, timer->interval()), timer->interval(), name});
    }

    // The event loop's turns between events: forms that were unloaded go at
    // once; the screen is drawn (and the window system's answers come) every
    // few events, as a display's frame takes in several clicks and ticks.
    void settle()
    {
        if (!QApplication::activeWindow() && !QApplication::activePopupWidget())
            app_.main().activateWindow();
        if (event_ % 4 == 0)
            QCoreApplication::processEvents();
        StartedApp::settle();
    }

    // --- the rules -----------------------------------------------------------

    // What the rules compare with: the state before the event.
    void begin()
    {
        messagesBefore_ = s_.platform.messages.size();
        lastTick_ = nullptr;
        menuShown_ = app_.existing<frmMainMenu>()->isVisible();
        fileMenuOpen_ = QApplication::activePopupWidget() != nullptr;
        for (const auto& driver : drivers_)
            driver->begin(driver->screen(app_));
    }

    QStringList newMessages() const { return s_.platform.messages.mid(messagesBefore_); }

    void check()
    {
        if (const QString complaint = firstQtComplaint(); !complaint.isEmpty())
            fail(QStringLiteral("Qt complained: %1").arg(complaint));
        const QStringList messages = newMessages();
        for (const QString& m : messages)
            if (!tallyMessage(m))
                fail(QStringLiteral("a message box that is none of the games' own: \"%1\"").arg(m));
        frmMain& main = app_.main();
        if (!main.isVisible() || !main.isEnabled())
            fail(QStringLiteral("the frame is hidden or disabled"));
        if (app_.existing<frmLoading>())
            fail(QStringLiteral("the loading screen is back"));

        frmMainMenu* menu = app_.existing<frmMainMenu>();
        std::vector<Form*> left{menu};
        for (const auto& driver : drivers_)
            left.push_back(driver->screen(app_));
        int shown = 0;
        const twips::Rect area{0, 0, main.Width() - 3000, main.Height()};
        for (Form* f : left) {
            if (!f || !f->isVisible())
                continue;
            ++shown;
            if (twips::rect(f) != area)
                fail(QStringLiteral("%1 does not fill the left area").arg(f->objectName()));
            if (!app_.isLoaded(*f))
                fail(QStringLiteral("%1 shows but is not loaded").arg(f->objectName()));
        }
        if (shown != 1)
            fail(QStringLiteral("%1 screens show in the left area").arg(shown));
        for (Form* game : left)
            if (game && game != menu && menu->isVisible())
                fail(QStringLiteral("%1 is loaded behind the menu").arg(game->objectName()));

        const frmGrizzley* panel = app_.existing<frmGrizzley>();
        if (!panel || !panel->isVisible() || !panel->isEnabled() ||
            twips::rect(panel) != twips::Rect{area.width, 0, 3000, main.Height()})
            fail(QStringLiteral("the opponent panel is not in its place"));

        if (const frmHelp* help = main.help(); help && help->isVisible())
            checkHelp(*help);
        for (const auto& driver : drivers_)
            driver->check(*this, driver->screen(app_), messages);
    }

    // The help window shows one of its pages, and its list and name follow it.
    void checkHelp(const frmHelp& help)
    {
        const QListWidgetItem* row = help.lstPages->currentItem();
        const QString id = help.txtPage->pageId();
        if (!help.txtPage->page(id) || !row || row->data(Qt::UserRole).toString() != id ||
            help.txtPage->accessibleName() != row->text())
            fail(QStringLiteral("the help shows \"%1\" under \"%2\"").arg(id, row ? row->text() : QString()));
    }

    // Counts a message box among the games' own; false if it is none of them.
    bool tallyMessage(const QString& text)
    {
        const qsizetype i = counters_.indexOf(messageCounter(text));
        if (i >= 0)
            ++shared_.tally.counts[std::size_t(i)];
        return i >= 0;
    }

    // The application ends: the rules for that, then the run is over.
    void ended()
    {
        const QStringList messages = newMessages();
        const auto [driver, screen] = playing();
        if (windowGone_) {
            count(kEndedByWindow);
        } else if (driver && driver->ended(*this, *screen, messages)) {
            // the game's own end, as its driver counts it
        } else if (fileMenuOpen_) {
            count(kEndedByFileQuit);
        } else if (menuShown_) {
            count(kEndedByQuit);
        } else {
            fail(QStringLiteral("the application ended with no Quit and no game's own end"));
        }
        for (const QString& m : messages)
            tallyMessage(m);
        ++event_;
        finish();
    }

    // --- the end of the run --------------------------------------------------

    // Every event notes what it does, a tick before it ticks.
    void note(const QString& what)
    {
        lastTick_ = nullptr;
        log_.note(event_, what);
    }

    static QString path(const QWidget* w)
    {
        QStringList names;
        for (; w; w = w->parentWidget())
            if (!w->objectName().isEmpty())
                names.prepend(w->objectName());
        return names.join(QLatin1Char('/'));
    }

    // The normal shutdown of this run, then the leak checker's look at what
    // it left behind.
    [[noreturn]] void finish()
    {
        s_.platform.onEnd = nullptr;
        s_.app.reset();
        StartedApp::settle();
        stopAudio();
        shared_.next = event_;
        shared_.tally.events += event_ - first_;
        // Qt paints large areas on threads of its pool; they go too.
        QThreadPool::globalInstance()->waitForDone();
#if defined(__SANITIZE_ADDRESS__)
        __lsan_do_leak_check();
#endif
        std::fflush(nullptr);
        _exit(0);
    }

    // The real players' worker goes with the application, once it has
    // carried out every command it was given (one that never ends hangs the
    // run); a worker that started has loaded the module.
    void stopAudio()
    {
        if (!audio_)
            return;
        audio_->finish();
        if (!audio_->libraries().isEmpty()) {
            ++shared_.tally.audioRuns;
            if (!soundLibraries().contains(QLatin1String("cardovia-audio.so")))
                fail(QStringLiteral("the audio worker started without the audio module, looked for beside %1")
                         .arg(QCoreApplication::applicationDirPath()));
        }
        s_.platform.playThrough(nullptr);
        audio_.reset();
    }

    struct Due {
        Timer* timer;
        double at;
        int interval;
        const char* name;
    };

    StartedApp& s_;
    Cardovia& app_;
    std::mt19937 dice_;
    const unsigned seed_;
    const long first_;
    const long last_;
    Shared& shared_;
    const Players players_;
    long event_ = 0;
    EventLog log_;
    double now_ = 0;
    std::vector<Due> due_;
    const Timer* lastTick_ = nullptr;
    std::unique_ptr<AudioWorker> audio_;  // the real players', if the run has them

    const Drivers drivers_;
    const QStringList counters_;  // the names of shared_.tally.counts
    const std::map<QString, int> histograms_;  // where each starts in shared_.samples

    qsizetype messagesBefore_ = 0;
    bool menuShown_ = false;
    bool fileMenuOpen_ = false;
    bool windowGone_ = false;  // the player closed or destroyed the frame's window
};

} // namespace

bool Driver::intent(Form&) const
{
    return false;
}

std::vector<NamedTimer> Driver::timers(Form&) const
{
    return {};
}

bool Driver::ended(Player&, Form&, const QStringList&)
{
    return false;
}

void Driver::begin(Form*) {}

void Driver::check(Player&, Form*, const QStringList&) {}

QString Driver::judge(const std::vector<std::vector<long>>&, long) const
{
    return {};
}

void registerDriver(const char* button, MakeDriver make)
{
    registry()[button] = make;
}

std::unique_ptr<Driver> makeDriver(const char* button)
{
    const auto make = registry().find(button);
    return make == registry().end() ? nullptr : make->second();
}

QStringList counters()
{
    return counterNames(makeDrivers());
}

Result play(unsigned seed, long events, const Options& options)
{
    Result result;
    makeDrivers(&result.failure);
    if (counters().size() > kMaxCounters)
        result.failure = QStringLiteral("the tally counts at most %1 things").arg(kMaxCounters);
    int bins = 0;
    histogramStarts(makeDrivers(), &bins);
    if (bins > kMaxSamples)
        result.failure = QStringLiteral("the histograms hold at most %1 counts").arg(kMaxSamples);
    if (!result.failure.isEmpty())
        return result;
    void* memory = mmap(nullptr, sizeof(Shared), PROT_READ | PROT_WRITE, MAP_SHARED | MAP_ANONYMOUS, -1, 0);
    if (memory == MAP_FAILED) {
        result.failure = QStringLiteral("no memory to share with the runs");
        return result;
    }
    auto* shared = new (memory) Shared{};

    StartedApp started;
    readSymbols();
    activate(&started.app->main());
    std::seed_seq seeds{seed};
    std::mt19937 runSeeds(seeds);
    long next = 0;
    while (next < events && result.failure.isEmpty()) {
        // A fork copies only this thread; another one could hold a lock.
        if (threads() != 1) {
            result.failure = QStringLiteral("the random player needs a process with one thread, this one has %1")
                                 .arg(threads());
            break;
        }
        const unsigned runSeed = runSeeds();
        const long last = std::min(events, next + kRunEvents);
        shared->next = next;
        std::fflush(nullptr);
        const pid_t child = fork();
        if (child == 0)
            Run(started, seed, runSeed, next, last, *shared, options).play();
        const int status = awaitChild(child, kRunMs * kSlowdown);
        if (shared->failed) {
            result.failure = QString::fromUtf8(shared->failure);
        } else if (status == -1) {
            result.failure = QStringLiteral("seed %1, event %2: the run of events from %3 did not end in %4 s, "
                                            "and was killed (replay: %5)")
                                 .arg(seed)
                                 .arg(shared->next)
                                 .arg(next)
                                 .arg(kRunMs * kSlowdown / 1000)
                                 .arg(replay(seed, shared->next + 1, options.players));
        } else if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
            // a sanitizer's report, or a crash, in the event being played
            // or, for a leak, at the end of the run
            result.failure = QStringLiteral("seed %1, event %2: the run of events from %3 ended with %4 %5 (see "
                                            "above; replay: %6)")
                                 .arg(seed)
                                 .arg(shared->next)
                                 .arg(next)
                                 .arg(WIFSIGNALED(status) ? QStringLiteral("signal") : QStringLiteral("status"))
                                 .arg(WIFSIGNALED(status) ? WTERMSIG(status) : WEXITSTATUS(status))
                                 .arg(replay(seed, shared->next + 1, options.players));
        }
        next = shared->next;
    }
    result.tally = shared->tally;
    if (result.failure.isEmpty() && next >= events)
        if (const QString wrong = judged(makeDrivers(), shared->samples, events); !wrong.isEmpty())
            result.failure = QStringLiteral("seed %1, after %2 events: %3").arg(seed).arg(events).arg(wrong);
    munmap(memory, sizeof(Shared));
    return result;
}

QString describe(const Tally& tally)
{
    QString text = QStringLiteral("%1 events in %2 runs of the application\n").arg(tally.events).arg(tally.runs);
    if (tally.audioRuns > 0)
        text += QStringLiteral("%1 runs played through the real audio worker\n").arg(tally.audioRuns);
    const QStringList names = counters();
    for (qsizetype i = 0; i < names.size() && i < kMaxCounters; ++i)
        text += QStringLiteral("%1  %2\n").arg(tally.counts[std::size_t(i)], 7).arg(names[i]);
    return text;
}

} // namespace randomplayer
