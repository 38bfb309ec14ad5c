// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The hidden picture store: 52 card faces and five card backs, and the back
// design in use. It is loaded at start-up and kept for the whole run.

#include "cards/cards.h"
#include "toolkit/form.h"

#include <array>

class frmCardImages : public Form {
    Q_OBJECT
public:
    frmCardImages(App& app, QWidget* parent);

    // Face number n, 1 to 52; an empty picture for any other n.
    Picture Image1(int n) const;
    // Back design k, 0 to 4; an empty picture for any other k.
    Picture PictureClip1(int k) const;
    // The face of a card value 2 to 14 (14 the ace) and suit 1 to 4; an
    // empty picture for any other pair.
    Picture cardpicture(qint16 value, qint16 suit) const;

    // The card-back design in use, 0 to 4: set when the main menu loads and
    // by the deck options dialog, read by the screens that show backs.
    qint16 cardtype = 0;

private:
    // Built once at load; every card on every screen shares these, and with
    // them each picture's rendering.
    std::array<Picture, cards::kFaces> faces_;
    std::array<Picture, cards::kBacks> backs_;
};
