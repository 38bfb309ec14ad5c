#pragma once

#include "shell/form.h"

class QPushButton;

class FrmFireIce : public Form {
    Q_OBJECT
public:
    FrmFireIce(App& app, QWidget* parent);

    void cmdReturn_Click();

    QPushButton* cmdReturn;
};
