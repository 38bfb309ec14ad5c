// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The player's language. Every text a player sees or hears goes through Qt's
// translation system (tr(), QT_TRANSLATE_NOOP for tables); the catalogues
// are built from translations/*.ts into the program's resources. English is
// the texts as written in the code, with one catalogue of its own that holds
// only the plural forms ("1 card", "2 cards"); every other language falls
// back to English for what it lacks.

#include <QLocale>
#include <memory>
#include <vector>

class QTranslator;

namespace language {

// The catalogues of one language, installed in the application object for
// as long as this lives: English's plural forms, then those of `locale`'s
// languages in their order of preference (LANGUAGE, LC_ALL, LC_MESSAGES,
// LANG for the desktop's locale, which QLocale() is unless a default was
// set), with Qt's own for its dialogs' buttons. A language the game does
// not speak is English, and says so under cardovia.language.
class Catalogues {
public:
    explicit Catalogues(const QLocale& locale = QLocale());
    ~Catalogues();
    Catalogues(const Catalogues&) = delete;
    Catalogues& operator=(const Catalogues&) = delete;

private:
    bool add(const QLocale& locale, const QString& name, const QString& folder);

    std::vector<std::unique_ptr<QTranslator>> installed_;
};

} // namespace language
