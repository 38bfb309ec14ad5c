// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One event on a screen, step by step, for a model that follows the screen
// (the random player's drivers): each message box with the whole screen as
// it showed (screenstate.h), and each press of a control the model follows
// with the screen after it and the boxes it opened.

#include "support/fakeplatform.h"
#include "support/gamedriver.h"
#include "support/screenstate.h"

#include <QPointer>
#include <QStringList>
#include <functional>
#include <utility>
#include <vector>

namespace screenstate {

// A message box, and the screen while it shows.
struct Heard {
    QString text;
    State state;
};

// A press of what the model names `what`, the screen after it, and the
// message boxes it opened.
struct Press {
    int what;
    State state;
    std::vector<Heard> messages;
};

// Hands each message box the fake platform shows, with `screen` as it
// shows then, to `heard`; none once the screen is gone.
inline void hear(QWidget* screen, Platform& platform, std::function<void(Heard)> heard)
{
    if (auto* fake = dynamic_cast<FakePlatform*>(&platform); fake && screen)
        fake->onMessage = [heard = std::move(heard), seen = QPointer<QWidget>(screen)](const QString& text) {
            if (seen)
                heard({text, read(*seen)});
        };
}

class Steps {
public:
    // A new event on `screen` (none: no screen followed), whose message
    // boxes the fake platform tells of.
    void begin(QWidget* screen, Platform& platform)
    {
        presses_.clear();
        heard_.clear();
        screen_ = screen;
        hear(screen, platform, [this](Heard heard) { heard_.push_back(std::move(heard)); });
    }

    // `what` was pressed: called from a slot connected after the screen's
    // own, so that the screen has done what the press does.
    void press(int what)
    {
        if (!screen_)
            return;
        reader_.read(*screen_, shown_);
        presses_.push_back({what, shown_, std::exchange(heard_, {})});
    }

    const std::vector<Press>& presses() const { return presses_; }

    // Once the presses are played: a box that no press opened, or the
    // event's `messages` not all heard; empty when neither.
    QString unheard(const QStringList& messages) const
    {
        if (!heard_.empty())
            return QStringLiteral("\"%1\" shown with nothing pressed").arg(heard_.front().text);
        std::size_t heard = 0;
        for (const Press& press : presses_)
            heard += press.messages.size();
        if (heard == std::size_t(messages.size()))
            return {};
        return QStringLiteral("%1 messages shown, %2 of them heard with the screen").arg(messages.size()).arg(heard);
    }

private:
    QPointer<QWidget> screen_;
    Reader reader_;
    State shown_;  // after the last press, read in place
    std::vector<Press> presses_;
    std::vector<Heard> heard_;  // not yet followed by their press
};

// Fails the run when the screen is not what the model says it must be,
// `when` telling which step of the event it was, with both side by side.
inline void compare(randomplayer::Player& player, const State& expected, const State& actual, const QString& when)
{
    if (const QString wrong = diff(expected, actual); !wrong.isEmpty())
        player.fail(QStringLiteral("%1 is not as its rules say:\n%2").arg(when, wrong));
}

} // namespace screenstate
