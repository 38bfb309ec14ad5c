// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "cards/frmcardimages.h"

#include "cards/cardart.h"

frmCardImages::frmCardImages(App& app, QWidget* parent)
    : Form(app, QStringLiteral("frmCardImages"), QString(), parent)
{
    setWindowTitle(QStringLiteral("Form2"));
    for (int n = 1; n <= cards::kFaces; ++n)
        faces_[n - 1] = cardart::face(n);
    for (int k = 0; k < cards::kBacks; ++k)
        backs_[k] = cardart::back(k);
}

Picture frmCardImages::Image1(int n) const
{
    return n >= 1 && n <= cards::kFaces ? faces_[n - 1] : Picture();
}

Picture frmCardImages::PictureClip1(int k) const
{
    return k >= 0 && k < cards::kBacks ? backs_[k] : Picture();
}

Picture frmCardImages::cardpicture(qint16 value, qint16 suit) const
{
    // face number 0 (not a card) gives the empty picture
    return Image1(cards::faceNumber(value, suit));
}
