// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The player's language. Every text a player sees or hears goes through Qt's
// translation system (tr(), QT_TRANSLATE_NOOP for tables); the catalogues
// are built from translations/*.ts into the program's resources. English is
// the texts as written in the code, with one catalogue of its own that holds
// only the plural forms ("1 card", "2 cards"); every other language falls
// back to English for what it lacks.

class QLocale;
class QString;

namespace language {

// Loads the catalogues for `locale`'s languages in their order of preference
// (LANGUAGE, LC_ALL, LC_MESSAGES, LANG for the desktop's locale), with Qt's
// own for its dialogs' buttons. Once per application object: a second call
// does nothing.
// Needs the application object.
void install(const QLocale& locale);
void install();  // the desktop's locale

// Puts the catalogue in `file` in front of every other, as the language of
// the run (the tests' pseudo-language). False if it cannot be read.
bool installFile(const QString& file);

} // namespace language
