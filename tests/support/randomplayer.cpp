// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/randomplayer.h"

#include "bingo/bingorules.h"
#include "bingo/frmbingo.h"
#include "cards/frmcardimages.h"
#include "cards/frmdeckoptions.h"
#include "fireice/frmfireice.h"
#include "shell/frmgrizzley.h"
#include "shell/frmhelp.h"
#include "shell/frmloading.h"
#include "shell/frmmain.h"
#include "shell/frmmainmenu.h"
#include "support/screenreader.h"
#include "support/started.h"
#include "tictactoe/frmtictactoe.h"
#include "toolkit/helpview.h"
#include "war/frmwar.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>
#include <QThreadPool>
#include <QTimerEvent>
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <deque>
#include <random>
#include <set>
#include <sys/mman.h>
#include <sys/wait.h>
#include <unistd.h>

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/lsan_interface.h>
#endif

namespace randomplayer {

const std::array<const char*, kMessages> kMessageTexts = {
    "Grizzle is out of cards, You win!",
    "You're out of cards, Grizzle wins!",
    "Grizzle Wins! Hit okay to play again.",
    "You Win! Hit okay to play again.",
    "Heh, no cheating.  You don't have bingo. You know the rules, if you yell bingo and you don't really have it, "
    "you have to start over.  Hit okay to start over.",
    "You win. Click okay to start a new game.",
    "Grizzley wins. Click okay to start a new game.",
    "Cat's tail. Nobody wins. Click okay to start a new game.",
    "You got lucky punk, Try again, I dare you.",
    "Ya big liar!",
};

namespace {

enum Message { GrizzleOutOfCards, YouOutOfCards, GrizzleWinsBingo, YouWinBingo, NoCheating, YouWinTicTacToe,
               GrizzleyWinsTicTacToe, CatsTail };

// The longest run of the application; most end sooner, by Quit or War.
constexpr long kRunEvents = 5000;
// The last events a failure report shows.
constexpr std::size_t kShownEvents = 25;

// What a child process tells its parent, in memory they share.
struct Shared {
    long next;  // the event being played, then the first one not played
    bool failed;
    char failure[16384];
    Tally tally;
};

int messageIndex(const QString& text)
{
    for (int i = 0; i < kMessages; ++i)
        if (text == QLatin1String(kMessageTexts[std::size_t(i)]))
            return i;
    return -1;
}

// Qt's warnings are faults too: a run fails on the first one.
QString qtComplaint;

void complain(QtMsgType type, const QMessageLogContext&, const QString& text)
{
    // The tests' offscreen platform cannot raise a window, as a menu asks.
    if (text.startsWith(QLatin1String("This plugin does not support")))
        return;
    if (type != QtDebugMsg && type != QtInfoMsg && qtComplaint.isEmpty())
        qtComplaint = text;
}

// One run of the application in a child process, from the menu to its end
// or to the last event of the run. It never returns.
class Run {
public:
    // `seed` is the whole play's, which replays it; `runSeed` this run's.
    Run(StartedApp& s, unsigned seed, unsigned runSeed, long first, long last, Shared& shared)
        : s_(s), app_(*s.app), dice_(runSeed), seed_(seed), first_(first), last_(last), shared_(shared)
    {
        s_.platform.reseed(runSeed ^ 0x5bd1e995u);
        s_.platform.onEnd = [this] { ended(); };
        qInstallMessageHandler(complain);
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

private:
    // --- the events ----------------------------------------------------------

    int roll(int n) { return std::uniform_int_distribution<int>(0, n - 1)(dice_); }
    template <class T>
    T* any(const std::vector<T*>& from) { return from.empty() ? nullptr : from[std::size_t(roll(int(from.size())))]; }

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
        default: return purposeful();
        }
    }

    // A War game that can end, or a Bingo game under way.
    bool intent() const
    {
        if (const frmWar* war = app_.existing<frmWar>())
            return war->deck.yourdealt && canEnd(war->deck);
        if (const frmBingo* bingo = app_.existing<frmBingo>())
            return bingo->tmrBall->isEnabled();
        return false;
    }

