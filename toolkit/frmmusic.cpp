// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/frmmusic.h"

#include "toolkit/app.h"

frmMusic::frmMusic(App& app, QWidget* parent)
    : Form(app, QStringLiteral("frmMusic"), QString(), parent),
      MMControl1(app.platform().waveAudio()),
      MMControl2(app.platform().sequencer())
{
    setWindowTitle(QStringLiteral("Form1"));
}
