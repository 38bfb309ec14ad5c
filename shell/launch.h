// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the game does before it opens its window: answer --help and
// --version, refuse what it does not understand, and make sure there is a
// display to open the window on.

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
// (-platform, -display, -style, ...) are errors here until QApplication has
// taken them out of the arguments.
Request read(const QStringList& arguments);

// The answers to --help and --version; they need a QCoreApplication.
QString helpText();
QString versionText();

// Why no window can be opened, in one line, or empty when the X display can
// be reached or another platform (Wayland, QT_QPA_PLATFORM, -platform) was
// chosen.
QString displayProblem(const QStringList& arguments);

} // namespace launch
