// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "fireice/fireicerules.h"

#include "cards/cards.h"

namespace fireice {

bool isIce(int cardnumber)
{
    return !cards::isRed(cards::suitOfFace(cardnumber));
}

bool isFire(int cardnumber)
{
    return !isIce(cardnumber);
}

Slide movecard(Slide card, double formWidth, double cardWidth)
{
    card.left += card.stepsize;
    if (card.left >= formWidth - cardWidth || card.left < 0)
        card.stepsize = qint16(-card.stepsize);
    return card;
}

} // namespace fireice
