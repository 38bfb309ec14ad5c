// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "fireice/fireicehelp.h"

#include "cards/cardart.h"
#include "cards/cards.h"
#include "fireice/fireicerules.h"
#include "toolkit/fonts.h"

#include <QCoreApplication>
#include <QPainter>

namespace fireice {

namespace {

constexpr QSize kSize(220, 92);

// The suits each call wins on, as the rules sort the faces: the aces of
// those suits on the screen's purple under the call's name.
Picture calls(const QString& description)
{
    //: Above the red aces in a picture: the call's name as the Fire button shows it.
    const QString fireName = QCoreApplication::translate("fireicehelp", "Fire");
    //: Above the black aces in a picture: the call's name as the Ice button shows it.
    const QString iceName = QCoreApplication::translate("fireicehelp", "Ice");
    return Picture(QStringLiteral("help/fireice-calls"), kSize, [fireName, iceName](QPainter& painter) {
        painter.fillRect(QRectF(QPointF(0, 0), kSize), QColor(64, 0, 64));
        painter.setFont(fonts::font(QStringLiteral("MS Sans Serif"), 9.75, fonts::Bold));
        for (bool fire : {true, false}) {
            const qreal left = fire ? 8 : 116;
            painter.setPen(Qt::white);
            painter.drawText(QRectF(left, 4, 96, 18), Qt::AlignCenter, fire ? fireName : iceName);
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

// The suits of one call in running text, "hearts and diamonds", as the rules
// sort the faces.
QString suitNames(bool fire)
{
    //: Suits' names in running text, in the order of the cards' faces.
    static const char* const suits[] = {QT_TRANSLATE_NOOP("fireicehelp", "spades"),
                                        QT_TRANSLATE_NOOP("fireicehelp", "hearts"),
                                        QT_TRANSLATE_NOOP("fireicehelp", "diamonds"),
                                        QT_TRANSLATE_NOOP("fireicehelp", "clubs")};
    QString names;
    for (int suit = cards::Spades; suit <= cards::Clubs; ++suit) {
        if (isFire(cards::faceNumber(14, suit)) != fire)
            continue;
        const QString name = QCoreApplication::translate("fireicehelp", suits[suit - 1]);
        //: Two suits' names in running text, "hearts and diamonds".
        names = names.isEmpty() ? name : QCoreApplication::translate("fireicehelp", "%1 and %2").arg(names, name);
    }
    return names;
}

} // namespace

// Each paragraph is a text of its own for the translators, who name the
// screen's buttons as the screen shows them.
HelpPage helpPage()
{
    //: The help page's title: the game's name.
    HelpPage page{QStringLiteral("fireice"), QCoreApplication::translate("fireicehelp", "Fire & Ice"),
                  QStringLiteral("FrmFireIce"), {}, {}};
    const QString fireSuits = suitNames(true);
    const QString iceSuits = suitNames(false);
    const QString picture = page.figure(calls(
        //: %1 and %2 are suits' names in running text, "hearts and diamonds".
        QCoreApplication::translate("fireicehelp", "Fire wins on %1, the red suits; Ice on %2, the black ones.")
            .arg(fireSuits, iceSuits)));

    // Tags stay out of the texts, but for the words a paragraph stresses.
    // The line breaks between the blocks are the page's own: a blank line
    // before a heading leaves a space at the end of the paragraph above,
    // which is what a reader has always been given.
    QString html = QStringLiteral("\n");
    html += QStringLiteral("<p>%1</p>\n").arg(
        //: %1 is the number of cards in a pack; %2 and %3 are suits' names in running text, "hearts and diamonds".
        QCoreApplication::translate("fireicehelp", "One card, shuffled from the whole pack of %1, aces included, "
                                                   "slides back and forth across the screen. Call its colour: "
                                                   "<b>Fire</b> for a red card, %2, or <b>Ice</b> for a black one, %3.")
            .arg(QString::number(cards::kFaces), fireSuits, iceSuits));
    html += QStringLiteral("<p align=\"center\">%1</p>\n").arg(picture);

    html += QStringLiteral("\n<h2>%1</h2>\n").arg(QCoreApplication::translate("fireicehelp", "Playing"));
    html += QStringLiteral("<p>%1</p>\n").arg(
        QCoreApplication::translate("fireicehelp", "Press <b>Shuffle Those Card!</b>, and a new card starts to "
                                                   "slide. While it moves, press <b>Fire</b> or <b>Ice</b>. You have "
                                                   "one call for each card, and the card stops after it."));

    html += QStringLiteral("\n<h2>%1</h2>\n").arg(QCoreApplication::translate("fireicehelp", "What happens then"));
    const QString outcomes[] = {
        QCoreApplication::translate("fireicehelp", "Fire on a red card: a fire sound, and a gunman turns up "
                                                   "somewhere on the screen."),
        QCoreApplication::translate("fireicehelp", "Ice on a black card: Grizzle taunts you: <i>You got lucky punk, "
                                                   "Try again, I dare you.</i>"),
        QCoreApplication::translate("fireicehelp", "A wrong call, Fire or Ice: <i>Ya big liar!</i>"),
    };
    QString items;
    for (const QString& outcome : outcomes)
        items += QStringLiteral("<li>%1</li>\n").arg(outcome);
    html += QStringLiteral("<ul>\n%1</ul>\n").arg(items);
    html += QStringLiteral("<p>%1</p>\n").arg(
        QCoreApplication::translate("fireicehelp", "There is no score and no end: shuffle as often as you like, and "
                                                   "press <b>Main Menu</b> to leave."));
    html += QStringLiteral("<p>%1</p>\n").arg(
        //: Alt+F follows the Fire button's access key; name the keys as this language's keyboard does.
        QCoreApplication::translate("fireicehelp", "On this screen Alt+F calls Fire and takes that key from the File "
                                                   "menu; F10 still opens the menus. After a shuffle the keyboard is "
                                                   "on Fire, and after a call on Shuffle."));
    page.html = html;
    return page;
}

} // namespace fireice
