// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every screen is a Form: a widget that holds named controls, lives in the
// main frame's client area, and is loaded and unloaded by App.

#include "toolkit/controls.h"

#include <QPointer>
#include <QWidget>

class App;

class Form : public QWidget {
    Q_OBJECT
public:
    // `name` is the form's name in the code; `title` is what the player
    // calls the screen, and what a screen reader says for it ("War"). A form
    // that is never shown has none.
    Form(App& app, const QString& name, const QString& title, QWidget* parent);

    App& app() const { return app_; }

    // Runs once when App loads the form.
    virtual void Form_Load() {}
    // Runs when the shown form first becomes the active screen.
    virtual void Form_Activate() {}

    // Draws a fixed dialog border and a caption bar around the client area;
    // Tab then goes round the dialog's own controls.
    // The form's twip Width and Height stay those of its client area.
    void setDialogFrame(const QString& caption);
    // Where controls go: the form itself, or the area inside a dialog frame.
    QWidget* client() const { return client_; }

    void setBackColor(const QColor& color);

    // Gives the keyboard focus to the screen's first control, as when it opens.
    void focusFirst();
    // Gives the focus back to the control of this screen that last had it,
    // as when a dialog it opened closes; the first control if there is none.
    void restoreFocus();

protected:
    // The control the focus goes to when the screen opens: by default the
    // first in the tab order that can take it now.
    virtual QWidget* firstFocus();

    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // Fits the client area inside a dialog frame.
    void placeClient();

    App& app_;
    QWidget* client_;
    QString frameCaption_;
    QPointer<QWidget> lastFocus_;
};
