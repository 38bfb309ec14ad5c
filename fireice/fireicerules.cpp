#include "fireice/fireicerules.h"

namespace fireice {

bool isIce(int cardnumber)
{
    const int remainder = cardnumber % 4;
    return remainder == 0 || remainder == 1;
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
