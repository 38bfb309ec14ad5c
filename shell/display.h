// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the game's window can open, found before any application object
// exists, so that Qt connects to the display once and never aborts for want
// of one: Wayland where a compositor takes connections, else X11.

#include <QString>
#include <QStringList>
#include <utility>

namespace launch {

struct Display {
    // Qt's platform to open the window with ("wayland", "xcb", or what
    // QT_QPA_PLATFORM or -platform chose, options and all); empty when none can
    QString platform;
    // else why: the displays that did not answer, and the platforms whose
    // plugin is not installed (with the display it was to open on, if any)
    QStringList unreachable;
    QList<std::pair<QString, QString>> missingPlugins;
};

// Without a platform chosen: the Wayland display when its compositor takes a
// connection and Qt's Wayland plugin is there, else the X display when its
// server takes one. A chosen platform (or each of a list "a;b") counts where
// its plugin is there and, for Wayland and X11, its display can be reached.
// Only sockets are tried and plugins looked for by their file names: no
// display connection is made and no plugin is read, as Qt does both again.
Display findDisplay(const QStringList& arguments);

// Why no window can open, in one line of whole sentences in the player's
// language, for the program as it was called. Needs the application object.
QString problem(const Display& display, const QString& program);

} // namespace launch
