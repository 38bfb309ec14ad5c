// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/platform.h"

void MediaPlayer::playFile(const QString& fileName)
{
    setFileName(fileName);
    setCommand(QStringLiteral("open"));
    setCommand(QStringLiteral("play"));
    setCommand(QStringLiteral("prev"));
}

void MediaPlayer::stopAndClose()
{
    setCommand(QStringLiteral("stop"));
    setCommand(QStringLiteral("close"));
}
