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

// The translators name the screen's buttons as the screen shows them.
constexpr HelpWords kWords{"fireicehelp"};

// What each call brings.
QString howItEnds()
{
    return kWords.block("p", QT_TRANSLATE_NOOP("fireicehelp", "Each card ends with your call. Then Grizzle answers."))
        + kWords.list("ul", {
              QT_TRANSLATE_NOOP("fireicehelp", "Fire on a red card: you hear a gunshot. A cartoon gunman pops up on "
                                               "the screen."),
              QT_TRANSLATE_NOOP("fireicehelp", "Ice on a black card: Grizzle says <i>You got lucky punk, Try again, I "
                                               "dare you.</i>"),
              QT_TRANSLATE_NOOP("fireicehelp", "A wrong call, Fire or Ice: Grizzle says <i>Ya big liar!</i>"),
          })
        + kWords.block("p", QT_TRANSLATE_NOOP("fireicehelp", "There is no score and no end. Shuffle as often as you "
                                                             "like."));
}

} // namespace

HelpPage helpPage()
{
    //: The help page's title: the game's name.
    HelpPage page{QStringLiteral("fireice"), QCoreApplication::translate("fireicehelp", "Fire & Ice"),
                  QStringLiteral("FrmFireIce"), {}, {}};
    const QString fireSuits = suitNames(true);
    const QString iceSuits = suitNames(false);
    const QString picture = page.figure(calls(
        //: %1 and %2 are suits' names in running text, "hearts and diamonds".
        QCoreApplication::translate("fireicehelp", "Fire wins on %1, the red suits. Ice wins on %2, the black ones.")
            .arg(fireSuits, iceSuits)));
    const QString play =
        kWords.list("ol", {
            QT_TRANSLATE_NOOP("fireicehelp", "Press <b>Shuffle Those Card!</b> A new card slides back and forth."),
            QT_TRANSLATE_NOOP("fireicehelp", "The card is face up, so you can see it while it moves."),
            QT_TRANSLATE_NOOP("fireicehelp", "Press <b>Fire</b> if it is red, or <b>Ice</b> if it is black."),
            QT_TRANSLATE_NOOP("fireicehelp", "You get one call for each card. The card stops after your call."),
        })
        + QStringLiteral("<p align=\"center\">%1</p>\n").arg(picture);
    //: %1 is the number of cards in a pack.
    const QString grizzle = HelpPage::block("p", kWords.text(QT_TRANSLATE_NOOP("fireicehelp", "Grizzle deals one card "
                                                                                              "from a whole pack of "
                                                                                              "%1, aces too."))
                                                     .arg(cards::kFaces))
        + kWords.block("p", QT_TRANSLATE_NOOP("fireicehelp", "Every card has the same chance. Red and black come up "
                                                             "just as often."));
    //: Alt+S and the other keys as this language's keyboards name them, with the buttons' access keys.
    const QString keys = kWords.items({
        QT_TRANSLATE_NOOP("fireicehelp", "<b>Shuffle Those Card!</b>, or Alt+S, brings a new card."),
        QT_TRANSLATE_NOOP("fireicehelp", "<b>Fire</b>, or Alt+F, calls red. Here Alt+F does not open the File menu."),
        QT_TRANSLATE_NOOP("fireicehelp", "<b>Ice</b>, or Alt+I, calls black."),
        QT_TRANSLATE_NOOP("fireicehelp", "<b>Main Menu</b> leaves Fire & Ice. Click it, or Tab to it and press "
                                         "Space."),
        QT_TRANSLATE_NOOP("fireicehelp", "Tab moves between the buttons. Space or Enter presses one."),
    });
    const QString tips = kWords.list("ul", {
        QT_TRANSLATE_NOOP("fireicehelp", "Look at the card before you call. Its colour shows the whole time."),
        QT_TRANSLATE_NOOP("fireicehelp", "After a shuffle the keyboard is on <b>Fire</b>. After a call it is on "
                                         "<b>Shuffle Those Card!</b>"),
        QT_TRANSLATE_NOOP("fireicehelp", "Want to see the gunman? Call Fire on a red card."),
    });
    page.html = HelpPage::outline({
        .goal = kWords.text(QT_TRANSLATE_NOOP("fireicehelp", "Call the colour of the sliding card: red or black.")),
        .play = play,
        .grizzle = grizzle,
        .end = howItEnds(),
        .keys = keys,
        .tips = tips,
    });
    return page;
}

} // namespace fireice
