// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the game's logging categories (platform/logging.h) say while a Logged
// lives, from any thread: each line as "category: message".

#include <QStringList>
#include <QtMessageHandler>
#include <mutex>

class Logged {
public:
    // Asked for, as QT_LOGGING_RULES="cardovia.*=true" asks; or as a player
    // runs the game, without asking.
    enum class Rules { Asked, Unasked };

    explicit Logged(Rules rules = Rules::Asked);
    ~Logged();
    Logged(const Logged&) = delete;
    Logged& operator=(const Logged&) = delete;

    QStringList lines() const;
    // Whether a line of `category` holds all of `words`.
    bool says(const char* category, const QStringList& words) const;

private:
    static void handle(QtMsgType type, const QMessageLogContext& context, const QString& message);

    QtMessageHandler previous_;
    mutable std::mutex mutex_;
    QStringList lines_;
};

// Qt's warnings are faults too: once watched, the first warning (or worse)
// that Qt gave in this process. The offscreen platform's word that it cannot
// raise a window, as a menu asks, is none.
void watchQtComplaints();
QString firstQtComplaint();
