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

void waitsecond(Platform& platform)
{
    const int start = platform.timeOfDay().second();
    for (QTime now = platform.timeOfDay(); now.second() == start; now = platform.timeOfDay())
        platform.sleep(1000 - now.msec());
}
