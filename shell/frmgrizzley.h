#pragma once
// The opponent panel at the right of the frame.

#include "shell/form.h"

class frmGrizzley : public Form {
    Q_OBJECT
public:
    frmGrizzley(App& app, QWidget* parent);

    void Form_Load() override;
};
