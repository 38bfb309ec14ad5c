// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a screen reader and a keyboard get from the screens, in process: the
// names in the accessibility tree and keys pressed where the focus is. (The
// events that make a reader speak need a platform with accessibility, which
// the offscreen one is not; tools/screenreader.sh shows them.)

#include <QKeySequence>
#include <QList>
#include <QPointer>
#include <QStringList>

class QAccessibleInterface;
class QObject;
class QWidget;

// What a screen reader calls the object.
QString spokenName(QObject* object);

// Every object of the tree below `root` (hidden ones too, as a reader may
// walk them) as "role: name", depth first.
QStringList spokenTree(QObject* root);

// The objects the tree below `root` names with a name that the code uses:
// a control's or form's objectName, or such a name with its index.
QStringList namedByIdentifiers(QObject* root);

// A key pressed and released where the keyboard focus is, as a player's is.
void press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
// A double-click on the middle of the widget as the window system sends it:
// two quick presses, each released.
void doubleClick(QWidget* widget);
// The widget that has the keyboard focus now.
QWidget* focused();
// Waits until the window is the active one, so that keys and focus reach it.
bool activate(QWidget* window);
