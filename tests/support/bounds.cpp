// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/bounds.h"

#include <QDeadlineTimer>
#include <QThread>
#include <cerrno>
#include <csignal>
#include <poll.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// `ended` is the child's pidfd, or -1.
int waitFor(pid_t child, int ended, const QDeadlineTimer& deadline)
{
    int status = 0;
    for (;;) {
        const pid_t gone = waitpid(child, &status, WNOHANG);
        if (gone == child)
            return status;
        if (gone < 0 && errno != EINTR)
            return -1;
        if (deadline.hasExpired()) {
            kill(child, SIGKILL);
            waitpid(child, &status, 0);
            return -1;
        }
        // asleep until the child ends; a look every millisecond where the
        // kernel cannot tell of its end
        if (ended >= 0) {
            pollfd readable{ended, POLLIN, 0};
            poll(&readable, 1, int(deadline.remainingTime()));
        } else {
            QThread::msleep(1);
        }
    }
}

} // namespace

int awaitChild(pid_t child, int ms)
{
    const int ended = int(syscall(SYS_pidfd_open, child, 0));  // readable once the child has ended
    const int status = waitFor(child, ended, QDeadlineTimer(ms));
    if (ended >= 0)
        close(ended);
    return status;
}

bool awaitByte(int fd, int ms)
{
    pollfd readable{fd, POLLIN, 0};
    char byte = 0;
    return poll(&readable, 1, ms) == 1 && read(fd, &byte, 1) == 1;
}
