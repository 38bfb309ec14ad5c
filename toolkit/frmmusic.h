// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The hidden holder of the two media players.

#include "toolkit/form.h"

class MediaPlayer;

class frmMusic : public Form {
    Q_OBJECT
public:
    frmMusic(App& app, QWidget* parent);

    MediaPlayer& MMControl1;  // "WaveAudio": sound effects
    MediaPlayer& MMControl2;  // "Sequencer": the music tracks
};
