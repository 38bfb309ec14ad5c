// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/windowkeys.h"

#include "toolkit/keyboard.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QShortcut>

namespace windowkeys {

namespace {

// Sees the keys that reach the window with no control inside having taken
// them, before the window's own handling.
class ButtonsBeforeMenus : public QObject {
public:
    ButtonsBeforeMenus(QMenuBar* bar, QWidget* buttons) : QObject(bar), bar_(bar), buttons_(buttons)
    {
        bar->window()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched != bar_->window())
            return false;
        switch (event->type()) {
        case QEvent::ShortcutOverride:
            // Asked before the key goes to the shortcuts: taking it here keeps
            // the menu bar from sharing it, and the key press follows.
            if (!buttonFor(static_cast<QKeyEvent*>(event)))
                return false;
            event->accept();
            return true;
        case QEvent::KeyPress:
            if (QAbstractButton* button = buttonFor(static_cast<QKeyEvent*>(event))) {
                // as the access key itself does
                button->animateClick();
                event->accept();
                return true;
            }
            return false;
        default:
            return false;
        }
    }

private:
    // The button that an access key of the menu bar also names.
    QAbstractButton* buttonFor(const QKeyEvent* key) const
    {
        if (!buttons_ || !(key->modifiers() & Qt::AltModifier))
            return nullptr;
        const QKeySequence pressed(key->keyCombination());
        for (const QAction* menu : bar_->actions())
            if (QKeySequence::mnemonic(menu->text()) == pressed)
                return accessKeyButton(buttons_, pressed);
        return nullptr;
    }

    QMenuBar* bar_;
    QPointer<QWidget> buttons_;
};

void onKeys(QWidget* window, const QKeySequence& keys, QObject* receiver, const std::function<void()>& action)
{
    QObject::connect(new QShortcut(keys, window), &QShortcut::activated, receiver, action);
}

} // namespace

void buttonsBeforeMenus(QMenuBar* bar, QWidget* buttons)
{
    new ButtonsBeforeMenus(bar, buttons);
}

void f10Opens(QMenuBar* bar, QMenu* menu)
{
    onKeys(bar->window(), QKeySequence(Qt::Key_F10), bar, [bar, menu] { bar->setActiveAction(menu->menuAction()); });
}

void addZoomKeys(QWidget* window, const ZoomActions& zoom)
{
    for (const QKeySequence& keys : {QKeySequence(QKeySequence::ZoomIn), QKeySequence(Qt::CTRL | Qt::Key_Equal)})
        onKeys(window, keys, zoom.receiver, zoom.in);
    onKeys(window, QKeySequence(QKeySequence::ZoomOut), zoom.receiver, zoom.out);
    onKeys(window, QKeySequence(Qt::CTRL | Qt::Key_0), zoom.receiver, zoom.reset);
}

void escCloses(QWidget* window)
{
    onKeys(window, QKeySequence(Qt::Key_Escape), window, [window] { window->close(); });
}

} // namespace windowkeys
