// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/datafolders.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>

QStringList dataFolders()
{
    const QDir program(QCoreApplication::applicationDirPath());
    QStringList folders{program.filePath(QStringLiteral("data")),
                        program.filePath(QStringLiteral(CARDOVIA_DATA_FROM_PROGRAM))};
    for (const QString& xdg : QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation))
        folders << QDir(xdg).filePath(QStringLiteral("cardovia"));
    for (QString& folder : folders)
        folder = QDir::cleanPath(folder);
    // a copy installed into /usr is reached both ways
    folders.removeDuplicates();
    return folders;
}
