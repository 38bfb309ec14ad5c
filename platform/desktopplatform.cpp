// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/desktopplatform.h"

#include "platform/appinfo.h"
#include "platform/audioworker.h"
#include "platform/datafolders.h"

#include <QCoreApplication>
#include <QDir>
#include <QMessageBox>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace {

class QtTimerControl : public Timer {
public:
    explicit QtTimerControl(std::function<void()> onTick)
    {
        timer_.setTimerType(Qt::PreciseTimer);
        QObject::connect(&timer_, &QTimer::timeout, std::move(onTick));
    }
    void setEnabled(bool enabled) override
    {
        enabled_ = enabled;
        apply();
    }
    bool isEnabled() const override { return enabled_; }
    void setInterval(int milliseconds) override
    {
        interval_ = milliseconds;
        apply();
    }
    int interval() const override { return interval_; }

private:
    // The classic desktop timer never ticked faster than the display's
    // frames; shorter intervals run at about 60 ticks a second, so a card
    // moved by a 1 ms timer is seen sliding instead of jumping.
    static constexpr int kFrameMs = 16;

    void apply()
    {
        // Changing the interval restarts the count, as the classic timer did.
        timer_.stop();
        if (enabled_ && interval_ > 0) {
            timer_.setInterval(std::max(interval_, kFrameMs));
            timer_.start();
        }
    }

    QTimer timer_;
    bool enabled_ = false;
    int interval_ = 0;
};

} // namespace

DesktopPlatform::DesktopPlatform()
{
    // The music and sound files are looked for by their plain names in the
    // current directory first, then in the data folders, so they also play
    // when the game is started from elsewhere or installed.
    const QString program = QCoreApplication::applicationDirPath();
    // The audio module is beside the program in a build, in the library
    // folder where it is installed.
    QStringList modules;
    for (const QString& dir : {program, program + QStringLiteral("/../lib/cardovia"),
                               program + QStringLiteral("/" CARDOVIA_AUDIO_INSTALLED)})
        modules << QDir::cleanPath(dir + QStringLiteral("/cardovia-audio.so"));
    modules.removeDuplicates();
    audio_ = std::make_unique<AudioWorker>(modules, dataFolders());
    Randomize();
}

DesktopPlatform::~DesktopPlatform() = default;

void DesktopPlatform::Randomize()
{
    // The clock alone would restart the sequence when two reseeds fall in one
    // tick; mixing in the generator's own next output keeps it moving.
    const auto now = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    std::seed_seq seed{std::uint32_t(now), std::uint32_t(std::uint64_t(now) >> 32),
                       std::uint32_t(engine_()), std::uint32_t(engine_())};
    engine_.seed(seed);
}

float DesktopPlatform::Rnd()
{
    return float(engine_() >> 8) * (1.0f / 16777216.0f);
}

void DesktopPlatform::MsgBox(const QString& text)
{
    QMessageBox box(QMessageBox::NoIcon, QString::fromUtf8(appinfo::kTitle), text,
                    QMessageBox::Ok, messageParent_.data());
    box.exec();
}

void DesktopPlatform::End()
{
    runBeforeEnd();
    std::fflush(nullptr);
    if (!shutdown_)
        std::_Exit(0);
    // The shutdown may take this platform with it.
    const std::function<void()> shutdown = std::move(shutdown_);
    shutdown();
    // exit, not _Exit: the leak checker looks at what is left at exit
    std::exit(0);
}

QTime DesktopPlatform::timeOfDay()
{
    return QTime::currentTime();
}

std::unique_ptr<Timer> DesktopPlatform::makeTimer(std::function<void()> onTick)
{
    return std::make_unique<QtTimerControl>(std::move(onTick));
}

MediaPlayer& DesktopPlatform::sequencer()
{
    return audio_->sequencer();
}

MediaPlayer& DesktopPlatform::waveAudio()
{
    return audio_->waveAudio();
}

QString DesktopPlatform::audioLibraries()
{
    return audio_->libraries();
}
