// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The deck options dialog: the player picks one of the five card backs. It
// is loaded on first use and then kept, so the last choice stays selected.

#include "toolkit/form.h"

#include <array>

class QGroupBox;
class QPushButton;
class QRadioButton;

class frmDeckOptions : public Form {
    Q_OBJECT
public:
    frmDeckOptions(App& app, QWidget* parent);

    void cmdOkay_Click();

    QGroupBox* fraOptions;
    Label* Label1;
    std::array<QRadioButton*, 5> Optcard;
    QPushButton* cmdOkay;
};
