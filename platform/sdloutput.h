// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The audio output the SDL players share, and its recovery when the system
// takes the device away. Part of the audio module.

#include <memory>

class Synth;

// SDL is started for audio only, so it stays out of Qt's way. The device
// opens on a player's first "open"; while none can be opened, the next
// "open" tries again. A device the system takes away (unplugged, its sound
// server restarted, a write that failed) is closed at the next "open", which
// opens the output afresh. One SdlAudio may exist at a time, and it must
// outlive its players.
class SdlAudio {
public:
    SdlAudio();
    ~SdlAudio();
    SdlAudio(const SdlAudio&) = delete;
    SdlAudio& operator=(const SdlAudio&) = delete;

    // True while the output is open and its device there; opens it when it
    // is not.
    bool ready();
    // Which opening of the output is in use, counting from 1; 0 while it is
    // closed. What a player made for one opening (a sound converted to its
    // format, a song on its synthesiser) is gone with it.
    int opening() const;
    // The synthesiser of the music stream, made on first need while the
    // output is open; null while it cannot be made. It reads the soundfont
    // once and keeps it while the output stays open, so a song opens and
    // restarts without reading the soundfont again.
    Synth* synth();

private:
    bool startSdl();
    void close();

    bool sdlStarted_ = false;
    bool open_ = false;
    int openings_ = 0;
    std::unique_ptr<Synth> synth_;
};
