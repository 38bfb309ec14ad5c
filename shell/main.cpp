// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Corvane's Cardovia: the frame window with the games against Grizzle.

#include "shell/start.h"

int main(int argc, char** argv)
{
#ifdef CARDOVIA_SHUTDOWN_AT_END
    return startGame(argc, argv, true);
#else
    return startGame(argc, argv, false);
#endif
}
