// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The run as the screens see it: the platform seam, the loaded forms and the
// form reference theform. The application on top builds the frame the forms
// live in and knows the way back to its menu.

#include "platform/platform.h"
#include "toolkit/form.h"
#include "toolkit/services.h"

#include <QPointer>
#include <typeindex>
#include <unordered_map>

class App {
public:
    explicit App(Platform& platform);
    virtual ~App();
    App(const App&) = delete;
    App& operator=(const App&) = delete;

    Platform& platform() const { return platform_; }

    // The form last chosen from the menu, or the screen that opened the
    // deck options. Never cleared; it reads as none once that form is gone.
    QPointer<Form> theform;

    // The form of type F, created with its stored initial state if there is
    // none yet, but not loaded.
    template <class F>
    F& instance();
    // Loads the form if it is not loaded: its Load handler runs now.
    void load(Form& form);
    // The form of type F, loaded.
    template <class F>
    F& form()
    {
        F& f = instance<F>();
        load(f);
        return f;
    }
    // The form of type F if one exists, else nullptr.
    template <class F>
    F* existing() const;
    bool isLoaded(const Form& form) const;
    // Destroys the form; a later load creates it anew.
    void unload(Form& form);

    // A game's Main Menu button: hide the game, show the menu, unload the game.
    virtual void returnToMenu(Form& game) = 0;

protected:
    // Where forms are made: the frame's client area.
    virtual QWidget* formParent() const = 0;
    // Forgets every form, before the frame that holds them goes.
    void forgetForms() { forms_.clear(); }

private:
    struct Entry {
        QPointer<Form> form;
        bool loaded = false;
    };

    Form* find(std::type_index type) const;
    void adopt(std::type_index type, Form* form);

    // first of all: the forms take their texts, style and readers' view as
    // they are made
    ToolkitServices services_;
    Platform& platform_;
    std::unordered_map<std::type_index, Entry> forms_;
};

template <class F>
F& App::instance()
{
    if (Form* f = find(typeid(F)))
        return static_cast<F&>(*f);
    auto* f = new F(*this, formParent());
    adopt(typeid(F), f);
    return *f;
}

template <class F>
F* App::existing() const
{
    return static_cast<F*>(find(typeid(F)));
}
