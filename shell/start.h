// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The game's whole run, as main() starts it: the command line, the display,
// one application object, the frame and its event loop. Where
// `shutdownAtEnd`, End first takes the run down as a normal exit would (the
// sanitizer builds, whose leak checker looks at the whole run).

int startGame(int argc, char** argv, bool shutdownAtEnd);