    // What a player who means to play would do on the screen shown.
    void purposeful()
    {
        if (auto* popup = qobject_cast<QMenu*>(QApplication::activePopupWidget()))
            return onFileMenu(*popup);
        if (frmDeckOptions* dialog = app_.existing<frmDeckOptions>(); dialog && dialog->isVisible())
            return onDeckOptions(*dialog);
        if (frmWar* war = app_.existing<frmWar>())
            return onWar(*war);
        if (frmBingo* bingo = app_.existing<frmBingo>())
            return onBingo(*bingo);
        if (frmTicTacToe* ttt = app_.existing<frmTicTacToe>())
            return onTicTacToe(*ttt);
        if (FrmFireIce* fireice = app_.existing<FrmFireIce>())
            return onFireIce(*fireice);
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
        click(any(std::vector<QWidget*>{menu.cmdFireIce, menu.cmdWar, menu.cmdTicTacToe, menu.cmdBingo}));
    }

    void onFileMenu(QMenu& menu)
    {
        if (roll(20) == 0)
            return click(&menu, menu.actionGeometry(app_.main().mnuQuit()), "Quit");
        roll(2) ? key(Qt::Key_Escape) : clickAnywhere();
    }

    void onDeckOptions(frmDeckOptions& dialog)
    {
        if (roll(10) < 6)
            return click(dialog.Optcard[std::size_t(roll(int(dialog.Optcard.size())))]);
        click(dialog.cmdOkay);
    }

    void onWar(frmWar& war)
    {
        const int r = roll(1000);
        if (!war.deck.yourdealt) {
            if (r < 900)
                return click(war.cmdStart);
            return click(r < 950 ? war.cmDeckOptions : static_cast<QWidget*>(war.picYourCards));
        }
        // A game where both sides hold a king never ends: the player gives
        // up on it soon, and plays one that can end to its end.
        if (r < (canEnd(war.deck) ? 1 : 50))
            return click(war.cmdQuit);
        if (r < 70)
            return click(war.cmDeckOptions);
        const bool keyboard = r % 5 == 0;
        if (war.cmdContinue->isVisible())
            return keyboard ? key(Qt::Key_Return) : click(war.cmdContinue);
        keyboard ? key(Qt::Key_Space) : click(war.picYourCards);
    }

    static bool canEnd(const war::WarDeck& deck)
    {
        int grizzles = 0;
        for (int suit = 1; suit <= war::kSuits; ++suit) {
            const war::Card king{war::kHighValue, suit};
            if (deck.dealercards.holds(king) || (!deck.yourcards.holds(king) && deck.dealervalue == war::kHighValue &&
                                                  deck.dealersuit == suit))
                ++grizzles;
        }
        return grizzles == 0 || grizzles == war::kSuits;
    }

    void onBingo(frmBingo& bingo)
    {
        const int r = roll(10000);
        if (bingo.Frame1->isVisible()) {
            if (r < 3000)
                return click(any(std::vector<QWidget*>{bingo.Option1, bingo.Option2, bingo.Option3, bingo.Option4}));
            if (r < 3500)
                return click(bingo.scrSpeed);
            if (r < 4500 && bingo.cmdCancel->isEnabled())
                return click(bingo.cmdCancel);
            return click(bingo.cmdOkay);
        }
        if (r < 20)
            return click(bingo.cmdQuit);
        if (!bingo.cmdBingo->isEnabled()) {
            if (r < 8000)
                return click(bingo.cmdStart);
            return click(bingo.lblNumber[std::size_t(26 + roll(25))]);
        }
        if (r < 40)
            return click(bingo.cmdOptions);
        if (r < 50)
            return click(bingo.cmdStart);
        if (r < 60)
            return click(bingo.cmdBingo);  // without looking: mostly a false claim
        if (playerHasPattern(bingo))
            return click(bingo.cmdBingo);
        if (r < 3000) {
            for (int cell = 26; cell <= 50; ++cell)
                if (!bingo.marked(cell) && bingo.lblNumber[std::size_t(cell)]->text().toInt() == bingo.curball)
                    return click(bingo.lblNumber[std::size_t(cell)]);
        }
        if (r < 3300)
            return click(bingo.lblNumber[std::size_t(26 + roll(25))]);
        // the next ball, or only Grizzle's next look
        if (!passTime(r < 7000 ? bingo.tmrBall.get() : nullptr))
            click(bingo.cmdStart);
    }

