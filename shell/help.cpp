// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/help.h"

#include "platform/appinfo.h"
#include "shell/games.h"
#include "shell/launch.h"

#include <QCoreApplication>

namespace help {

namespace {

constexpr HelpWords kWords{"help"};

// A button's caption on its screen, as the page names it.
QString button(const char* screen, const char* caption)
{
    return QCoreApplication::translate(screen, caption).toHtmlEscaped();
}

// The keys of the whole window, and of the help window itself.
QString keys()
{
    return kWords.items({
               QT_TRANSLATE_NOOP("help", "Tab and Shift+Tab move between the controls. Space or Enter presses the "
                                         "one with the focus."),
               QT_TRANSLATE_NOOP("help", "Alt with a button's underlined letter presses that button. If a menu has "
                                         "the same letter, the button wins."),
           })
        + HelpPage::windowKeys()
        + kWords.items({
              QT_TRANSLATE_NOOP("help", "The size you choose is kept for next time."),
              QT_TRANSLATE_NOOP("help", "In this help window, Tab moves to the links. Enter follows a link, and "
                                        "Alt+Left goes back."),
          });
}

HelpPage contents(const std::vector<HelpPage>& games)
{
    QString list;
    for (const HelpPage& game : games)
        list += QStringLiteral("<li><a href=\"%1\">%2</a></li>")
                    .arg(HelpView::address(game.id).toString(), game.title.toHtmlEscaped());
    const QString title = QString::fromUtf8(appinfo::kTitle);
    HelpPage page{QString::fromLatin1(kContents), title, QStringLiteral("frmMainMenu"), {}, {}};
    page.html =
        HelpPage::block("p", launch::summary().toHtmlEscaped())
        + kWords.block("p", QT_TRANSLATE_NOOP("help", "Choose a game on the main menu. Each page here tells you how "
                                                      "to play it."))
        + QStringLiteral("<ul>%1</ul>\n").arg(list)
        + HelpPage::block("p", kWords.text(QT_TRANSLATE_NOOP("help", "The grey panel on the right plays <a "
                                                                     "href=\"%1\">music</a> beside every game."))
                                   .arg(HelpView::address(QString::fromLatin1(kMusic)).toString()))
        + kWords.block("h2", QT_TRANSLATE_NOOP("help", "The main menu"))
        + kWords.list("ul", {
              QT_TRANSLATE_NOOP("help", "Press a game's button to play it."),
              QT_TRANSLATE_NOOP("help", "In each game, <b>Main Menu</b> brings you back here. The game you leave "
                                        "is not kept."),
          })
        //: %1 is the main menu's Quit button, %2 the collection's name.
        + HelpPage::block("p", kWords.text(QT_TRANSLATE_NOOP("help", "<b>%1</b>, or File and Quit, closes %2 at "
                                                                     "once."))
                                   .arg(button("frmMainMenu", "Quit"), title))
        //: a heading: the keyboard's keys
        + kWords.block("h2", QT_TRANSLATE_NOOP("help", "Keys"))
        + QStringLiteral("<ul>\n%1</ul>\n").arg(keys());
    return page;
}

HelpPage music()
{
    //: the title of the help page on the music
    HelpPage page{QString::fromLatin1(kMusic), kWords.text(QT_TRANSLATE_NOOP("help", "Music")),
                  QStringLiteral("frmGrizzley"), {}, {}};
    //: %1 is the collection's name.
    page.html = HelpPage::block("p", kWords.text(QT_TRANSLATE_NOOP("help", "The grey panel on the right is "
                                                                           "Grizzle's corner. It plays music beside "
                                                                           "every game. Six tunes come with %1."))
                                         .arg(QString::fromUtf8(appinfo::kTitle)))
        + QStringLiteral("<ol>\n")
        //: %1 is the label over the track buttons, "Track #".
        + HelpPage::block("li", kWords.text(QT_TRANSLATE_NOOP("help", "Choose a track, 1 to 6, under <i>%1</i>."))
                                    .arg(button("frmGrizzley", "Track #")))
        //: %1 is the Play button's caption.
        + HelpPage::block("li", kWords.text(QT_TRANSLATE_NOOP("help", "Press <b>%1</b> The track plays once, from "
                                                                      "the start."))
                                    .arg(button("frmGrizzley", "Play some music.")))
        + QStringLiteral("</ol>\n")
        + QStringLiteral("<ul>\n")
        //: %1 is the Stop button's caption.
        + HelpPage::block("li", kWords.text(QT_TRANSLATE_NOOP("help", "<b>%1</b> stops it."))
                                    .arg(button("frmGrizzley", "Stop the music.")))
        + kWords.items({
              QT_TRANSLATE_NOOP("help", "Choosing another track changes nothing until you press Play again."),
              QT_TRANSLATE_NOOP("help", "Play while music plays starts the chosen track from the start."),
              QT_TRANSLATE_NOOP("help", "The music goes on while you change games."),
              QT_TRANSLATE_NOOP("help", "Tab moves through Play, the six tracks and Stop. Space chooses the track "
                                        "with the focus."),
              QT_TRANSLATE_NOOP("help", "No sound card, or no music files? The buttons still work, and all stays "
                                        "quiet."),
          })
        + QStringLiteral("</ul>\n");
    return page;
}

} // namespace

std::vector<HelpPage> pages()
{
    std::vector<HelpPage> games;
    for (const games::Game& game : games::kGames)
        games.push_back(game.help());
    std::vector<HelpPage> all{contents(games)};
    all.insert(all.end(), std::make_move_iterator(games.begin()), std::make_move_iterator(games.end()));
    all.push_back(music());
    return all;
}

QString pageFor(const QString& formName)
{
    for (const HelpPage& page : pages())
        if (!formName.isEmpty() && page.screen == formName)
            return page.id;
    return QString::fromLatin1(kContents);
}

} // namespace help
