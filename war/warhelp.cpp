// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "war/warhelp.h"

#include "cards/cardart.h"
#include "cards/cards.h"
#include "toolkit/fonts.h"

#include <QPainter>

namespace war {

namespace {

// Grizzle's card and the player's side by side on the War screen's green,
// each named beneath it.
Picture round(const QString& key, int grizzles, int yours, const QString& description)
{
    return Picture(key, QSize(200, 126), [grizzles, yours](QPainter& painter) {
        painter.fillRect(QRectF(0, 0, 200, 126), QColor(0, 128, 0));
        painter.setFont(fonts::font(QStringLiteral("MS Sans Serif"), 8.25, fonts::Bold));
        painter.setPen(Qt::white);
        const struct {
            int face;
            qreal left;
            const char* whose;
        } cards[] = {{grizzles, 12, "Grizzle"}, {yours, 117, "You"}};
        for (const auto& card : cards) {
            painter.save();
            painter.translate(card.left, 6);
            cardart::face(card.face).draw(painter);
            painter.restore();
            painter.drawText(QRectF(card.left, 106, 71, 16), Qt::AlignCenter, QLatin1String(card.whose));
        }
    }, description);
}

} // namespace

HelpPage helpPage()
{
    HelpPage page{QStringLiteral("war"), QStringLiteral("War"), QStringLiteral("frmWar"), {}, {}};
    const int nine = cards::faceNumber(9, cards::Clubs);
    const int queen = cards::faceNumber(12, cards::Hearts);
    const int sevens[] = {cards::faceNumber(7, cards::Spades), cards::faceNumber(7, cards::Hearts)};
    const QString won = page.figure(round(
        QStringLiteral("help/war-won"), nine, queen,
        QStringLiteral("Grizzle's %1 and your %2: the queen is higher, so both cards go into your hand.")
            .arg(cards::faceName(nine), cards::faceName(queen))));
    const QString tie = page.figure(round(
        QStringLiteral("help/war-tie"), sevens[0], sevens[1],
        QStringLiteral("Grizzle's %1 and your %2: both of you, so each seven goes back to its own hand.")
            .arg(cards::faceName(sevens[0]), cards::faceName(sevens[1]))));

    page.html = QStringLiteral(R"(
<p>War is played against Grizzle with a deck of 48 cards: the 2 to the king in the four suits,
without aces. The king is the highest card and the 2 the lowest; suits never count.</p>

<h2>The deal</h2>
<p>Press <b>Start</b>. Grizzle is dealt 26 cards drawn at random <i>with replacement</i>: a card
drawn twice counts once, so Grizzle starts with anything from 1 to 26 cards, about 20 on
average. You get every card Grizzle did not, so you usually start with more. The cards are dealt
once on each visit to War.</p>

<h2>A round</h2>
<ol>
<li>Grizzle's card slides out of its pile at the top left, face up.</li>
<li>Click your pile at the bottom right, under <i>Click on this picture.</i>, or press Space or
Enter on it: a card taken at random from your hand slides out.</li>
<li>The higher card wins, and both cards go into the winner's hand. On equal values each card goes
back to the hand it came from: there is no war to break the tie.</li>
<li>Under <i>And the winner is...</i> you read <b>You!</b>, <b>Grizzle!</b> or <b>Both of
you!</b> Press <b>Click here to continue.</b> for the next round.</li>
</ol>
<table width="100%" cellpadding="6"><tr>
<td align="center" width="50%">%1</td><td align="center" width="50%">%2</td>
</tr></table>
<p>Cards you win go straight into your hand, and every card in a hand may come up again in the
next round: each card is taken at random from the whole hand, not from the top of a pile.</p>

<h2>How it ends</h2>
<p>The game ends when a side has no card left after a round. A message says <i>Grizzle is out of
cards, You win!</i> or <i>You're out of cards, Grizzle wins!</i>, and when you press OK,
Corvane's Cardovia closes.</p>
<p>A king never leaves the hand that holds it: it wins every round, or ties and goes home. So a
side that was dealt a king can never run out, and when both of you hold one, as in most deals,
the game has no end: leave it by <b>Main Menu</b> when you have had enough.</p>

<h2>The buttons</h2>
<ul>
<li><b>Start</b> deals and brings out Grizzle's first card.</li>
<li><b>Deck Options</b> chooses the back of the cards: Mossgrave, Corvane, Corvane2, Saltwick or
Emberjack. It can be opened at any time; the choice holds until Corvane's Cardovia closes.</li>
<li><b>Main Menu</b> leaves War once the cards are dealt; the game is not kept.</li>
</ul>
)")
                    .arg(won, tie);
    return page;
}

} // namespace war
