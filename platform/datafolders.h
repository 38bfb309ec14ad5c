// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the music and the fire sound are looked for. The game opens them by
// their plain names, so a file in the current folder always comes first; the
// players then try these folders in order.

#include <QStringList>

// data/ beside the program (a build), then the share folder reached from the
// program's own folder (an installed copy, wherever it was moved), then
// cardovia/ in each XDG data folder. Each folder appears once.
QStringList dataFolders();
