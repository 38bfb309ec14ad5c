// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The keys of a whole window, served once for every window that asks: its
// screens' buttons before its menu bar's access keys, F10 for the menus, the
// zoom keys and Esc. A window only says which of them it wants and what they
// do.

#include <functional>

class QMenu;
class QMenuBar;
class QObject;
class QWidget;

namespace windowkeys {

// Where a button under `buttons` that the player can press now and a title
// of `bar` share an access key, the button wins the key and is clicked as its
// own access key clicks it, so that both stay reachable: the menu by F10 and
// the mouse. Serves the window that holds `bar`.
void buttonsBeforeMenus(QMenuBar* bar, QWidget* buttons);

// F10 anywhere in the window that holds `bar` opens `menu`, one of its
// menus, also where a button has taken the menu's access key.
void f10Opens(QMenuBar* bar, QMenu* menu);

// What the zoom keys do: the next zoom up, down, and back to 100 %. They go
// with `receiver`: once it is gone the keys do nothing.
struct ZoomActions {
    QObject* receiver;
    std::function<void()> in;
    std::function<void()> out;
    std::function<void()> reset;
};

// Ctrl+Plus (also Ctrl+=, where plus shares its key with "=", as on most
// keyboards), Ctrl+Minus and Ctrl+0 anywhere in `window`.
void addZoomKeys(QWidget* window, const ZoomActions& zoom);

// Esc anywhere in `window` closes it.
void escCloses(QWidget* window);

} // namespace windowkeys
