// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a process that forks a child for each run of the application (the
// random player, randomplayer.h) looks to before it forks.

namespace randomplayer {

// The threads of this process but QtTest's watchdog, which only sleeps until
// a test function overruns: a fork copies only the thread that makes it.
int threads();

// The leak checker names the frames of what a run left behind, to hold them
// against its suppressions; the first name it looks up has it read the
// debugging information of the program and its libraries, which each run's
// child would read anew. Read once before the runs, it is theirs too.
void readSymbols();

} // namespace randomplayer
