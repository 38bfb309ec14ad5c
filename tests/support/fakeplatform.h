// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A platform for tests: a seeded or scripted generator, a message box that
// records its text and presses OK, an End that unwinds the handler, timers
// that tick only when told, a clock that moves only as a test passes time,
// and media players that record their commands (and may pass them on to the
// real players).

#include "platform/platform.h"

#include <QStringList>
#include <deque>
#include <random>
#include <vector>

class AudioWorker;

// Thrown by FakePlatform::End; the test catches it where the real
// application would have stopped.
struct ApplicationEnded {};

class RecordingPlayer : public MediaPlayer {
public:
    void setFileName(const QString& fileName) override
    {
        log << QStringLiteral("FileName=") + fileName;
        if (real)
            real->setFileName(fileName);
    }
    void setCommand(const QString& command) override
    {
        log << command;
        if (real)
            real->setCommand(command);
    }
    QStringList log;
    // The player that each command is passed on to, if any.
    MediaPlayer* real = nullptr;
};

class ManualTimer : public Timer {
public:
    explicit ManualTimer(std::function<void()> onTick) : onTick_(std::move(onTick)) {}
    void setEnabled(bool enabled) override { enabled_ = enabled; }
    bool isEnabled() const override { return enabled_; }
    void setInterval(int milliseconds) override { interval_ = milliseconds; }
    int interval() const override { return interval_; }
    // Raises the Timer event if the timer is enabled, as the real one would.
    void tick()
    {
        if (enabled_)
            onTick_();
    }

private:
    std::function<void()> onTick_;
    bool enabled_ = false;
    int interval_ = 0;
};

class FakePlatform : public Platform {
public:
    explicit FakePlatform(unsigned seed = 12345) : engine_(seed) {}

    // Starts the seeded generator afresh from another seed.
    void reseed(unsigned seed) { engine_.seed(seed); }

    // Values that Rnd returns, in order, before the seeded generator takes over.
    void script(std::initializer_list<float> values) { scripted_.insert(scripted_.end(), values); }
    void script(const std::vector<float>& values) { scripted_.insert(scripted_.end(), values.begin(), values.end()); }
    std::size_t scriptLeft() const { return scripted_.size(); }

    void Randomize() override
    {
        ++reseeds;
        randomLog += QLatin1Char('R');
    }
    float Rnd() override
    {
        ++draws;
        randomLog += QLatin1Char('r');
        if (!scripted_.empty()) {
            const float v = scripted_.front();
            scripted_.pop_front();
            return v;
        }
        return float(engine_() >> 8) * (1.0f / 16777216.0f);
    }
    void MsgBox(const QString& text) override
    {
        messages << text;
        if (onMessage)
            onMessage(text);
    }
    [[noreturn]] void End() override
    {
        runBeforeEnd();
        ++ends;
        if (onEnd)
            onEnd();
        throw ApplicationEnded{};
    }
    QTime timeOfDay() override { return clock; }
    std::unique_ptr<Timer> makeTimer(std::function<void()> onTick) override;
    MediaPlayer& sequencer() override { return sequencerPlayer; }
    MediaPlayer& waveAudio() override { return wavePlayer; }
    QString audioLibraries() override;
    // The screens' commands go on to this worker's real players too, and the
    // sound libraries are the worker's; a null worker takes that back. The
    // screens keep their players from the start, so the worker can come later.
    void playThrough(AudioWorker* worker);

    QStringList messages;
    // Runs inside each message box, while it is "open".
    std::function<void(const QString&)> onMessage;
    // Runs when the application ends, before End unwinds the handler; it may
    // end the process instead, as the real End does.
    std::function<void()> onEnd;
    int ends = 0;
    int reseeds = 0;
    int draws = 0;
    // The order of reseeds and draws: "R" for each reseed, "r" for each draw.
    QString randomLog;
    QTime clock{10, 0, 0, 300};
    RecordingPlayer sequencerPlayer;
    RecordingPlayer wavePlayer;
    // What the sound libraries are said to be; none loaded unless set.
    QString audioLibrariesText;

private:
    std::mt19937 engine_;
    std::deque<float> scripted_;
    AudioWorker* audio_ = nullptr;
};

// Raises a fake timer's Timer event if it is enabled.
void tick(Timer& timer);
// Ticks the timer until it stops itself, at most `most` times; the ticks.
int tickOut(Timer& timer, int most = 1000);
// Time passes until the timer falls due: the clock moves on by its
// interval, then it ticks.
void pass(FakePlatform& platform, Timer& timer);

// Rnd value that makes Int(span * Rnd + low) come out as `result`.
float rndFor(int result, int low, int span);
