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
    : Form(app, QStringLiteral("frmDeckOptions"), QStringLiteral("Deck Options"), parent)
{
    setDialogFrame(QStringLiteral("DeckOptions"));
    twips::setRect(this, {2310, 3720, 4755, 2700});
    // The dialog's face, not the frame's green table.
    setBackColor(classic::kFace);

    fraOptions = controls::frame(client(), "fraOptions", "Deck Options", {120, 120, 3615, 2415});
    Label1 = controls::label(fraOptions, "Label1", "Card Type:", {240, 600, 1455, 255});
    // The dialog is read as "Deck Options" already: a reader names the
    // choice's group by what it chooses.
    fraOptions->setAccessibleName(QStringLiteral("Card Type"));
    const std::array<std::pair<const char*, twips::Rect>, 5> options = {{
        {"Mossgrave", {240, 960, 1095, 255}},
        {"Corvane", {240, 1200, 1335, 255}},
        {"Corvane2", {240, 1440, 975, 255}},
        {"Saltwick", {240, 1680, 1215, 255}},
        {"Emberjack", {240, 1920, 1215, 255}},
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
    cmdOkay = controls::commandButton(client(), "cmdOkay", "&Okay", {3960, 2040, 735, 495});
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
