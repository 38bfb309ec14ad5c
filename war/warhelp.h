// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How War is played, as the help shows it, with a won round and a tie drawn
// with the game's own cards.

#include "toolkit/helpview.h"

namespace war {

HelpPage helpPage();

} // namespace war
