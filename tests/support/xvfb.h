// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// An X server of a test's own (Xvfb), on the first free display, and what a
// test asks of it.

#include <QProcess>
#include <QString>
#include <xcb/xcb.h>

class Xvfb {
public:
    Xvfb();
    ~Xvfb();
    bool ready() const { return connection_ && !xcb_connection_has_error(connection_); }
    QString display() const { return display_; }
    xcb_connection_t* connection() const { return connection_; }

    // The shown top-level window with this title, or 0.
    xcb_window_t window(const QByteArray& title) const;
    xcb_atom_t atom(const char* name) const;

private:
    QProcess server_;
    QString display_;
    xcb_connection_t* connection_ = nullptr;
};
