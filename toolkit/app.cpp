// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/app.h"

App::App(Platform& platform) : platform_(platform)
{
}

App::~App() = default;

Form* App::find(std::type_index type) const
{
    const auto it = forms_.find(type);
    return it == forms_.end() ? nullptr : it->second.form.data();
}

void App::adopt(std::type_index type, Form* form)
{
    forms_[type] = Entry{form, false};
}

void App::load(Form& form)
{
    for (auto& [type, entry] : forms_) {
        if (entry.form == &form) {
            if (!entry.loaded) {
                entry.loaded = true;
                form.Form_Load();
            }
            return;
        }
    }
}

bool App::isLoaded(const Form& form) const
{
    for (const auto& [type, entry] : forms_)
        if (entry.form == &form)
            return entry.loaded;
    return false;
}

void App::unload(Form& form)
{
    for (auto it = forms_.begin(); it != forms_.end(); ++it) {
        if (it->second.form == &form) {
            forms_.erase(it);
            break;
        }
    }
    form.hide();
    // The form may be unloading itself from one of its own handlers.
    form.deleteLater();
}
