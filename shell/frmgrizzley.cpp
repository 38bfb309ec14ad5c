#include "shell/frmgrizzley.h"

#include "shell/app.h"
#include "shell/frmmain.h"

frmGrizzley::frmGrizzley(App& app, QWidget* parent) : Form(app, QStringLiteral("frmGrizzley"), parent)
{
    twips::setRect(this, {0, 0, 3000, 6465});
    setBackColor(QColor(192, 192, 192));
}

void frmGrizzley::Form_Load()
{
    twips::setHeight(this, app().main().Height());
}
