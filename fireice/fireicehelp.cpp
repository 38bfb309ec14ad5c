// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "fireice/fireicehelp.h"

#include "cards/cardart.h"
#include "cards/cards.h"
#include "fireice/fireicerules.h"
#include "toolkit/fonts.h"

#include <QPainter>

namespace fireice {

namespace {

constexpr QSize kSize(220, 92);

// The suits each call wins on, as the rules sort the faces: the aces of
// those suits on the screen's purple under the call's name.
Picture calls(const QString& description)
{
    return Picture(QStringLiteral("help/fireice-calls"), kSize, [](QPainter& painter) {
        painter.fillRect(QRectF(QPointF(0, 0), kSize), QColor(64, 0, 64));
        painter.setFont(fonts::font(QStringLiteral("MS Sans Serif"), 9.75, fonts::Bold));
        for (bool fire : {true, false}) {
            const qreal left = fire ? 8 : 116;
            painter.setPen(Qt::white);
            painter.drawText(QRectF(left, 4, 96, 18), Qt::AlignCenter,
                             fire ? QStringLiteral("Fire") : QStringLiteral("Ice"));
            int shown = 0;
            for (int suit = cards::Spades; suit <= cards::Clubs; ++suit) {
                if (isFire(cards::faceNumber(14, suit)) != fire)
                    continue;
                painter.save();
                painter.translate(left + 48 * shown, 26);
                painter.scale(0.6, 0.6);
                cardart::face(cards::faceNumber(14, suit)).draw(painter);
                painter.restore();
                ++shown;
            }
        }
    }, description);
}

QString suitNames(bool fire)
{
    QStringList names;
    for (int suit = cards::Spades; suit <= cards::Clubs; ++suit)
        if (isFire(cards::faceNumber(14, suit)) == fire)
            names << cards::faceName(cards::faceNumber(14, suit)).section(QLatin1Char(' '), -1).toLower();
    return names.join(QStringLiteral(" and "));
}

} // namespace

HelpPage helpPage()
{
    HelpPage page{QStringLiteral("fireice"), QStringLiteral("Fire & Ice"), QStringLiteral("FrmFireIce"), {}, {}};
    const QString fireSuits = suitNames(true);
    const QString iceSuits = suitNames(false);
    const QString picture = page.figure(
        calls(QStringLiteral("Fire wins on %1, the red suits; Ice on %2, the black ones.").arg(fireSuits, iceSuits)));

    page.html = QStringLiteral(R"(
<p>One card, shuffled from the whole pack of 52, aces included, slides back and forth across the
screen. Call its colour: <b>Fire</b> for a red card, %1, or <b>Ice</b> for a black one, %2.</p>
<p align="center">%3</p>

<h2>Playing</h2>
<p>Press <b>Shuffle Those Card!</b>, and a new card starts to slide. While it moves, press
<b>Fire</b> or <b>Ice</b>. You have one call for each card, and the card stops after it.</p>

<h2>What happens then</h2>
<ul>
<li>Fire on a red card: a fire sound, and a gunman turns up somewhere on the screen.</li>
<li>Ice on a black card: Grizzle taunts you: <i>You got lucky punk, Try again, I dare you.</i></li>
<li>A wrong call, Fire or Ice: <i>Ya big liar!</i></li>
</ul>
<p>There is no score and no end: shuffle as often as you like, and press <b>Main Menu</b> to leave.</p>
<p>On this screen Alt+F calls Fire and takes that key from the File menu; F10 still opens the
menus. After a shuffle the keyboard is on Fire, and after a call on Shuffle.</p>
)")
                    .arg(fireSuits, iceSuits, picture);
    return page;
}

} // namespace fireice
