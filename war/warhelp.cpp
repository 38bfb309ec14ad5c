// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "war/warhelp.h"

#include "cards/cardart.h"
#include "cards/cards.h"
#include "toolkit/fonts.h"
#include "war/wardeck.h"

#include <QCoreApplication>
#include <QPainter>

namespace war {

namespace {

// Grizzle's card and the player's side by side on the War screen's green,
// each named beneath it; two of them fit side by side in the help window.
constexpr QSize kRound(176, 126);

Picture round(const QString& key, int grizzles, int yours, const QString& description)
{
    //: Beneath Grizzle's card in a picture of a round.
    const QString grizzle = QCoreApplication::translate("warhelp", "Grizzle");
    //: Beneath the player's card in a picture of a round.
    const QString you = QCoreApplication::translate("warhelp", "You");
    return Picture(key, kRound, [grizzles, yours, grizzle, you](QPainter& painter) {
        painter.fillRect(QRectF(QPointF(0, 0), kRound), QColor(0, 128, 0));
        painter.setFont(fonts::font(QStringLiteral("MS Sans Serif"), 8.25, fonts::Bold));
        painter.setPen(Qt::white);
        const struct {
            int face;
            qreal left;
            const QString& whose;
        } cards[] = {{grizzles, 12, grizzle}, {yours, 93, you}};
        for (const auto& card : cards) {
            painter.save();
            painter.translate(card.left, 6);
            cardart::face(card.face).draw(painter);
            painter.restore();
            painter.drawText(QRectF(card.left, 106, 71, 16), Qt::AlignCenter, card.whose);
        }
    }, description);
}

// The translators name the screen's buttons and labels as the screen shows them.
constexpr HelpWords kWords{"warhelp"};

// The deck, a round step by step, and the pictures of a won round and a tie.
QString howToPlay(HelpPage& page)
{
    const int nine = cards::faceNumber(9, cards::Clubs);
    const int queen = cards::faceNumber(12, cards::Hearts);
    const int sevens[] = {cards::faceNumber(7, cards::Spades), cards::faceNumber(7, cards::Hearts)};
    const QString won = page.figure(round(
        QStringLiteral("help/war-won"), nine, queen,
        //: %1 and %2 are cards' names, e.g. "9 of Clubs" and "Queen of Hearts".
        QCoreApplication::translate("warhelp", "Grizzle's %1 and your %2. The Queen is higher, so you take both cards.")
            .arg(cards::faceName(nine), cards::faceName(queen))));
    const QString tie = page.figure(round(
        QStringLiteral("help/war-tie"), sevens[0], sevens[1],
        //: %1 and %2 are cards' names, e.g. "7 of Spades" and "7 of Hearts".
        QCoreApplication::translate("warhelp", "Grizzle's %1 and your %2. A tie, so each seven goes back to its hand.")
            .arg(cards::faceName(sevens[0]), cards::faceName(sevens[1]))));
    //: %1 is the number of cards in War's deck.
    return HelpPage::block("p", kWords.text(QT_TRANSLATE_NOOP("warhelp", "The deck has %1 cards, from the 2 to the "
                                                                         "King. There are no aces."))
                                    .arg(kDeckSize))
        + kWords.block("p", QT_TRANSLATE_NOOP("warhelp", "The King is the highest card and the 2 the lowest. Suits "
                                                         "do not count."))
        + kWords.list("ol", {
              QT_TRANSLATE_NOOP("warhelp", "Press <b>Start</b>. The cards are dealt, and Grizzle plays first."),
              QT_TRANSLATE_NOOP("warhelp", "Grizzle's card slides out of its pile at the top left."),
              //: "Click on this picture." is the label beside the player's pile, as the screen shows it.
              QT_TRANSLATE_NOOP("warhelp", "Click your pile at the bottom right, under <i>Click on this "
                                           "picture.</i> Your card slides out."),
              QT_TRANSLATE_NOOP("warhelp", "The higher card wins. The winner takes both cards."),
              QT_TRANSLATE_NOOP("warhelp", "If both cards are equal, each goes back to its own hand."),
              //: The labels as the screen shows them.
              QT_TRANSLATE_NOOP("warhelp", "Under <i>And the winner is...</i> you read <b>You!</b>, <b>Grizzle!</b> "
                                           "or <b>Both of you!</b>"),
              QT_TRANSLATE_NOOP("warhelp", "Press <b>Click here to continue.</b> for the next round."),
          })
        + QStringLiteral("<table width=\"100%\" cellpadding=\"6\"><tr>\n"
                         "<td align=\"center\" width=\"50%\">%1</td><td align=\"center\" width=\"50%\">%2</td>\n"
                         "</tr></table>\n")
              .arg(won, tie)
        + kWords.block("p", QT_TRANSLATE_NOOP("warhelp", "Cards you win go into your hand. They can come up again in "
                                                         "the very next round."));
}

QString howGrizzlePlays()
{
    //: %1 is the number of cards Grizzle is dealt at most.
    return HelpPage::block("p", kWords.text(QT_TRANSLATE_NOOP("warhelp", "The deal is not even. Grizzle gets %1 "
                                                                         "cards at most, usually about 20. You get "
                                                                         "all the others."))
                                    .arg(kDealt))
        + kWords.block("p", QT_TRANSLATE_NOOP("warhelp", "Grizzle does not choose. Its next card is picked at "
                                                         "random from its hand. So is yours."));
}

QString howItEnds()
{
    return kWords.block("p", QT_TRANSLATE_NOOP("warhelp", "The game is over when one side has no cards left."))
        + kWords.block("p", QT_TRANSLATE_NOOP("warhelp", "A message says <i>Grizzle is out of cards, You win!</i> or "
                                                         "<i>You're out of cards, Grizzle wins!</i>"))
        + kWords.block("p", QT_TRANSLATE_NOOP("warhelp", "Press OK, and Corvane's Cardovia closes."))
        + kWords.block("p", QT_TRANSLATE_NOOP("warhelp", "But a game often goes on until you leave it. A King can "
                                                         "only win or tie, so it never leaves its hand."))
        + kWords.block("p", QT_TRANSLATE_NOOP("warhelp", "Both sides usually hold a King, so neither runs out. "
                                                         "Press <b>Main Menu</b> when you have had enough."));
}

} // namespace

HelpPage helpPage()
{
    //: The help page's title: the card game's name.
    HelpPage page{QStringLiteral("war"), QCoreApplication::translate("warhelp", "War"), QStringLiteral("frmWar"),
                  {}, {}};
    //: Alt+S and the other keys as this language's keyboards name them, with the buttons' access keys.
    const QString keys = kWords.items({
        QT_TRANSLATE_NOOP("warhelp", "<b>Start</b>, or Alt+S, deals the cards. It works once each time you open "
                                     "War."),
        QT_TRANSLATE_NOOP("warhelp", "Tab moves between your pile, the buttons and the cards. Space or Enter "
                                     "plays your card or presses a button."),
        QT_TRANSLATE_NOOP("warhelp", "<b>Click here to continue.</b>, or Alt+C, starts the next round."),
        QT_TRANSLATE_NOOP("warhelp", "<b>Deck Options</b>, or Alt+D, changes the back of the cards at any time. "
                                     "Choose one and press <b>Okay</b>, or Alt+O."),
        QT_TRANSLATE_NOOP("warhelp", "<b>Main Menu</b>, or Alt+M, leaves War once the cards are dealt. The game is "
                                     "not kept."),
    });
    const QString tips = kWords.list("ul", {
        QT_TRANSLATE_NOOP("warhelp", "War is all luck, so sit back and enjoy the rounds."),
        QT_TRANSLATE_NOOP("warhelp", "Space alone is enough to play. It plays your card, then goes on to the "
                                     "next round."),
        QT_TRANSLATE_NOOP("warhelp", "The back you choose in Deck Options stays until Corvane's Cardovia closes."),
    });
    page.html = HelpPage::outline({
        .goal = kWords.text(QT_TRANSLATE_NOOP("warhelp", "Win all of Grizzle's cards, one round at a time.")),
        .play = howToPlay(page),
        .grizzle = howGrizzlePlays(),
        .end = howItEnds(),
        .keys = keys,
        .tips = tips,
    });
    return page;
}

} // namespace war
