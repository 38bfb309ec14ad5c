// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Input that arrives while a handler holds the user-interface thread.

// Takes the clicks, key strokes, shortcuts and wheel turns that the window
// system queued meanwhile and drops them, so that only what the player does
// afterwards counts. Timers that fell due wait for the next turn of the loop.
void dropQueuedInput();
