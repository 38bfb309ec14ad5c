// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The frame's window going away ends the application as File, Quit does:
// closed from the window system (its close button, the desktop's window
// menu), or destroyed under the program by another one (such as xdotool
// windowclose), which would otherwise leave it running with nothing on screen.

#include <QAbstractNativeEventFilter>
#include <QObject>

class Platform;
class QWidget;

class WindowGone : public QObject, public QAbstractNativeEventFilter {
    Q_OBJECT
public:
    WindowGone(QWidget& frame, Platform& platform);
    ~WindowGone() override;

    // The frame's Close event.
    bool eventFilter(QObject* watched, QEvent* event) override;
    // The X server's word that the frame's window is destroyed.
    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

private:
    QWidget& frame_;
    Platform& platform_;
};
