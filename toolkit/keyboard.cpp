// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/keyboard.h"

#include <QApplication>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <algorithm>
#include <cmath>

PressKey pressKey(const QKeyEvent& key)
{
    if (key.modifiers() & ~Qt::KeypadModifier)
        return PressKey::None;
    switch (key.key()) {
    case Qt::Key_Space: return PressKey::Space;
    case Qt::Key_Return:
    case Qt::Key_Enter: return PressKey::Enter;
    default: return PressKey::None;
    }
}

// --- ClickSource -------------------------------------------------------------

ClickSource::ClickSource(QWidget* control) : QObject(control), control_(control)
{
    control->installEventFilter(this);
}

bool ClickSource::reachable() const
{
    if (!control_->isEnabled() || !control_->isVisible())
        return false;
    // A click lands on whatever lies in front; the keyboard reaches no further.
    QWidget* window = control_->window();
    const QWidget* hit = window->childAt(control_->mapTo(window, control_->rect().center()));
    return hit == control_ || control_->isAncestorOf(hit);
}

bool ClickSource::eventFilter(QObject*, QEvent* event)
{
    // Filters see the events of a disabled control too; it raises none.
    if (!control_->isEnabled())
        return false;
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        pressed_ = static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton;
        return true;
    case QEvent::MouseButtonDblClick:
        // The second press of a double-click: Click was raised for the first.
        pressed_ = false;
        return true;
    case QEvent::MouseButtonRelease: {
        const auto* release = static_cast<QMouseEvent*>(event);
        const bool click = pressed_ && release->button() == Qt::LeftButton &&
                           control_->rect().contains(release->position().toPoint());
        pressed_ = false;
        if (click)
            emit clicked();
        return true;
    }
    case QEvent::KeyPress: {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (pressKey(*key) == PressKey::None)
            return false;
        if (!key->isAutoRepeat() && reachable())
            emit clicked();
        return true;
    }
    default:
        return false;
    }
}

// --- EnterPresses ------------------------------------------------------------

EnterPresses::EnterPresses(QPushButton* button) : QObject(button), button_(button)
{
    button->installEventFilter(this);
}

bool EnterPresses::eventFilter(QObject*, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if (pressKey(*key) != PressKey::Enter)
        return false;
    if (!key->isAutoRepeat())
        button_->click();
    return true;
}

// --- FocusFrame --------------------------------------------------------------

FocusFrame::FocusFrame(QWidget* control) : QObject(control), control_(control)
{
    control->installEventFilter(this);
}

bool FocusFrame::eventFilter(QObject*, QEvent* event)
{
    if (event->type() != QEvent::Paint || !control_->hasFocus() ||
        !control_->window()->testAttribute(Qt::WA_KeyboardFocusChange))
        return false;
    // The control paints itself first; the frame goes over its art.
    static_cast<QObject*>(control_)->event(event);
    QPainter painter(control_);
    const QRect r = control_->rect();
    // About a twenty-fourth of the shorter side, never under two pixels:
    // black, yellow and black again show on any colour of art, yellow too.
    const int outer = std::max(2, int(std::lround(std::min(r.width(), r.height()) / 24.0)));
    const int inner = std::max(1, outer / 2);
    const auto ring = [&](const QColor& color, qreal inset, int width) {
        const qreal at = inset + width / 2.0;
        painter.setPen(QPen(color, width, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        painter.drawRect(QRectF(r).adjusted(at, at, -at, -at));
    };
    ring(Qt::black, 0, outer);
    ring(QColor(255, 220, 0), outer, inner);
    ring(Qt::black, outer + inner, 1);
    return true;
}

// Qt marks a window whose focus the player moved with Tab; any key counts here.
bool FocusCues::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType())
        return false;
    QWidget* window = static_cast<QWidget*>(watched)->window();
    if (!window->testAttribute(Qt::WA_KeyboardFocusChange)) {
        window->setAttribute(Qt::WA_KeyboardFocusChange);
        if (QWidget* focus = window->focusWidget())
            focus->update();
    }
    return false;
}

bool canTakeFocus(const QWidget* control)
{
    return (control->focusPolicy() & Qt::TabFocus) && control->isEnabled() && control->isVisible();
}

QWidget* nextFocus(const QWidget* within, QWidget* from, bool forward)
{
    for (QWidget* w = forward ? from->nextInFocusChain() : from->previousInFocusChain(); w != from;
         w = forward ? w->nextInFocusChain() : w->previousInFocusChain())
        if (within->isAncestorOf(w) && canTakeFocus(w))
            return w;
    return nullptr;
}

// --- ArrowKeys ---------------------------------------------------------------

ArrowKeys::ArrowKeys(std::vector<QWidget*> cells, int columns)
    : QObject(cells.front()), cells_(std::move(cells)), columns_(columns)
{
    for (QWidget* cell : cells_)
        cell->installEventFilter(this);
}

bool ArrowKeys::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    int dx = 0, dy = 0;
    switch (static_cast<QKeyEvent*>(event)->key()) {
    case Qt::Key_Left: dx = -1; break;
    case Qt::Key_Right: dx = 1; break;
    case Qt::Key_Up: dy = -1; break;
    case Qt::Key_Down: dy = 1; break;
    default: return false;
    }
    const auto at = std::find(cells_.begin(), cells_.end(), watched);
    if (at == cells_.end())
        return false;
    const int index = int(at - cells_.begin());
    const int rows = (int(cells_.size()) + columns_ - 1) / columns_;
    for (int column = index % columns_ + dx, row = index / columns_ + dy;
         column >= 0 && column < columns_ && row >= 0 && row < rows; column += dx, row += dy) {
        const std::size_t next = std::size_t(row * columns_ + column);
        if (next >= cells_.size())
            break;
        QWidget* cell = cells_[next];
        if (canTakeFocus(cell)) {
            cell->setFocus(Qt::TabFocusReason);
            break;
        }
    }
    return true;
}

// --- access keys -------------------------------------------------------------

QAbstractButton* accessKeyButton(QWidget* root, const QKeySequence& key)
{
    for (QAbstractButton* button : root->findChildren<QAbstractButton*>())
        if (button->isVisible() && button->isEnabled() && QKeySequence::mnemonic(button->text()) == key)
            return button;
    return nullptr;
}

namespace {
constexpr char kKeepsTab[] = "keepsTab";
} // namespace

void keepTabWithin(QWidget* container)
{
    container->setProperty(kKeepsTab, true);
}

bool DialogTabs::eventFilter(QObject*, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    const bool forward = key->key() == Qt::Key_Tab && !(key->modifiers() & ~Qt::KeypadModifier);
    const bool back = key->key() == Qt::Key_Backtab || (key->key() == Qt::Key_Tab && key->modifiers() == Qt::ShiftModifier);
    QWidget* focus = QApplication::focusWidget();
    if (!(forward || back) || !focus)
        return false;
    // the innermost shown container that keeps the keyboard
    QWidget* container = focus->parentWidget();
    while (container && !(container->property(kKeepsTab).toBool() && container->isVisible()))
        container = container->parentWidget();
    if (!container)
        return false;
    if (QWidget* next = nextFocus(container, focus, forward))
        next->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    return true;
}
