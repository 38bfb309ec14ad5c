// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The fire sound, a gunshot, as a 16-bit mono WAV file.

#include <cstdint>
#include <vector>

namespace music {

std::vector<std::uint8_t> fireWav();

} // namespace music
