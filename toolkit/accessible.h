// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How a screen reader sees the toolkit's own kinds of control. Labels and
// buttons need nothing here: Qt reads a label's text and a button's caption
// without its "&", and announces a label whose text changes.

class QObject;
class QString;
class QWidget;

namespace accessible {

// Lets Qt ask the toolkit for its forms and picture boxes: a form is a pane
// (a dialog where it draws a dialog frame) named by what the player sees; a
// picture box is a graphic, or a button where it takes the focus. Runs once,
// however often it is called.
void install();

// Sets what a screen reader calls the control; only a real change is
// announced, so a reader does not repeat a name that stayed the same.
void setName(QWidget* control, const QString& name);

// Tells a screen reader that what it calls the object has changed.
void nameChanged(QObject* object);

} // namespace accessible
