// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The loading screen, shown while the hidden screens, the menu and the
// opponent panel are loaded.

#include "toolkit/form.h"

class frmLoading : public Form {
    Q_OBJECT
public:
    frmLoading(App& app, QWidget* parent);

    void Form_Load() override;
    void Form_Activate() override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool activated_ = false;
};
