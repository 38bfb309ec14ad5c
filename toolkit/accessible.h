// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How a screen reader sees the toolkit's own kinds of control. Buttons need
// nothing here: Qt reads a button's caption without its "&". A label reads as
// its text, a button where it takes the focus (the cells of a card).

class QAccessibleInterface;
class QObject;
class QString;
class QWidget;

namespace accessible {

// How Qt sees the toolkit's forms, labels and picture boxes, for the
// toolkit's services to install: a form is a pane (a dialog where it draws a
// dialog frame) named by what the player sees; a picture box is a graphic, a
// button where it takes the focus and does something when pressed, or a
// group where it holds controls (a card with its cells).
QAccessibleInterface* factory(const QString& className, QObject* object);

// A screen reader passes over the control: the second copy of a title drawn
// as its shadow.
void setDecorative(QWidget* control);

// A label that shows a bare value is read with what it is: "Your score: 2".
void setSubject(QWidget* label, const QString& subject);

// A scroll bar's value is read times `scale`, in the unit the player knows:
// 0.001 reads milliseconds as seconds. Set before the bar's value is.
void setValueScale(QWidget* scrollBar, double scale);

// What a screen reader calls the object.
QString name(QObject* object);

// Sets what a screen reader calls the control; only a real change is
// announced, so a reader does not repeat a name that stayed the same.
void setName(QWidget* control, const QString& name);

// Tells a screen reader that what it calls the object has changed.
void nameChanged(QObject* object);

} // namespace accessible
