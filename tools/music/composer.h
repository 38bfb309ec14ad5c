// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Turns a song into a Standard MIDI File: a conductor track for tempo and
// metre, then melody, chords, bass and (if the song has them) drums.

#include "song.h"

#include <cstdint>
#include <vector>

namespace music {

std::vector<std::uint8_t> midiFile(const Song& song);

} // namespace music
