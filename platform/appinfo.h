// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The maker's name and addresses, shown on the loading screen and the menu.

namespace appinfo {
inline constexpr char kTitle[] = "Corvane's Cardovia";
inline constexpr char kWebAddress[] = "www.corvane.example";
inline constexpr char kEmail[] = "games@corvane.example";
} // namespace appinfo
