// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How Tic Tac Toe is played, as the help shows it, with boards on which
// Grizzle answers as its rules make it answer.

#include "toolkit/helpview.h"

namespace tictactoe {

HelpPage helpPage();

} // namespace tictactoe
