#pragma once

#include "shell/form.h"

class QPushButton;

class frmBingo : public Form {
    Q_OBJECT
public:
    frmBingo(App& app, QWidget* parent);

    void cmdQuit_Click();

    QPushButton* cmdQuit;
};
