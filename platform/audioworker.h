// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The media players of a desktop session, with the audio module loaded on
// first need. The first "open" starts a worker thread that loads the module,
// opens the output and reads what the file needs; from then on every command
// goes to that thread and is carried out there in the order it was given, so
// the user-interface thread never waits for the sound. Until then the players
// are closed and the other commands have nothing to act on. When the module
// cannot be loaded the players stay silent.

#include "platform/platform.h"

#include <QStringList>
#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>
#include <thread>

class AudioModule;

class AudioWorker {
public:
    // The module is looked for at each of `modules` in turn; the players look
    // for files in the current directory, then in each of the data folders.
    AudioWorker(QStringList modules, QStringList dataFolders);
    // Drops the commands not yet carried out and stops the sound.
    ~AudioWorker();
    AudioWorker(const AudioWorker&) = delete;
    AudioWorker& operator=(const AudioWorker&) = delete;

    MediaPlayer& sequencer();
    MediaPlayer& waveAudio();

    // Blocks until every command given so far has been carried out.
    void finish();
    // The module's sound libraries and their versions once it is loaded, or
    // why there are none once it could not be; empty until the first "open".
    QString libraries() const;

private:
    enum class Device { Sequencer, WaveAudio };
    class Player;
    struct Command {
        Device device;
        QString fileName;
        QString word;
    };

    void send(Device device, const QString& fileName, const QString& word);
    void run();
    std::unique_ptr<AudioModule> load() const;

    const QStringList modules_;
    const QStringList dataFolders_;
    std::unique_ptr<Player> sequencer_;
    std::unique_ptr<Player> waveAudio_;

    mutable std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<Command> queue_;
    bool busy_ = false;  // a command is being carried out
    bool quit_ = false;
    QString libraries_;
    std::thread thread_;
};
