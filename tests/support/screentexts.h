// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every text the player can see or hear at this moment, read off the
// application's windows: captions, titles, list rows, the paragraphs of a
// page, the menus' items, and what a screen reader calls each control and
// how it describes it. The language tests compare them with the code's
// texts, look for texts that escaped translation, and for access keys that
// serve two things.

#include <QStringList>
#include <functional>

class QAction;
class QWidget;

namespace screentexts {

// One line per text: the control's name, what the text is to it, and the
// text with its line breaks, tabs and backslashes escaped ("\n", "\t", "\\").
QString line(const QString& where, const char* kind, const QString& text);
QStringList read();
// The text of such a line, as it was.
QString text(const QString& line);

// The visible captions that do not show whole in their controls, at a zoom
// of 100 % or more: a button's on more than one line or wider than the
// button, a label's beyond its box. One line each, as read() gives them.
QStringList cutOff();

// In each window shown, the access keys that serve two things, one line
// each: two controls that a player can press now (one that cannot be pressed
// takes no key), a control and a title of the window's menu bar unless
// `shared` allows that pair, two titles, two items of one menu.
using Shared = std::function<bool(const QWidget* control, const QAction* title)>;
QStringList sharedAccessKeys(const Shared& shared);

} // namespace screentexts
