// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The random player's last steps, which a failure's report shows: each noted
// as it is played, and spelt out only for a report, as the timers tick many
// times an event.

#include <QString>
#include <algorithm>
#include <array>
#include <cstddef>

namespace randomplayer {

class EventLog {
public:
    // What event `event` did.
    void note(long event, const QString& what) { add({event, what}); }
    // A tick of the timer named `timer`, at `at` ms, in event `event`.
    void noteTick(long event, const char* timer, double at) { add({event, {}, timer, at}); }

    // The last of them, oldest first, one indented line each ("  812: click cmdStart at 3,4").
    QString lines() const
    {
        QString text;
        for (long n = std::max(0L, noted_ - long(kShown)); n < noted_; ++n) {
            const Noted& line = last_[std::size_t(n) % kShown];
            const QString what =
                line.timer ? QStringLiteral("%1 ticks at %2 ms").arg(QLatin1String(line.timer)).arg(line.at) : line.what;
            text += QStringLiteral("  %1: %2\n").arg(line.event).arg(what);
        }
        return text;
    }

private:
    static constexpr std::size_t kShown = 25;

    struct Noted {
        long event = 0;
        QString what;
        const char* timer = nullptr;  // or a tick of this one, at `at` ms
        double at = 0;
    };

    void add(Noted noted) { last_[std::size_t(noted_++) % kShown] = std::move(noted); }

    std::array<Noted, kShown> last_;  // round and round
    long noted_ = 0;                  // all that were
};

} // namespace randomplayer
