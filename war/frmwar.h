#pragma once

#include "shell/form.h"

class QPushButton;

class frmWar : public Form {
    Q_OBJECT
public:
    frmWar(App& app, QWidget* parent);

    void cmdQuit_Click();

    QPushButton* cmdQuit;
};
