// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/fakeplatform.h"

#include "platform/audioworker.h"

std::unique_ptr<Timer> FakePlatform::makeTimer(std::function<void()> onTick)
{
    return std::make_unique<ManualTimer>(std::move(onTick));
}

QString FakePlatform::audioLibraries()
{
    return audio_ ? audio_->libraries() : audioLibrariesText;
}

void FakePlatform::playThrough(AudioWorker* worker)
{
    audio_ = worker;
    sequencerPlayer.real = worker ? &worker->sequencer() : nullptr;
    wavePlayer.real = worker ? &worker->waveAudio() : nullptr;
}

float rndFor(int result, int low, int span)
{
    // the middle of the interval that gives `result`
    return (float(result - low) + 0.5f) / float(span);
}

void tick(Timer& timer)
{
    static_cast<ManualTimer&>(timer).tick();
}

int tickOut(Timer& timer, int most)
{
    int ticks = 0;
    for (; ticks < most && timer.isEnabled(); ++ticks)
        tick(timer);
    return ticks;
}

void pass(FakePlatform& platform, Timer& timer)
{
    platform.clock = platform.clock.addMSecs(timer.interval());
    tick(timer);
}
