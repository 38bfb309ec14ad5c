// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The whole of what a player sees of a screen, control by control, so that a
// game's model (the random player's drivers) can say what it must be after
// an event and compare it all: what should change has changed, and what
// should not has stayed.

#include <QAccessible>
#include <QColor>
#include <QList>
#include <QString>
#include <map>
#include <vector>

class QWidget;

namespace screenstate {

// What a player sees of one control.
struct Control {
    bool shown = false;    // it and the screen it is on are visible
    bool enabled = false;  // it takes clicks and keys
    QString text;          // its caption, a label's text, a scroll bar's value
    QString picture;       // the key of the artwork it shows: which card, which back, which mark
    QColor back;           // the colour filling it; none (invalid) where what is behind shows through
    QString name;          // what a screen reader calls it
    bool checked = false;  // an option button's or check box's
    double left = 0;       // its place in twips, in its parent
    double top = 0;

    friend bool operator==(const Control&, const Control&) = default;
};

// By control name ("lblNumber(7)"); controls without a name are not seen.
using State = std::map<QString, Control>;

// Every named control inside `screen`, and the screen itself.
State read(const QWidget& screen);
// Reads a screen again and again, as after every event, for less: while its
// controls stay the same, into a State read before, entry by entry in place.
class Reader {
public:
    void read(const QWidget& screen, State& into);

private:
    // The accessible interface of named_[i], through which a screen reader names it.
    QAccessibleInterface* accessible(std::size_t i);

    QList<QWidget*> found_;               // the screen's widgets, as last found
    std::vector<const QWidget*> named_;  // those named, and the screen, by name
    std::vector<QAccessible::Id> ids_;   // their interfaces', as last found (0: none yet)
};

// The controls that differ, one per line with both sides, expected first;
// empty where they agree.
QString diff(const State& expected, const State& actual);

} // namespace screenstate
