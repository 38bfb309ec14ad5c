// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The platform of a real desktop session: Qt message boxes and timers, the
// system clock, a clock-seeded generator and the audio players.

#include "platform/platform.h"

#include <QPointer>
#include <QWidget>
#include <random>

class AudioWorker;

class DesktopPlatform : public Platform {
public:
    DesktopPlatform();
    ~DesktopPlatform() override;

    // Message boxes are centred over this window.
    void setMessageParent(QWidget* parent) { messageParent_ = parent; }
    // What End runs before the process ends: a build that checks for leaks
    // takes the application down as the end of main() would, so that the
    // checker sees the whole run. Without one, End ends at once.
    void setShutdown(std::function<void()> shutdown) { shutdown_ = std::move(shutdown); }

    void Randomize() override;
    float Rnd() override;
    void MsgBox(const QString& text) override;
    [[noreturn]] void End() override;
    QTime timeOfDay() override;
    std::unique_ptr<Timer> makeTimer(std::function<void()> onTick) override;
    MediaPlayer& sequencer() override;
    MediaPlayer& waveAudio() override;
    QString audioLibraries() override;

private:
    std::mt19937 engine_;
    QPointer<QWidget> messageParent_;
    std::unique_ptr<AudioWorker> audio_;
    std::function<void()> shutdown_;
};
