// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How Fire & Ice is played, as the help shows it, with the suits of each call.

#include "toolkit/helpview.h"

namespace fireice {

HelpPage helpPage();

} // namespace fireice
