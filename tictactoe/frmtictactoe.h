#pragma once

#include "shell/form.h"

class QPushButton;

class frmTicTacToe : public Form {
    Q_OBJECT
public:
    frmTicTacToe(App& app, QWidget* parent);

    void cmdQuit_Click();

    QPushButton* cmdQuit;
};