    static bool playerHasPattern(const frmBingo& bingo)
    {
        std::array<bool, bingo::kCardCells> marks{};
        for (int cell = 1; cell <= bingo::kCardCells; ++cell)
            marks[std::size_t(cell - 1)] = bingo.marked(25 + cell);
        return bingo::hasPattern(bingo.gametype, marks);
    }

    void onTicTacToe(frmTicTacToe& ttt)
    {
        const int r = roll(100);
        if (r < 3)
            return click(ttt.cmdQuit);
        std::vector<QWidget*> free;
        for (int n = 1; n <= 9; ++n)
            if (ttt.Image1[std::size_t(n)]->isEnabled())
                free.push_back(ttt.Image1[std::size_t(n)]);
        if (r < 8 || free.empty())
            return click(ttt.cmdRestart);
        if (r < 20)
            return key(Qt::Key_Space);  // wherever the keyboard is
        click(any(free));
    }

    void onFireIce(FrmFireIce& fireice)
    {
        const int r = roll(100);
        if (fireice.cmdShuffle->isEnabled())
            return click(r < 8 ? fireice.cmdReturn : fireice.cmdShuffle);
        if (r < 50 && passTime())
            return;
        click(r < 75 ? fireice.cmdFire : fireice.cmdIce);
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
        static const std::array<std::pair<Qt::Key, Qt::KeyboardModifiers>, 28> keys{{
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
        }};
        const auto& [k, modifiers] = keys[std::size_t(roll(int(keys.size())))];
        key(k, modifiers);
    }

    void key(Qt::Key k, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        note(QStringLiteral("key %1").arg(QKeySequence(k | modifiers).toString()));
        QWidget* window = QApplication::activePopupWidget() ? QApplication::activePopupWidget() : &app_.main();
        QTest::keyClick(window->windowHandle(), k, modifiers);
        finishAnimatedClicks();
    }

    void click(QWidget* w, const char* name = nullptr)
    {
        if (w)
            click(w, w->rect(), name);
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

    // Time passes to the next timer that falls due, which ticks; or, given
    // a timer, until that one has ticked (at most a hundred ticks).
    bool passTime(const Timer* until = nullptr)
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
            note(QStringLiteral("%1 ticks at %2 ms").arg(QLatin1String(next->name)).arg(now_));
            tick(*timer);
            if (timer == until || !until)
                return true;
        }
        return true;
    }

