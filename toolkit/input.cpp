// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/input.h"

#include <QCoreApplication>
#include <QEvent>

namespace {

// Swallows every click, key stroke, shortcut and wheel turn that reaches the
// application.
class InputSwallower : public QObject {
protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::KeyPress:
        case QEvent::Shortcut:
        case QEvent::Wheel:
            return true;
        default:
            return false;
        }
    }
};

} // namespace

void dropQueuedInput()
{
    InputSwallower swallower;
    QCoreApplication::instance()->installEventFilter(&swallower);
    QCoreApplication::processEvents(QEventLoop::X11ExcludeTimers);
    QCoreApplication::instance()->removeEventFilter(&swallower);
}
