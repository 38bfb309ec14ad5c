// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/frmgrizzley.h"

#include "platform/platform.h"
#include "shell/cardovia.h"
#include "shell/frmmain.h"
#include "toolkit/accessible.h"
#include "toolkit/frmmusic.h"

#include <QPushButton>
#include <QRadioButton>

frmGrizzley::frmGrizzley(App& app, QWidget* parent)
    // a reader adds the role: "Opponent panel"
    //: the name of the panel beside every game
    : Form(app, QStringLiteral("frmGrizzley"), tr("Opponent"), parent)
{
    twips::setRect(this, {0, 0, 3000, 6465});
    setBackColor(QColor(192, 192, 192));

    // Grizzle's picture is still to be drawn: the framed area stays empty.
    imgGrizzle = controls::image(this, "imgGrizzle", {480, 360, 1815, 2535}, PictureBox::Border::Single);
    accessible::setName(imgGrizzle, tr("Grizzle's picture"));
    Label1 = controls::label(this, "Label1", tr("This is where the picture of Grizzle will go."),
                             {480, 3120, 1815, 375});
    Label2 = controls::label(this, "Label2", tr("Other cool stuff will go here!"), {360, 3960, 2175, 495});
    //: buttons of the opponent panel
    Command1 = controls::commandButton(this, "Command1", tr("Play some music."), {720, 4800, 1575, 375});
    Command2 = controls::commandButton(this, "Command2", tr("Stop the music."), {720, 5160, 1575, 375});
    //: a narrow label over the six track numbers
    Label3 = controls::label(this, "Label3", tr("Track #"), {1200, 5520, 615, 255});
    for (int i = 0; i < int(optTrack.size()); ++i)
        optTrack[i] = controls::optionButton(this, controls::indexed("optTrack", i), QString::number(i + 1),
                                             {480.0 * i, 5760, 375, 255});
    // the digit alone says nothing of what it chooses
    for (int i = 0; i < int(optTrack.size()); ++i)
        accessible::setName(optTrack[i], tr("Track %1").arg(i + 1));
    optTrack[0]->setChecked(true);
    // A 375-twip option is narrow: a tighter gap keeps its digit whole.
    for (QRadioButton* option : optTrack)
        controls::setCaptionGap(option, 30);

    // The labels take no focus, so the chain runs Play, the tracks, Stop.
    setTabOrder(Command1, optTrack[0]);
    for (int i = 1; i < int(optTrack.size()); ++i)
        setTabOrder(optTrack[i - 1], optTrack[i]);
    setTabOrder(optTrack[5], Command2);

    connect(Command1, &QPushButton::clicked, this, &frmGrizzley::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &frmGrizzley::Command2_Click);
}

void frmGrizzley::Form_Load()
{
    twips::setHeight(this, Cardovia::of(*this).main().Height());
}

void frmGrizzley::Command1_Click()
{
    MediaPlayer& player = app().form<frmMusic>().MMControl2;
    player.stopAndClose();
    for (int i = 0; i < int(optTrack.size()); ++i) {
        if (optTrack[i]->isChecked()) {
            player.playFile(QStringLiteral("%1.mid").arg(i + 1));
            return;
        }
    }
}

void frmGrizzley::Command2_Click()
{
    app().form<frmMusic>().MMControl2.stopAndClose();
}
