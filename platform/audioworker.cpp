// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/audioworker.h"

#include "platform/audiomodule.h"
#include "platform/logging.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibrary>
#include <system_error>

class AudioWorker::Player : public MediaPlayer {
public:
    Player(AudioWorker& worker, Device device) : worker_(worker), device_(device) {}
    void setFileName(const QString& fileName) override { fileName_ = fileName; }
    void setCommand(const QString& command) override { worker_.send(device_, fileName_, command); }

private:
    AudioWorker& worker_;
    const Device device_;
    QString fileName_;
};

AudioWorker::AudioWorker(QStringList modules, QStringList dataFolders)
    : modules_(std::move(modules)),
      dataFolders_(std::move(dataFolders)),
      sequencer_(std::make_unique<Player>(*this, Device::Sequencer)),
      waveAudio_(std::make_unique<Player>(*this, Device::WaveAudio))
{
}

AudioWorker::~AudioWorker()
{
    {
        std::lock_guard lock(mutex_);
        quit_ = true;
    }
    changed_.notify_all();
    if (thread_.joinable())
        thread_.join();
}

MediaPlayer& AudioWorker::sequencer()
{
    return *sequencer_;
}

MediaPlayer& AudioWorker::waveAudio()
{
    return *waveAudio_;
}

void AudioWorker::finish()
{
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return queue_.empty() && !busy_; });
}

QString AudioWorker::libraries() const
{
    std::lock_guard lock(mutex_);
    return libraries_;
}

void AudioWorker::send(Device device, const QString& fileName, const QString& word)
{
    {
        std::lock_guard lock(mutex_);
        if (!thread_.joinable()) {
            if (word.trimmed().compare(QLatin1String("open"), Qt::CaseInsensitive) != 0)
                return;
            try {
                thread_ = std::thread(&AudioWorker::run, this);
            } catch (const std::system_error& error) {
                // the next "open" tries again
                qCInfo(lcAudio, "no sound: the audio thread cannot start: %s", error.what());
                return;
            }
        }
        queue_.push_back({device, fileName, word});
    }
    changed_.notify_all();
}

void AudioWorker::run()
{
    // made, used and destroyed on this thread alone
    const std::unique_ptr<AudioModule> module = load();
    std::unique_lock lock(mutex_);
    libraries_ = module ? module->libraries()
                        : QCoreApplication::translate("audio", "SDL2_mixer and FluidSynth unavailable: the "
                                                              "audio module could not be loaded");
    for (;;) {
        changed_.wait(lock, [this] { return quit_ || !queue_.empty(); });
        if (quit_)
            return;
        const Command command = queue_.front();
        queue_.pop_front();
        busy_ = true;
        lock.unlock();
        if (module) {
            MediaPlayer& player = command.device == Device::Sequencer ? module->sequencer() : module->waveAudio();
            player.setFileName(command.fileName);
            player.setCommand(command.word);
        }
        lock.lock();
        busy_ = false;
        changed_.notify_all();
    }
}

std::unique_ptr<AudioModule> AudioWorker::load() const
{
    for (const QString& path : modules_) {
        if (!QFileInfo(path).isFile()) {
            qCInfo(lcAudio, "no audio module at %s", qUtf8Printable(path));
            continue;
        }
        // The module stays loaded to the end of the run (QLibrary unloads only
        // when told): FluidSynth's OpenMP threads outlive its last synthesiser.
        QLibrary library(path);
        if (auto create = reinterpret_cast<CreateAudioModule>(library.resolve(CARDOVIA_AUDIO_ENTRY)))
            return std::unique_ptr<AudioModule>(create(dataFolders_));
        qCInfo(lcAudio, "the audio module %s was refused: %s", qUtf8Printable(path), qUtf8Printable(library.errorString()));
    }
    qCInfo(lcAudio, "no audio module could be loaded: the game stays silent");
    return nullptr;
}
