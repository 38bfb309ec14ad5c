// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The gunman who turns up after a right Fire call: a cartoon cowboy with a
// long rifle, drawn from vectors on green.

#include "toolkit/picture.h"

namespace fireice {

// 102 x 89, the inside of the picture box that shows him.
Picture gunman();

} // namespace fireice
