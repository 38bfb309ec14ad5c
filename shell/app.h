#pragma once
// The application as a whole: the platform seam, the application-wide state
// (theform, cardtype) and the loaded forms. There is one App for a run; it
// is the one owner of everything that lives as long as the run.

#include "shell/form.h"
#include "shell/platform.h"

#include <QPointer>
#include <memory>
#include <typeindex>
#include <unordered_map>

class frmMain;

class App {
public:
    explicit App(Platform& platform);
    ~App();
    App(const App&) = delete;
    App& operator=(const App&) = delete;

    Platform& platform() const { return platform_; }

    // Starts the application: loads the main frame, whose Load handler
    // sizes it and puts up the loading screen.
    void start();

    frmMain& main() const { return *main_; }

    // The form last chosen from the menu, or the screen that opened the
    // deck options. Never cleared; it reads as none once that form is gone.
    QPointer<Form> theform;
    // The card-back design in use, 0 to 4.
    qint16 cardtype = 0;

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
    void returnToMenu(Form& game);

private:
    struct Entry {
        QPointer<Form> form;
        bool loaded = false;
    };

    Form* find(std::type_index type) const;
    void adopt(std::type_index type, Form* form);

    Platform& platform_;
    std::unique_ptr<frmMain> main_;
    std::unordered_map<std::type_index, Entry> forms_;
};

QWidget* appClientArea(App& app);

template <class F>
F& App::instance()
{
    if (Form* f = find(typeid(F)))
        return static_cast<F&>(*f);
    auto* f = new F(*this, appClientArea(*this));
    adopt(typeid(F), f);
    return *f;
}

template <class F>
F* App::existing() const
{
    return static_cast<F*>(find(typeid(F)));
}
