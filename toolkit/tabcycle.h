// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A dialog keeps the keyboard: Tab and Shift+Tab go round its own controls.

#include <QObject>
#include <QPointer>

class QWidget;

// While `container` is shown and the focus is inside it, Tab and Shift+Tab
// move among the controls inside it that can take the focus, in the tab
// order, from the last back to the first and the other way round.
class TabCycle : public QObject {
    Q_OBJECT
public:
    explicit TabCycle(QWidget* container);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPointer<QWidget> container_;
};
