// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// News for a screen reader: what happened without the player moving (a card
// played, a ball called, Grizzle's move). A screen only says what to tell.
//
// Orca, the reader of the Linux desktop, speaks what gets the focus (its
// name, role and description) and little else: it drops name and
// description changes of the object in focus, since Qt sends them without the
// new text, and no role of Qt 6.4 makes it read an object that appears. So
// news goes out as focus:
// - where the focus moves in the same turn of the event loop, the news is the
//   description of the control that gets it, read after its name, until the
//   focus leaves it again;
// - where it stays, the news is the name of a hidden object beside the
//   control in focus that is given the focus as far as a screen reader sees;
//   the keyboard stays where it was. Two such objects take turns, since a
//   reader says nothing when the focus "moves" to the object that has it.
// News said while no window is active (a message box just closed) or while a
// message box opens waits for the focus and goes with it. Everything said in one turn is
// said together, in order: a reader skips a focus event that another follows
// at once.

#include <functional>

class QObject;
class QString;

namespace announce {

// Starts following the focus, so that news said after the focus moved in the
// same turn still goes with it. Runs once, however often it is called.
void install();

// Tells the player's screen reader `news` (a sentence, such as "Grizzle plays
// 8 of Hearts.").
void say(const QString& news);

// Also hands `listener` each hidden object that news is said with, as it is
// sent to a reader: the tests' stand-in for a reader, since Qt sends nothing
// where no reader listens (the offscreen platform has none). An empty
// function stops it.
void setListener(std::function<void(QObject*)> listener);

} // namespace announce
