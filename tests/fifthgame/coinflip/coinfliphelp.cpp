// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "coinflip/coinfliphelp.h"

#include "coinflip/coin.h"

#include <QCoreApplication>

namespace coinflip {

namespace {

constexpr HelpWords kWords{"coinfliphelp"};

} // namespace

HelpPage helpPage()
{
    //: The help page's title: the game's name.
    HelpPage page{QStringLiteral("coinflip"), QCoreApplication::translate("coinfliphelp", "Coin Flip"),
                  QStringLiteral("frmCoinFlip"), {}, {}};
    const QString coins =
        HelpPage::block("p", page.figure(coin(Side::Heads)) + QLatin1Char(' ') + page.figure(coin(Side::Tails)));
    page.html = HelpPage::outline({
        .goal = kWords.text(QT_TRANSLATE_NOOP("coinfliphelp", "Call the coin right more often than Grizzle.")),
        .play = kWords.block("p", QT_TRANSLATE_NOOP("coinfliphelp", "Press <b>Heads</b> or <b>Tails</b>. The coin "
                                                                    "is tossed.")) + coins,
        .grizzle = kWords.block("p", QT_TRANSLATE_NOOP("coinfliphelp", "A wrong call scores a point for Grizzle.")),
        .end = kWords.block("p", QT_TRANSLATE_NOOP("coinfliphelp", "The game goes on until you leave it.")),
        .keys = kWords.items({
            QT_TRANSLATE_NOOP("coinfliphelp", "<b>Heads</b>, or Alt+E, calls heads."),
            QT_TRANSLATE_NOOP("coinfliphelp", "<b>Tails</b>, or Alt+T, calls tails."),
            QT_TRANSLATE_NOOP("coinfliphelp", "<b>Main Menu</b>, or Alt+M, leaves the game and its score."),
        }),
        .tips = kWords.block("p", QT_TRANSLATE_NOOP("coinfliphelp", "Each side comes up half the time.")),
    });
    return page;
}

} // namespace coinflip
