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
// each named beneath it.
Picture round(const QString& key, int grizzles, int yours, const QString& description)
{
    //: Beneath Grizzle's card in a picture of a round.
    const QString grizzle = QCoreApplication::translate("warhelp", "Grizzle");
    //: Beneath the player's card in a picture of a round.
    const QString you = QCoreApplication::translate("warhelp", "You");
    return Picture(key, QSize(200, 126), [grizzles, yours, grizzle, you](QPainter& painter) {
        painter.fillRect(QRectF(0, 0, 200, 126), QColor(0, 128, 0));
        painter.setFont(fonts::font(QStringLiteral("MS Sans Serif"), 8.25, fonts::Bold));
        painter.setPen(Qt::white);
        const struct {
            int face;
            qreal left;
            const QString& whose;
        } cards[] = {{grizzles, 12, grizzle}, {yours, 117, you}};
        for (const auto& card : cards) {
            painter.save();
            painter.translate(card.left, 6);
            cardart::face(card.face).draw(painter);
            painter.restore();
            painter.drawText(QRectF(card.left, 106, 71, 16), Qt::AlignCenter, card.whose);
        }
    }, description);
}

// What a round brings, step by step.
QString roundSteps()
{
    const QString steps[] = {
        QCoreApplication::translate("warhelp", "Grizzle's card slides out of its pile at the top left, face up."),
        QCoreApplication::translate("warhelp", "Click your pile at the bottom right, under <i>Click on this "
                                               "picture.</i>, or press Space or Enter on it: a card taken at random "
                                               "from your hand slides out."),
        QCoreApplication::translate("warhelp", "The higher card wins, and both cards go into the winner's hand. On "
                                               "equal values each card goes back to the hand it came from: there is "
                                               "no war to break the tie."),
        QCoreApplication::translate("warhelp", "Under <i>And the winner is...</i> you read <b>You!</b>, "
                                               "<b>Grizzle!</b> or <b>Both of you!</b> Press <b>Click here to "
                                               "continue.</b> for the next round."),
    };
    QString items;
    for (const QString& step : steps)
        items += QStringLiteral("<li>%1</li>\n").arg(step);
    return QStringLiteral("<ol>\n%1</ol>\n").arg(items);
}

// How the game ends, and what its buttons do.
QString endingAndButtons()
{
    QString html;
    html += QStringLiteral("\n<h2>%1</h2>\n").arg(QCoreApplication::translate("warhelp", "How it ends"));
    html += QStringLiteral("<p>%1</p>\n").arg(
        QCoreApplication::translate("warhelp", "The game ends when a side has no card left after a round. A message "
                                               "says <i>Grizzle is out of cards, You win!</i> or <i>You're out of "
                                               "cards, Grizzle wins!</i>, and when you press OK, Corvane's Cardovia "
                                               "closes."));
    html += QStringLiteral("<p>%1</p>\n").arg(
        QCoreApplication::translate("warhelp", "A king never leaves the hand that holds it: it wins every round, or "
                                               "ties and goes home. So a side that was dealt a king can never run "
                                               "out, and when both of you hold one, as in most deals, the game has no "
                                               "end: leave it by <b>Main Menu</b> when you have had enough."));

    html += QStringLiteral("\n<h2>%1</h2>\n").arg(QCoreApplication::translate("warhelp", "The buttons"));
    const QString buttons[] = {
        QCoreApplication::translate("warhelp", "<b>Start</b> deals and brings out Grizzle's first card."),
        QCoreApplication::translate("warhelp", "<b>Deck Options</b> chooses the back of the cards: Mossgrave, "
                                               "Corvane, Corvane2, Saltwick or Emberjack. It can be opened at any "
                                               "time; the choice holds until Corvane's Cardovia closes."),
        QCoreApplication::translate("warhelp",
                                    "<b>Main Menu</b> leaves War once the cards are dealt; the game is not kept."),
    };
    QString items;
    for (const QString& button : buttons)
        items += QStringLiteral("<li>%1</li>\n").arg(button);
    html += QStringLiteral("<ul>\n%1</ul>\n").arg(items);
    return html;
}

} // namespace

// Each paragraph is a text of its own for the translators, who name the
// screen's buttons and labels as the screen shows them.
HelpPage helpPage()
{
    //: The help page's title: the card game's name.
    HelpPage page{QStringLiteral("war"), QCoreApplication::translate("warhelp", "War"), QStringLiteral("frmWar"),
                  {}, {}};
    const int nine = cards::faceNumber(9, cards::Clubs);
    const int queen = cards::faceNumber(12, cards::Hearts);
    const int sevens[] = {cards::faceNumber(7, cards::Spades), cards::faceNumber(7, cards::Hearts)};
    const QString won = page.figure(round(
        QStringLiteral("help/war-won"), nine, queen,
        //: %1 and %2 are cards' names, e.g. "9 of Clubs" and "Queen of Hearts".
        QCoreApplication::translate("warhelp",
                                    "Grizzle's %1 and your %2: the queen is higher, so both cards go into your hand.")
            .arg(cards::faceName(nine), cards::faceName(queen))));
    const QString tie = page.figure(round(
        QStringLiteral("help/war-tie"), sevens[0], sevens[1],
        //: %1 and %2 are cards' names, e.g. "7 of Spades" and "7 of Hearts".
        QCoreApplication::translate("warhelp",
                                    "Grizzle's %1 and your %2: both of you, so each seven goes back to its own hand.")
            .arg(cards::faceName(sevens[0]), cards::faceName(sevens[1]))));

    // Tags stay out of the texts, but for the words a paragraph stresses.
    // The line breaks between the blocks are the page's own: a blank line
    // before a heading leaves a space at the end of the paragraph above,
    // which is what a reader has always been given.
    QString html = QStringLiteral("\n");
    html += QStringLiteral("<p>%1</p>\n").arg(
        QCoreApplication::translate("warhelp", "War is played against Grizzle with a deck of %1 cards: the 2 to the "
                                               "king in the four suits, without aces. The king is the highest card "
                                               "and the 2 the lowest; suits never count.")
            .arg(kDeckSize));

    html += QStringLiteral("\n<h2>%1</h2>\n").arg(QCoreApplication::translate("warhelp", "The deal"));
    html += QStringLiteral("<p>%1</p>\n").arg(
        QCoreApplication::translate("warhelp", "Press <b>Start</b>. Grizzle is dealt %1 cards drawn at random <i>with "
                                               "replacement</i>: a card drawn twice counts once, so Grizzle starts "
                                               "with anything from 1 to %1 cards, about 20 on average. You get every "
                                               "card Grizzle did not, so you usually start with more. The cards are "
                                               "dealt once on each visit to War.")
            .arg(kDealt));

    html += QStringLiteral("\n<h2>%1</h2>\n").arg(QCoreApplication::translate("warhelp", "A round"));
    html += roundSteps();
    html += QStringLiteral("<table width=\"100%\" cellpadding=\"6\"><tr>\n"
                           "<td align=\"center\" width=\"50%\">%1</td><td align=\"center\" width=\"50%\">%2</td>\n"
                           "</tr></table>\n")
                .arg(won, tie);
    html += QStringLiteral("<p>%1</p>\n").arg(
        QCoreApplication::translate("warhelp", "Cards you win go straight into your hand, and every card in a hand "
                                               "may come up again in the next round: each card is taken at random "
                                               "from the whole hand, not from the top of a pile."));

    html += endingAndButtons();
    page.html = html;
    return page;
}

} // namespace war
