// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The keyboard, served once for every screen: which key presses a control,
// Click from the mouse and the keyboard alike, Enter on buttons, the focus
// frame and when it shows, the arrow keys on a board and the access keys.

#include <QObject>
#include <vector>

class QAbstractButton;
class QKeyEvent;
class QKeySequence;
class QPushButton;
class QWidget;

// The one key check for pressing a focused control: Space, or Enter (Return
// or the keypad's Enter), pressed alone. A button takes Space itself; the
// toolkit adds Enter to it and both to the controls that raise Click.
enum class PressKey { None, Space, Enter };
PressKey pressKey(const QKeyEvent& key);

// Raises Click on its control the way the classic labels, picture boxes and
// images did: a left-button press and release, both on the control. The
// second press of a double-click raises none. A control that takes the
// focus also raises Click on a press key, but only where a click would:
// while it is enabled, shown and not covered by another control.
class ClickSource : public QObject {
    Q_OBJECT
public:
    explicit ClickSource(QWidget* control);

signals:
    void clicked();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool reachable() const;

    QWidget* control_;
    bool pressed_ = false;
};

// Enter on a focused button presses it, as Space does; Qt leaves Enter to
// the default button of a dialog, which the screens do not have.
class EnterPresses : public QObject {
public:
    explicit EnterPresses(QPushButton* button);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPushButton* button_;
};

// Draws a frame over its control while the control has the focus and the
// window shows its focus (see FocusCues). The frame's width
// follows the control's size in pixels, so it suits the art at any scale.
class FocusFrame : public QObject {
    Q_OBJECT
public:
    explicit FocusFrame(QWidget* control);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* control_;
};

// From the first key a player presses in a window on, the window shows where
// its focus is: Qt's buttons draw their focus then, and FocusFrame does too.
// A player who only uses the mouse sees the screens as they always looked,
// with no focus drawn. The toolkit's services install one for the run.
class FocusCues : public QObject {
protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

// Whether Tab can bring the focus to the control now: it takes focus that
// way, and is enabled and shown.
bool canTakeFocus(const QWidget* control);
// The control inside `within` that Tab (or, not forward, Shift+Tab) brings
// the focus to from `from`, the focus chain followed round; none if no
// control there can take it.
QWidget* nextFocus(const QWidget* within, QWidget* from, bool forward = true);

// Moves the focus between the cells of one board with the arrow keys, row by
// row as given. A cell that cannot take the focus now is passed over; at the
// edge of the board the focus stays where it is.
class ArrowKeys : public QObject {
    Q_OBJECT
public:
    ArrowKeys(std::vector<QWidget*> cells, int columns);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::vector<QWidget*> cells_;
    int columns_;
};

// The button under `root` that the player can press now (shown, enabled)
// whose caption's access key is `key`, such as Alt+F for "&Fire"; or none.
QAbstractButton* accessKeyButton(QWidget* root, const QKeySequence& key);

// A dialog keeps the keyboard: while `container` is shown and the focus is
// inside it, Tab and Shift+Tab move among the controls inside it that can
// take the focus, in the tab order, from the last back to the first and the
// other way round. DialogTabs, which the toolkit's services install for the
// run, does it for every such container.
void keepTabWithin(QWidget* container);

class DialogTabs : public QObject {
protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
