// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/language.h"

#include "platform/logging.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace language {

Catalogues::Catalogues(const QLocale& locale)
{
    // The one installed last is asked first: English plural forms are the
    // fallback for every language.
    const QString ours = QStringLiteral(":/i18n");
    add(QLocale(QLocale::English), QStringLiteral("cardovia"), ours);
    const QStringList wanted = locale.uiLanguages();
    if (add(locale, QStringLiteral("cardovia"), ours)) {
        if (!add(locale, QStringLiteral("qtbase"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            qCInfo(lcLanguage, "Qt's own catalogue for %s is not installed (qt6-translations-l10n): "
                               "its dialogs' buttons stay in English",
                   qUtf8Printable(wanted.join(QLatin1Char(' '))));
    } else if (!wanted.isEmpty() && !wanted.first().startsWith(QLatin1String("en")) && wanted.first() != QLatin1String("C")) {
        qCInfo(lcLanguage, "no catalogue for %s: the game speaks English", qUtf8Printable(wanted.join(QLatin1Char(' '))));
    }
}

Catalogues::~Catalogues()
{
    for (const auto& catalogue : installed_)
        QCoreApplication::removeTranslator(catalogue.get());
}

bool Catalogues::add(const QLocale& locale, const QString& name, const QString& folder)
{
    auto catalogue = std::make_unique<QTranslator>();
    if (!catalogue->load(locale, name, QStringLiteral("_"), folder))
        return false;
    if (!QCoreApplication::installTranslator(catalogue.get())) {
        qCInfo(lcLanguage, "%s cannot be installed", qUtf8Printable(catalogue->filePath()));
        return false;
    }
    installed_.push_back(std::move(catalogue));
    return true;
}

} // namespace language
