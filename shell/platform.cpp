#include "shell/platform.h"

#include <cmath>

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

int randomBetween(Platform& platform, int low, int high)
{
    // double keeps (high - low + 1) * Rnd below high + 1 for every Rnd < 1
    const double span = double(high) - double(low) + 1.0;
    return int(std::floor(span * double(platform.Rnd()) + double(low)));
}

void waitsecond(Platform& platform)
{
    const int start = platform.timeOfDay().second();
    for (QTime now = platform.timeOfDay(); now.second() == start; now = platform.timeOfDay())
        platform.sleep(1000 - now.msec());
}
