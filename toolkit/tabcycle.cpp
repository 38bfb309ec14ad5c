// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/tabcycle.h"

#include "toolkit/widgets.h"

#include <QApplication>
#include <QKeyEvent>

TabCycle::TabCycle(QWidget* container) : QObject(container), container_(container)
{
    // The key goes to whichever control inside has the focus, made now or later.
    QCoreApplication::instance()->installEventFilter(this);
}

bool TabCycle::eventFilter(QObject*, QEvent* event)
{
    if (event->type() != QEvent::KeyPress || !container_ || !container_->isVisible())
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    const bool forward = key->key() == Qt::Key_Tab && !(key->modifiers() & ~Qt::KeypadModifier);
    const bool back = key->key() == Qt::Key_Backtab || (key->key() == Qt::Key_Tab && key->modifiers() == Qt::ShiftModifier);
    QWidget* focus = QApplication::focusWidget();
    if (!(forward || back) || !focus || !container_->isAncestorOf(focus))
        return false;
    for (QWidget* w = forward ? focus->nextInFocusChain() : focus->previousInFocusChain(); w != focus;
         w = forward ? w->nextInFocusChain() : w->previousInFocusChain()) {
        if (container_->isAncestorOf(w) && canTakeFocus(w)) {
            w->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            break;
        }
    }
    return true;
}
