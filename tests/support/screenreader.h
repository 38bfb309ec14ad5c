#pragma once
// What a screen reader and a keyboard get from the screens, in process: the
// names in the accessibility tree, the events that make a reader speak, and
// keys pressed where the focus is.

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

// While it lives, accessibility is on and the name-changed events are kept.
class NameChanges {
public:
    NameChanges();
    ~NameChanges();
    // How many name-changed events the object raised since the last clear.
    int of(const QObject* object) const;
    void clear();
};

// A key pressed and released where the keyboard focus is, as a player's is.
void press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
// The widget that has the keyboard focus now.
QWidget* focused();
// Waits until the window is the active one, so that keys and focus reach it.
bool activate(QWidget* window);
