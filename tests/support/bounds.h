// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Tests fail, never hang: time bounds that hold in a slower build, and
// children that are waited for only so long.

#include <sys/types.h>

// A bound of a test is a promise made for the release build, as the
// heaviest song's Stop within a tenth of a second (11 ms there). A sanitizer
// build takes longer for the same work (28 ms under AddressSanitizer, 105 to
// 120 ms under ThreadSanitizer), so there the bound is `ms * kSlowdown`. The
// figures themselves are the benchmarks' (bench/).
#if defined(__SANITIZE_THREAD__)
constexpr int kSlowdown = 5;
#elif defined(__SANITIZE_ADDRESS__)
constexpr int kSlowdown = 2;
#else
constexpr int kSlowdown = 1;
#endif

// Waits up to `ms` for the child to end and returns its status as waitpid
// gives it; one that is still running then is killed, and -1 returned.
int awaitChild(pid_t child, int ms);

// Waits up to `ms` for a byte on the pipe; false when none came, the writers
// having closed it or the time having passed.
bool awaitByte(int fd, int ms);
