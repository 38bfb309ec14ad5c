// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QPointer>
#include <QTranslator>

namespace language {

namespace {

// A catalogue for the run, owned by the application; false if none was found.
bool add(const QLocale& locale, const QString& name, const QString& folder)
{
    auto* catalogue = new QTranslator(QCoreApplication::instance());
    if (catalogue->load(locale, name, QStringLiteral("_"), folder) && QCoreApplication::installTranslator(catalogue))
        return true;
    delete catalogue;
    return false;
}

} // namespace

void install(const QLocale& locale)
{
    // once for each application object: the one that answers --help goes
    // before the window's comes
    static QPointer<QCoreApplication> installedFor;
    if (!QCoreApplication::instance() || installedFor == QCoreApplication::instance())
        return;
    installedFor = QCoreApplication::instance();
    // The one installed last is asked first: English plural forms are the
    // fallback for every language.
    add(QLocale(QLocale::English), QStringLiteral("cardovia"), QStringLiteral(":/i18n"));
    if (add(locale, QStringLiteral("cardovia"), QStringLiteral(":/i18n")))
        add(locale, QStringLiteral("qtbase"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}

void install()
{
    install(QLocale());
}

bool installFile(const QString& file)
{
    install();
    auto* catalogue = new QTranslator(QCoreApplication::instance());
    if (catalogue->load(file) && QCoreApplication::installTranslator(catalogue))
        return true;
    delete catalogue;
    return false;
}

} // namespace language
