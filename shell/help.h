// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The help of the whole collection: its pages and which one each screen
// opens with F1.

#include "toolkit/helpview.h"

namespace help {

// The first page: what there is and the keys that work everywhere; the main
// menu's page.
inline constexpr char kContents[] = "cardovia";
// The opponent panel's music.
inline constexpr char kMusic[] = "music";

// Every page, made afresh: the contents, each game's in the menu's order,
// then the music.
std::vector<HelpPage> pages();

// The id of the page that explains the form of that name; the contents for
// any other.
QString pageFor(const QString& formName);

} // namespace help
