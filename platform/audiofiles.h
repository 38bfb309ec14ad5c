// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The music and sound files, read and checked before a sound library sees
// them. Part of the audio module. Each file refused is said under
// cardovia.data, with its path and why, in one line.

#include <QByteArray>
#include <QString>

namespace audiofiles {

// A standard MIDI file within SdlPlayer::kMaxSongBytes; empty when refused.
QByteArray readSong(const QString& path);
// A RIFF wave file within SdlPlayer::kMaxSoundBytes and kMaxSoundSeconds;
// empty when refused.
QByteArray readWave(const QString& path);
// Says why the file is not used.
void refuse(const QString& path, const QString& why);

} // namespace audiofiles
