// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the game does before it opens its window: answer --help and
// --version, refuse what it does not understand, and find a display to open
// the window on: Wayland where a compositor answers, else X11.

#include <QString>
#include <QStringList>

namespace launch {

// The version, and the id under which the desktop knows the game (its
// launcher, icons and metainfo); both are set in CMakeLists.txt.
inline constexpr char kVersion[] = CARDOVIA_VERSION;
inline constexpr char kAppId[] = CARDOVIA_APP_ID;

// What the game is, in a sentence.
QString summary();

struct Request {
    bool help = false;
    bool version = false;
    QString error;  // an option or argument the game does not take
};

// What the command line (program name first) asks for. Qt's own options
// (-platform, -display, -style, ...) are taken as they stand; QApplication
// reads them.
Request read(const QStringList& arguments);

// The answers to --help and --version; they need a QCoreApplication.
QString helpText();
QString versionText();

struct Display {
    // Qt's platform to open the window with ("wayland", "xcb", or what
    // QT_QPA_PLATFORM or -platform chose, options and all)
    QString platform;
    // or why no window can be opened, in one line
    QString problem;
};

// Where the window can open. Without a platform chosen: the Wayland display
// when its compositor takes a connection and Qt's Wayland plugin is there,
// else the X display when it can be reached. A chosen platform (or each of a
// list "a;b") counts where its plugin is there and, for Wayland and X11,
// its display can be reached. So Qt never aborts for want of a display.
Display findDisplay(const QStringList& arguments);

} // namespace launch
