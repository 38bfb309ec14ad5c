// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "cards/frmdeckoptions.h"

#include "cards/frmcardimages.h"
#include "toolkit/app.h"
#include "toolkit/classic.h"

#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>

frmDeckOptions::frmDeckOptions(App& app, QWidget* parent)
    : Form(app, QStringLiteral("frmDeckOptions"), tr("Deck Options"), parent)
{
    //: The title bar of the dialog that chooses the back of the cards.
    setDialogFrame(tr("DeckOptions"));
    twips::setRect(this, {2310, 3720, 4755, 2700});
    // The dialog's face, not the frame's green table.
    setBackColor(classic::kFace);

    fraOptions = controls::frame(client(), "fraOptions", tr("Deck Options"), {120, 120, 3615, 2415});
    //: Above the choice of card backs.
    Label1 = controls::label(fraOptions, "Label1", tr("Card Type:"), {240, 600, 1455, 255});
    // The dialog is read as "Deck Options" already: a reader names the
    // choice's group by what it chooses.
    fraOptions->setAccessibleName(tr("Card Type"));
    // The card backs' own names, for a language that writes them otherwise.
    const std::array<std::pair<QString, twips::Rect>, 5> options = {{
        //: The name of one of the game's card backs
        {tr("Mossgrave"), {240, 960, 1095, 255}},
        //: The name of one of the game's card backs
        {tr("Corvane"), {240, 1200, 1335, 255}},
        //: The name of one of the game's card backs
        {tr("Corvane2"), {240, 1440, 975, 255}},
        //: The name of one of the game's card backs
        {tr("Saltwick"), {240, 1680, 1215, 255}},
        //: The name of one of the game's card backs
        {tr("Emberjack"), {240, 1920, 1215, 255}},
    }};
    // Siblings inside one frame: Qt keeps exactly one of them checked.
    for (std::size_t i = 0; i < options.size(); ++i) {
        Optcard[i] = controls::optionButton(fraOptions, controls::indexed("Optcard", int(i)),
                                            options[i].first, options[i].second);
        // The stand-in face is wider than the original; a caption is never cut.
        const double needed = twips::fromPixels(Optcard[i]->sizeHint().width());
        if (needed > twips::width(Optcard[i]))
            twips::setWidth(Optcard[i], needed);
    }
    Optcard[1]->setChecked(true);
    //: A button: confirms the chosen card back and closes the dialog.
    cmdOkay = controls::commandButton(client(), "cmdOkay", tr("&Okay"), {3960, 2040, 735, 495});
    connect(cmdOkay, &QPushButton::clicked, this, &frmDeckOptions::cmdOkay_Click);

    // The frame and the label take no focus; the rest follow in this order.
    setTabOrder(Optcard[1], Optcard[0]);
    setTabOrder(Optcard[0], cmdOkay);
    setTabOrder(cmdOkay, Optcard[2]);
    setTabOrder(Optcard[2], Optcard[3]);
    setTabOrder(Optcard[3], Optcard[4]);
}

void frmDeckOptions::cmdOkay_Click()
{
    frmCardImages& images = app().form<frmCardImages>();
    for (std::size_t i = 0; i < Optcard.size(); ++i)
        if (Optcard[i]->isChecked())
            images.cardtype = qint16(i);
    // The opener stays disabled while the dialog is open, so it is normally
    // still there; if it is not, there is nothing to re-enable or redraw.
    Form* opener = app().theform;
    if (opener) {
        opener->setEnabled(true);
        QMetaObject::invokeMethod(opener, "returncard", Qt::DirectConnection);
    }
    setEnabled(false);
    setVisible(false);
    // The keyboard goes on where the player opened the dialog.
    if (opener)
        opener->restoreFocus();
}
