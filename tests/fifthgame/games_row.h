// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The coin flip's row of the games table: the five-game build includes it
// inside the table of shell/games.cpp (see CMakeLists.txt beside it), listed
// last in texts that list the games, after any real game added since.
{"cmdCoinFlip", QT_TRANSLATE_NOOP("games", "C&oin Flip"), 99, screen<frmCoinFlip>, coinflip::helpPage},
