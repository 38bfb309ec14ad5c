// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a screen reader and a keyboard get from the screens, in process: the
// names in the accessibility tree, what a reader says after an action, and
// keys pressed where the focus is. (tools/orca.sh has a real reader speak.)

#include <QKeySequence>
#include <QList>
#include <QPointer>
#include <QStringList>

class QAccessibleInterface;
class QObject;
class QWidget;

// What a screen reader calls the object, or the object of the interface.
QString spokenName(QObject* object);
QString spokenName(const QAccessibleInterface* iface);

// What a reader such as Orca says after each action: the object that got the
// focus last, as far as the reader sees it (a control, or the hidden object
// that says news), by its name and its description (which may carry news).
// Listens while it exists; one at a time.
class Listener {
public:
    Listener();
    ~Listener();
    Listener(const Listener&) = delete;
    Listener& operator=(const Listener&) = delete;

    // What was said since the last call, once the turn of the event loop is
    // over; empty when the focus did not move, not even for the reader.
    QString heard();
};

// Whether `said` holds each of `parts`, in this order.
bool inOrder(const QString& said, const QStringList& parts);

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
