// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "coinflip/coinfliphelp.h"

#include "coinflip/coin.h"

#include <QCoreApplication>

namespace coinflip {

HelpPage helpPage()
{
    //: The help page's title: the game's name.
    HelpPage page{QStringLiteral("coinflip"), QCoreApplication::translate("coinfliphelp", "Coin Flip"),
                  QStringLiteral("frmCoinFlip"), {}, {}};
    QString html = HelpPage::block("p", QCoreApplication::translate(
        "coinfliphelp", "Press <b>Heads</b> or <b>Tails</b>: the coin is tossed, and a right call scores a point "
                        "for you, a wrong one a point for Grizzle. <b>Main Menu</b> leaves the game and its score."));
    html += HelpPage::block("p", page.figure(coin(Side::Heads)) + QLatin1Char(' ') + page.figure(coin(Side::Tails)));
    page.html = html;
    return page;
}

} // namespace coinflip
