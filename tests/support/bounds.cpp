// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/bounds.h"

#include <QDeadlineTimer>
#include <QThread>
#include <cerrno>
#include <csignal>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

int awaitChild(pid_t child, int ms)
{
    const QDeadlineTimer deadline(ms);
    int status = 0;
    for (;;) {
        const pid_t ended = waitpid(child, &status, WNOHANG);
        if (ended == child)
            return status;
        if (ended < 0 && errno != EINTR)
            return -1;
        if (deadline.hasExpired()) {
            kill(child, SIGKILL);
            waitpid(child, &status, 0);
            return -1;
        }
        QThread::msleep(1);
    }
}

bool awaitByte(int fd, int ms)
{
    pollfd readable{fd, POLLIN, 0};
    char byte = 0;
    return poll(&readable, 1, ms) == 1 && read(fd, &byte, 1) == 1;
}
