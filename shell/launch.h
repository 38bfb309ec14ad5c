// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the game answers without opening its window: --help, --version, and
// a refusal of what it does not understand (display.h finds the display).

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
    // Answered without a window.
    bool answered() const { return help || version || !error.isEmpty(); }
};

// What the command line (program name first) asks for. Qt's own options
// (-platform, -display, -style, ...) are taken as they stand; QApplication
// reads them.
Request read(const QStringList& arguments);

// The answers to --help and --version; they need the application object.
QString helpText();
QString versionText();

} // namespace launch