    // The timers of the screens that are loaded, each due one interval after
    // it was enabled or its interval changed.
    void syncTimers()
    {
        std::vector<std::pair<Timer*, const char*>> live;
        if (frmBingo* bingo = app_.existing<frmBingo>()) {
            live.emplace_back(bingo->tmrBall.get(), "tmrBall");
            live.emplace_back(bingo->tmrGrizzle.get(), "tmrGrizzle");
        }
        if (FrmFireIce* fireice = app_.existing<FrmFireIce>())
            live.emplace_back(fireice->tmrMovement.get(), "tmrMovement");
        std::erase_if(due_, [&](const Due& d) {
            const auto it = std::find_if(live.begin(), live.end(), [&](const auto& l) { return l.first == d.timer; });
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
        menuShown_ = app_.existing<frmMainMenu>()->isVisible();
        fileMenuOpen_ = QApplication::activePopupWidget() != nullptr;
        if (const frmBingo* bingo = app_.existing<frmBingo>(); bingo && bingo == bingo_) {
            balls_ = bingo->balls;
            curball_ = bingo->curball;
        }
        if (const frmTicTacToe* ttt = app_.existing<frmTicTacToe>(); ttt && ttt == ticTacToe_)
            scores_ = {ttt->playerscore, ttt->computerscore};
    }

    QStringList newMessages() const { return s_.platform.messages.mid(messagesBefore_); }

    void check()
    {
        if (!qtComplaint.isEmpty())
            fail(QStringLiteral("Qt complained: %1").arg(qtComplaint));
        const QStringList messages = newMessages();
        for (const QString& m : messages) {
            const int i = messageIndex(m);
            if (i < 0)
                fail(QStringLiteral("a message box not in the design: \"%1\"").arg(m));
            ++shared_.tally.messages[std::size_t(i)];
            if ((i == GrizzleWinsBingo || i == YouWinBingo) && app_.existing<frmBingo>())
                ++shared_.tally.bingoGames[std::size_t(app_.existing<frmBingo>()->gametype - 1)];
        }
        frmMain& main = app_.main();
        if (!main.isVisible() || !main.isEnabled())
            fail(QStringLiteral("the frame is hidden or disabled"));
        if (app_.existing<frmLoading>())
            fail(QStringLiteral("the loading screen is back"));

        const std::array<Form*, 5> left{app_.existing<frmMainMenu>(), app_.existing<frmWar>(), app_.existing<frmBingo>(),
                                        app_.existing<frmTicTacToe>(), app_.existing<FrmFireIce>()};
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
        for (Form* game : {left[1], left[2], left[3], left[4]})
            if (game && left[0]->isVisible())
                fail(QStringLiteral("%1 is loaded behind the menu").arg(game->objectName()));

        const frmGrizzley* panel = app_.existing<frmGrizzley>();
        if (!panel || !panel->isVisible() || !panel->isEnabled() ||
            twips::rect(panel) != twips::Rect{area.width, 0, 3000, main.Height()})
            fail(QStringLiteral("the opponent panel is not in its place"));

        checkDeckOptions();
        if (const frmHelp* help = main.help(); help && help->isVisible())
            checkHelp(*help);
        if (auto* war = app_.existing<frmWar>())
            checkWar(*war);
        if (auto* bingo = app_.existing<frmBingo>())
            checkBingo(*bingo);
        if (auto* ttt = app_.existing<frmTicTacToe>())
            checkTicTacToe(*ttt, messages);
        if (auto* fireice = app_.existing<FrmFireIce>())
            checkFireIce(*fireice);
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

    void checkDeckOptions()
    {
        const frmCardImages& images = *app_.existing<frmCardImages>();
        if (images.cardtype < 0 || images.cardtype > 4)
            fail(QStringLiteral("card back %1").arg(images.cardtype));
        const frmDeckOptions* dialog = app_.existing<frmDeckOptions>();
        if (!dialog)
            return;
        if (std::count_if(dialog->Optcard.begin(), dialog->Optcard.end(), [](QRadioButton* o) { return o->isChecked(); }) != 1)
            fail(QStringLiteral("not exactly one card back chosen"));
        const frmWar* war = app_.existing<frmWar>();
        if (dialog->isVisible() && (!war || war->isEnabled() || !dialog->isEnabled()))
            fail(QStringLiteral("the deck options are open, and War is not waiting for them"));
        if (!dialog->isVisible() && war && !war->isEnabled())
            fail(QStringLiteral("War is disabled with the deck options closed"));
    }

    void checkWar(const frmWar& war)
    {
        const war::WarDeck& d = war.deck;
        // the controls' own Enabled: the screen waits while the deck options are open
        const auto enabled = [&war](const QWidget* w) { return w->isEnabledTo(&war); };
        frmCardImages& images = *app_.existing<frmCardImages>();
        const Picture back = images.PictureClip1(images.cardtype);
        if (war.picYourCards->picture() != back || war.picDealerCards->picture() != back)
            fail(QStringLiteral("a War pile does not show the chosen back"));
        if (!d.yourdealt) {
            if (d.yourcards.count() || d.dealercards.count() || war.piccard1->isVisible() || war.piccard2->isVisible() ||
                enabled(war.cmdQuit) || !enabled(war.cmdStart))
                fail(QStringLiteral("War is not as loaded before Start"));
            return;
        }
        if (enabled(war.cmdStart) || !enabled(war.cmdQuit))
            fail(QStringLiteral("War's Start or Main Menu is wrong after the deal"));
        std::vector<war::Card> inPlay;
        for (int value = war::kLowValue; value <= war::kHighValue; ++value) {
            for (int suit = 1; suit <= war::kSuits; ++suit) {
                const war::Card c{value, suit};
                const bool grizzles = d.dealercards.holds(c), yours = d.yourcards.holds(c);
                if (grizzles && yours)
                    fail(QStringLiteral("the %1 of suit %2 is in both hands").arg(value).arg(suit));
                if (!grizzles && !yours)
                    inPlay.push_back(c);
            }
        }
        // Between rounds Grizzle's card is out; once the round is settled and
        // shown, every card is back in a hand.
        const war::Card grizzles{d.dealervalue, d.dealersuit};
        const bool settled = war.cmdContinue->isVisible();
        if (settled ? !inPlay.empty() : inPlay != std::vector<war::Card>{grizzles})
            fail(QStringLiteral("%1 of the 48 cards are in neither hand %2")
                     .arg(inPlay.size())
                     .arg(settled ? QStringLiteral("after the round") : QStringLiteral("with Grizzle's card out")));
        if (!settled) {
            if (!war.piccard1->isVisible() ||
                war.piccard1->picture() != images.cardpicture(qint16(grizzles.value), qint16(grizzles.suit)) ||
                !enabled(war.picYourCards))
                fail(QStringLiteral("Grizzle's card in play is not shown as it should be"));
            return;
        }
        const QString expected = d.yourvalue > d.dealervalue   ? QStringLiteral("You!")
                                 : d.yourvalue < d.dealervalue ? QStringLiteral("Grizzle!")
                                                               : QStringLiteral("Both of you!");
        if (!war.piccard2->isVisible() || enabled(war.picYourCards) || war.lblWinner->text() != expected)
            fail(QStringLiteral("the settled round shows \"%1\"").arg(war.lblWinner->text()));
    }

    void checkBingo(const frmBingo& bingo)
    {
        if (bingo_ != &bingo) {
            // a new visit, as loaded
            bingo_ = &bingo;
            balls_ = bingo.balls;
            curball_ = bingo.curball;
            carried_ = 0;
        }
        const bool timers = bingo.tmrBall->isEnabled() && bingo.tmrGrizzle->isEnabled();
        const bool noTimers = !bingo.tmrBall->isEnabled() && !bingo.tmrGrizzle->isEnabled();
        const bool play = bingo.cmdOptions->isEnabled() && bingo.cmdBingo->isEnabled();
        const bool noPlay = !bingo.cmdOptions->isEnabled() && !bingo.cmdBingo->isEnabled();
        const bool panel = bingo.Frame1->isVisible();
        const bool start = bingo.cmdStart->isEnabled();
        const bool known = (noTimers && noPlay && !start && panel) || (timers && play && start && !panel) ||
                           (noTimers && noPlay && start && !panel);
        if (!known)
            fail(QStringLiteral("Bingo is in none of its four states"));

        const bingo::BallBag& bag = bingo.balls;
        std::set<int> called, before;
        for (int b = 1; b <= bingo::kBalls; ++b) {
            if (!bag.ballfree[std::size_t(b)])
                called.insert(b);
            if (!balls_.ballfree[std::size_t(b)])
                before.insert(b);
        }
        if (int(called.size()) != bag.ballcount)
            fail(QStringLiteral("%1 balls counted, %2 called").arg(bag.ballcount).arg(called.size()));
        if (std::includes(called.begin(), called.end(), before.begin(), before.end())) {
            if (bag.ballcount - balls_.ballcount != int(called.size() - before.size()))
                fail(QStringLiteral("a ball was called twice"));
        } else {
            carried_ = curball_;  // a new game: the last ball of the old one still shows
        }
        if (bingo.curball != curball_ && !called.count(bingo.curball))
            fail(QStringLiteral("ball %1 shows but was not called").arg(bingo.curball));
        if (bingo.curball && bingo.lblBall->text() != bingo::ballText(bingo.curball))
            fail(QStringLiteral("the ball reads %1 for %2").arg(bingo.lblBall->text()).arg(bingo.curball));

        // Grizzle marks only what was called: in this game, or the last ball
        // of the game before, which still shows when a new one starts.
        if (!bingo.marked(bingo::kCentre))
            fail(QStringLiteral("Grizzle's free space is not marked"));
        for (int cell = 1; cell <= bingo::kCardCells; ++cell) {
            if (cell == bingo::kCentre || !bingo.marked(cell))
                continue;
            const int n = bingo.lblNumber[std::size_t(cell)]->text().toInt();
            if (!called.count(n) && n != bingo.curball && n != carried_)
                fail(QStringLiteral("Grizzle marked %1, which was not called").arg(n));
        }
        for (int offset : {0, 25}) {
            for (int column = 0; column < 5; ++column) {
                std::set<int> numbers;
                for (int row = 0; row < 5; ++row) {
                    const QString caption = bingo.lblNumber[std::size_t(offset + 5 * row + column + 1)]->text();
                    if (column == 2 && row == 2) {
                        if (caption != QLatin1String("FS"))
                            fail(QStringLiteral("a centre reads %1").arg(caption));
                        continue;
                    }
                    const int n = caption.toInt();
                    if (n < 15 * column + 1 || n > 15 * column + 15 || !numbers.insert(n).second)
                        fail(QStringLiteral("a card's column holds %1").arg(caption));
                }
            }
        }
        if (!bingo.lblBlocker->isVisible())
            fail(QStringLiteral("Grizzle's card is open to clicks"));
    }

    void checkTicTacToe(const frmTicTacToe& ttt, const QStringList& messages)
    {
        if (ticTacToe_ != &ttt) {
            // a new visit
            ticTacToe_ = &ttt;
            scores_ = {0, 0};
        }
        int os = 0, xs = 0;
        for (int n = 1; n <= 9; ++n) {
            const PictureBox* image = ttt.Image1[std::size_t(n)];
            const bool free = image->isEnabledTo(&ttt);
            const Picture& shown = image->picture();
            const qint16 v = ttt.board(n);
            const bool right = (v == tictactoe::kEmpty && free && shown.isNull()) ||
                               (v == tictactoe::kPlayer && !free && shown == ttt.imgO->picture()) ||
                               (v == tictactoe::kComputer && !free && shown == ttt.imgX->picture());
            if (!right)
                fail(QStringLiteral("Tic Tac Toe cell %1 holds %2 but shows otherwise").arg(n).arg(v));
            os += v == tictactoe::kPlayer;
            xs += v == tictactoe::kComputer;
        }
        if (tictactoe::outcome(ttt.board) != tictactoe::Outcome::None)
            fail(QStringLiteral("a finished Tic Tac Toe game stays on the board"));
        if (std::abs(os - xs) > 1)
            fail(QStringLiteral("%1 O against %2 X").arg(os).arg(xs));
        const long wins = messages.count(QLatin1String(kMessageTexts[YouWinTicTacToe]));
        const long losses = messages.count(QLatin1String(kMessageTexts[GrizzleyWinsTicTacToe]));
        if (ttt.playerscore != scores_.first + wins || ttt.computerscore != scores_.second + losses ||
            ttt.scr1->text() != QString::number(ttt.playerscore) || ttt.scr2->text() != QString::number(ttt.computerscore))
            fail(QStringLiteral("the scores read %1 and %2").arg(ttt.scr1->text(), ttt.scr2->text()));
    }

    void checkFireIce(const FrmFireIce& fireice)
    {
        const bool calling = fireice.cmdFire->isEnabled();
        if (fireice.cmdIce->isEnabled() != calling || fireice.cmdShuffle->isEnabled() == calling)
            fail(QStringLiteral("Fire & Ice's buttons disagree"));
        if (calling && !fireice.tmrMovement->isEnabled())
            fail(QStringLiteral("a call is open but the card stands still"));
        const double left = twips::left(fireice.imgCard);
        if (left < -200 || left >= twips::width(&fireice))
            fail(QStringLiteral("the card has left the screen at %1").arg(left));
        if (fireice.picGuy->isVisible() &&
            (twips::left(fireice.picGuy) < 0 || twips::top(fireice.picGuy) < 0 ||
             twips::left(fireice.picGuy) + twips::width(fireice.picGuy) > twips::width(&fireice) ||
             twips::top(fireice.picGuy) + twips::height(fireice.picGuy) > twips::height(&fireice)))
            fail(QStringLiteral("the gunman stands outside the screen"));
    }

    // The application ends: the rules for that, then the run is over.
    void ended()
    {
        const QStringList messages = newMessages();
        const int last = messages.isEmpty() ? -1 : messageIndex(messages.last());
        if (last == GrizzleOutOfCards || last == YouOutOfCards) {
            const frmWar* war = app_.existing<frmWar>();
            const bool right = war && (last == GrizzleOutOfCards ? war->deck.dealercards.count() == 0
                                                                 : war->deck.yourcards.count() == 0 &&
                                                                       war->deck.dealercards.count() > 0);
            if (!right)
                fail(QStringLiteral("War ended with \"%1\" and hands of %2 and %3 cards")
                         .arg(messages.last())
                         .arg(war ? war->deck.dealercards.count() : -1)
                         .arg(war ? war->deck.yourcards.count() : -1));
            ++shared_.tally.endedByWar;
        } else if (fileMenuOpen_) {
            ++shared_.tally.endedByFileQuit;
        } else if (menuShown_) {
            ++shared_.tally.endedByQuit;
        } else {
            fail(QStringLiteral("the application ended with no Quit and no end of War"));
        }
        for (const QString& m : messages)
            if (const int i = messageIndex(m); i >= 0)
                ++shared_.tally.messages[std::size_t(i)];
        ++event_;
        finish();
    }

    // --- the end of the run --------------------------------------------------

    void note(const QString& what)
    {
        log_.push_back(QStringLiteral("%1: %2").arg(event_).arg(what));
        if (log_.size() > kShownEvents)
            log_.pop_front();
    }

    static QString path(const QWidget* w)
    {
        QStringList names;
        for (; w; w = w->parentWidget())
            if (!w->objectName().isEmpty())
                names.prepend(w->objectName());
        return names.join(QLatin1Char('/'));
    }

    [[noreturn]] void fail(const QString& what)
    {
        QString text = QStringLiteral("seed %1, event %2: %3\n(replay: bench_random_player %4 %1); the last events:\n")
                           .arg(seed_)
                           .arg(event_)
                           .arg(what)
                           .arg(event_ + 1);
        for (const QString& line : log_)
            text += QStringLiteral("  %1\n").arg(line);
        const QByteArray bytes = text.toUtf8();
        std::strncpy(shared_.failure, bytes.constData(), sizeof shared_.failure - 1);
        shared_.failed = true;
        shared_.next = event_;
        shared_.tally.events += event_ - first_;
        std::fflush(nullptr);
        _exit(1);
    }

    // The normal shutdown of this run, then the leak checker's look at what
    // it left behind.
    [[noreturn]] void finish()
    {
        shared_.next = event_;
        shared_.tally.events += event_ - first_;
        s_.platform.onEnd = nullptr;
        s_.app.reset();
        StartedApp::settle();
        // Qt paints large areas on threads of its pool; they go too.
        QThreadPool::globalInstance()->waitForDone();
#if defined(__SANITIZE_ADDRESS__)
        __lsan_do_leak_check();
#endif
        std::fflush(nullptr);
        _exit(0);
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
    long event_ = 0;
    std::deque<QString> log_;
    double now_ = 0;
    std::vector<Due> due_;

    qsizetype messagesBefore_ = 0;
    bool menuShown_ = false;
    bool fileMenuOpen_ = false;
    bingo::BallBag balls_;
    qint16 curball_ = 0;
    int carried_ = 0;
    // The screens of the visit the rules follow, gone when it ends.
    QPointer<const frmBingo> bingo_;
    QPointer<const frmTicTacToe> ticTacToe_;
    std::pair<long, long> scores_;
};

// The threads of this process but QtTest's watchdog, which only sleeps until
// a test function overruns.
int threads()
{
    int count = 0;
    const QDir tasks(QStringLiteral("/proc/self/task"));
    for (const QString& task : tasks.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile name(tasks.filePath(task + QStringLiteral("/comm")));
        name.open(QIODevice::ReadOnly);
        if (name.readAll().trimmed() != "QtTest Watchdog")
            ++count;
    }
    return count;
}

} // namespace

Result play(unsigned seed, long events)
{
    Result result;
    void* memory = mmap(nullptr, sizeof(Shared), PROT_READ | PROT_WRITE, MAP_SHARED | MAP_ANONYMOUS, -1, 0);
    if (memory == MAP_FAILED) {
        result.failure = QStringLiteral("no memory to share with the runs");
        return result;
    }
    auto* shared = new (memory) Shared{};

    StartedApp started;
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
            Run(started, seed, runSeed, next, last, *shared).play();
        int status = 0;
        waitpid(child, &status, 0);
        if (shared->failed) {
            result.failure = QString::fromUtf8(shared->failure);
        } else if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
            // a sanitizer's report, or a crash, in the event being played
            // or, for a leak, at the end of the run
            result.failure = QStringLiteral("seed %1, event %2: the run of events from %3 ended with %4 %5 (see "
                                            "above; replay: bench_random_player %6 %1)")
                                 .arg(seed)
                                 .arg(shared->next)
                                 .arg(next)
                                 .arg(WIFSIGNALED(status) ? QStringLiteral("signal") : QStringLiteral("status"))
                                 .arg(WIFSIGNALED(status) ? WTERMSIG(status) : WEXITSTATUS(status))
                                 .arg(shared->next + 1);
        }
        next = shared->next;
    }
    result.tally = shared->tally;
    munmap(memory, sizeof(Shared));
    return result;
}

QString describe(const Tally& tally)
{
    QString text = QStringLiteral("%1 events in %2 runs of the application\n").arg(tally.events).arg(tally.runs);
    text += QStringLiteral("ended by War %1, by Quit %2, by File, Quit %3\n")
                .arg(tally.endedByWar)
                .arg(tally.endedByQuit)
                .arg(tally.endedByFileQuit);
    for (int i = 0; i < kMessages; ++i)
        text += QStringLiteral("%1  \"%2\"\n").arg(tally.messages[std::size_t(i)], 7).arg(QLatin1String(kMessageTexts[std::size_t(i)]));
    text += QStringLiteral("Bingo games won by pattern: Blackout %1, X-out %2, 4 Corners %3, Field Goal %4\n")
                .arg(tally.bingoGames[0])
                .arg(tally.bingoGames[1])
                .arg(tally.bingoGames[2])
                .arg(tally.bingoGames[3]);
    return text;
}

} // namespace randomplayer
