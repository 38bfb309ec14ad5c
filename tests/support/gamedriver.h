// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How the random player (randomplayer.h) plays one game. A game's driver says
// what a player who means to play does on its screen, which timers the screen
// runs, what to tally, and the rules that must hold after every event. The
// player does the rest: careless clicks and keys anywhere, the menu, the
// music, the File menu, and the rules every screen shares.
//
// A driver lives beside its game's tests (tests/<game>/driver_<game>.cpp) and
// registers itself under its menu button's name in the games table
// (shell/games.cpp):
//
//   const randomplayer::Registration<PokerDriver> registered("cmdPoker");
//
// The player plays every game of the table, and plays none without a driver
// for each. A run makes its drivers afresh, so a driver keeps what it follows
// of a run in its own members.

#include "platform/platform.h"
#include "toolkit/app.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <vector>

class FakePlatform;
class QWidget;

namespace randomplayer {

// What a driver asks of the player.
class Player {
public:
    virtual App& app() = 0;
    // A number from 0 to n - 1, from the run's dice: the same seed plays the
    // same events, so every event a driver plays comes from here.
    virtual int roll(int n) = 0;
    template <class T>
    T* any(const std::vector<T*>& from)
    {
        return from.empty() ? nullptr : from[std::size_t(roll(int(from.size())))];
    }
    // A click at a random point of the control, sent to its window as the
    // window system sends one; `name` stands for it in a failure's report.
    virtual void click(QWidget* control, const char* name = nullptr) = 0;
    // A key pressed where the keyboard is.
    virtual void key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) = 0;
    // Time passes to the next timer that falls due, which ticks; or, given
    // one, until that one has ticked. False when no timer runs.
    virtual bool passTime(const Timer* until = nullptr) = 0;
    // The timer whose tick was the last thing the event being played did,
    // if one was: what the screen shows is that tick's doing.
    virtual const Timer* lastTick() const = 0;
    // One more of what the driver tallies (Driver::counters).
    virtual void count(const QString& counter) = 0;
    // One more in bin `bin` of the driver's histogram `name`
    // (Driver::histograms), counted over the whole play.
    virtual void sample(const QString& name, int bin) = 0;
    // A rule is broken: the run ends here, and the failure says where.
    [[noreturn]] virtual void fail(const QString& what) = 0;

protected:
    ~Player() = default;
};

// What a driver counts over a whole play, across its runs, to check the
// chances the rules give: how often each card or ball came up, say.
struct Histogram {
    QString name;
    int bins;
};

// A timer of a screen, with the name a failure's report gives it.
struct NamedTimer {
    Timer* timer;
    const char* name;
};

class Driver {
public:
    virtual ~Driver() = default;

    // The game's screen while it is loaded, else none.
    virtual Form* screen(App& app) const = 0;
    // The texts of the game's message boxes: each is tallied, and a run
    // must show them all.
    virtual QStringList messages() const { return {}; }
    // What else the driver tallies (see Player::count); a run must reach each.
    virtual QStringList counters() const { return {}; }
    // What it counts over the whole play (Player::sample).
    virtual std::vector<Histogram> histograms() const { return {}; }
    // Once the whole play of `events` events is over: whether its counts,
    // one list per histogram in order, are what the rules' chances make
    // them. What is wrong, or empty. Its bounds must be wide enough never to
    // fail by chance.
    virtual QString judge(const std::vector<std::vector<long>>& counts, long events) const;

    // Asked only while the screen is loaded:
    // Whether the player is in the middle of something worth finishing, and
    // so mostly plays on purpose.
    virtual bool intent(Form& screen) const;
    // What a player who means to play does now.
    virtual void act(Player& player, Form& screen) = 0;
    // The timers the screen runs now or may run.
    virtual std::vector<NamedTimer> timers(Form& screen) const;
    // The application ends: whether this game ended it, with the rules for
    // that checked; `messages` are those the last event showed.
    virtual bool ended(Player& player, Form& screen, const QStringList& messages);

    // Asked before and after every event, with the screen if it is loaded:
    // Before: what the rules will compare with.
    virtual void begin(Form* screen);
    // After: the rules that must hold; `messages` are those the event showed.
    virtual void check(Player& player, Form* screen, const QStringList& messages);

    // What play reaches only by luck, such as a message box that ends the
    // game: steps for the visit of every screen (visit.h), each taken on the
    // screen as it opens, in a run of its own, through the screen's handlers
    // and the fake platform. The visit looks at the windows after each step
    // and at each message box; `look` has it look now.
    using Step = std::function<void(Form& screen, FakePlatform& platform, const std::function<void()>& look)>;
    virtual std::vector<Step> visitSteps() const { return {}; }
};

// A driver of the screen class `Screen`.
template <class Screen>
class ScreenDriver : public Driver {
public:
    Form* screen(App& app) const override { return app.existing<Screen>(); }

protected:
    static Screen& of(Form& screen) { return static_cast<Screen&>(screen); }
    static Screen* of(Form* screen) { return static_cast<Screen*>(screen); }
};

using MakeDriver = std::unique_ptr<Driver> (*)();
void registerDriver(const char* button, MakeDriver make);
// The driver of the game whose menu button is `button`; none if it has none.
std::unique_ptr<Driver> makeDriver(const char* button);

template <class D>
struct Registration {
    explicit Registration(const char* button)
    {
        registerDriver(button, [] { return std::unique_ptr<Driver>(std::make_unique<D>()); });
    }
};

} // namespace randomplayer
