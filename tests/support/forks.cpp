// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/forks.h"

#include <QDir>
#include <QFile>

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/common_interface_defs.h>
#endif

namespace randomplayer {

int threads()
{
    int count = 0;
    const QDir tasks(QStringLiteral("/proc/self/task"));
    for (const QString& task : tasks.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile name(tasks.filePath(task + QStringLiteral("/comm")));
        name.open(QIODevice::ReadOnly);
        if (name.readAll().trimmed() != "QtTest Watchdog")
            ++count;
    }
    return count;
}

void readSymbols()
{
#if defined(__SANITIZE_ADDRESS__)
    char name[64];
    __sanitizer_symbolize_pc(reinterpret_cast<void*>(&readSymbols), "%f", name, sizeof name);
#endif
}

} // namespace randomplayer
