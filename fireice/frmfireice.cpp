#include "fireice/frmfireice.h"

#include "shell/app.h"

#include <QPushButton>

FrmFireIce::FrmFireIce(App& app, QWidget* parent) : Form(app, QStringLiteral("FrmFireIce"), parent)
{
    twips::setRect(this, {0, 0, 7395, 4485});
    setBackColor(QColor(64, 0, 64));
    cmdReturn = controls::commandButton(this, "cmdReturn", "Main Menu", {2160, 4080, 1695, 375});
    connect(cmdReturn, &QPushButton::clicked, this, &FrmFireIce::cmdReturn_Click);
}

void FrmFireIce::cmdReturn_Click()
{
    app().returnToMenu(*this);
}
