// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The one seam between the screens and the machine: random numbers, message
// boxes, ending the application, the clock, timers and the two media players.
// Screens reach all of these through Platform, so tests can swap in recorders
// and seeded generators.

#include "platform/random.h"

#include <QString>
#include <QTime>
#include <functional>
#include <memory>

// A multimedia player driven by command words ("open", "play", "prev",
// "stop", "close"). The application writes FileName and Command and never
// reads anything back: every command may fail without consequence.
class MediaPlayer {
public:
    virtual ~MediaPlayer() = default;
    virtual void setFileName(const QString& fileName) = 0;
    virtual void setCommand(const QString& command) = 0;

    // Both players play a file alike: FileName, then "open", "play", "prev".
    void playFile(const QString& fileName);
    // "stop", then "close".
    void stopAndClose();
};

// A timer control: while enabled it raises its Timer event every interval
// milliseconds on the user-interface thread.
class Timer {
public:
    virtual ~Timer() = default;
    virtual void setEnabled(bool enabled) = 0;
    virtual bool isEnabled() const = 0;
    virtual void setInterval(int milliseconds) = 0;
    virtual int interval() const = 0;
};

class Platform : public Random {
public:
    // Modal box with the text and a single OK; returns when it is dismissed.
    virtual void MsgBox(const QString& text) = 0;

    // Ends the application at once. It never returns, so no later step of
    // the handler that called it (or of any other) runs; only the task given
    // to setBeforeEnd runs first.
    [[noreturn]] virtual void End() = 0;
    // What must not be lost when the application ends, such as a setting not
    // yet written; an empty task takes it back.
    void setBeforeEnd(std::function<void()> task) { beforeEnd_ = std::move(task); }

    virtual QTime timeOfDay() = 0;

    // A new timer, disabled, that calls onTick on each Timer event.
    virtual std::unique_ptr<Timer> makeTimer(std::function<void()> onTick) = 0;

    virtual MediaPlayer& sequencer() = 0;   // MIDI music, "Sequencer"
    virtual MediaPlayer& waveAudio() = 0;   // sound effects, "WaveAudio"
    // The sound libraries behind the players with their versions, such as
    // "SDL2_mixer 2.6.2, FluidSynth 2.3.1", or why there are none; empty until
    // the first sound or music has tried to load them. Asking never loads them.
    virtual QString audioLibraries() { return {}; }

protected:
    // What End does first.
    void runBeforeEnd()
    {
        if (beforeEnd_)
            beforeEnd_();
    }

private:
    std::function<void()> beforeEnd_;
};
