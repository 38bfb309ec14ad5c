// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The collection's six songs, 1.mid to 6.mid.

#include "song.h"

#include <vector>

namespace music {

const std::vector<const Song*>& songs();

} // namespace music
