// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/windowgone.h"

#include "platform/platform.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>
#include <xcb/xcb.h>

WindowGone::WindowGone(QWidget& frame, Platform& platform) : QObject(&frame), frame_(frame), platform_(platform)
{
    frame.installEventFilter(this);
    QCoreApplication::instance()->installNativeEventFilter(this);
}

WindowGone::~WindowGone()
{
    QCoreApplication::instance()->removeNativeEventFilter(this);
}

bool WindowGone::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == &frame_ && event->type() == QEvent::Close)
        platform_.End();
    return false;
}

bool WindowGone::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*)
{
    if (eventType != "xcb_generic_event_t")
        return false;
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    // The X server tells every client that watches a window of its end; Qt
    // itself takes no notice when another client destroys one of its windows.
    if ((event->response_type & ~0x80) == XCB_DESTROY_NOTIFY && frame_.internalWinId() &&
        reinterpret_cast<const xcb_destroy_notify_event_t*>(event)->window == frame_.internalWinId())
        platform_.End();
    return false;
}
