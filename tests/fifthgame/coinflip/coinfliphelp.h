// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How Coin Flip is played, as the help shows it, with both sides of the coin.

#include "toolkit/helpview.h"

namespace coinflip {

HelpPage helpPage();

} // namespace coinflip
