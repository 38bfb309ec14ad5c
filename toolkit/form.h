#pragma once
// Every screen is a Form: a widget that holds named controls, lives in the
// main frame's client area, and is loaded and unloaded by App.

#include "toolkit/controls.h"

#include <QWidget>

class App;

class Form : public QWidget {
    Q_OBJECT
public:
    Form(App& app, const QString& name, QWidget* parent);

    App& app() const { return app_; }

    // Runs once when App loads the form.
    virtual void Form_Load() {}
    // Runs when the shown form first becomes the active screen.
    virtual void Form_Activate() {}

    // Draws a fixed dialog border and a caption bar around the client area.
    // The form's twip Width and Height stay those of its client area.
    void setDialogFrame(const QString& caption);
    // Where controls go: the form itself, or the area inside a dialog frame.
    QWidget* client() { return client_; }

    void setBackColor(const QColor& color);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    App& app_;
    QWidget* client_;
    QString frameCaption_;
};
