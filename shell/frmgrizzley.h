// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The opponent panel at the right of the frame: Grizzle's (empty) picture
// area and the music controls.

#include "toolkit/form.h"

#include <array>

class QPushButton;
class QRadioButton;

class frmGrizzley : public Form {
    Q_OBJECT
public:
    frmGrizzley(App& app, QWidget* parent);

    void Form_Load() override;
    void Command1_Click();
    void Command2_Click();

    PictureBox* imgGrizzle;
    Label* Label1;
    Label* Label2;
    QPushButton* Command1;  // "Play some music."
    QPushButton* Command2;  // "Stop the music."
    Label* Label3;
    std::array<QRadioButton*, 6> optTrack;  // optTrack(i) selects track i + 1
};
