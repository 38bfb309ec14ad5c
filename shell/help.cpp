// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/help.h"

#include "platform/appinfo.h"
#include "shell/games.h"
#include "shell/launch.h"

#include <QCoreApplication>

namespace help {

namespace {

// A paragraph, and an item of a list, of a page's text.
QString paragraph(const QString& text)
{
    return QStringLiteral("<p>%1</p>\n").arg(text);
}

QString item(const QString& text)
{
    return QStringLiteral("<li>%1</li>\n").arg(text);
}

QString heading(const QString& text)
{
    return QStringLiteral("<h2>%1</h2>\n").arg(text.toHtmlEscaped());
}

// A button's caption on its screen, as the page names it.
QString button(const char* screen, const char* caption)
{
    return QCoreApplication::translate(screen, caption).toHtmlEscaped();
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
        paragraph(QCoreApplication::translate(
                      "help", "%1 Choose a game on the main menu; each page here tells how it is played:")
                      .arg(launch::summary().toHtmlEscaped())) +
        QStringLiteral("<ul>%1</ul>\n").arg(list) +
        paragraph(QCoreApplication::translate(
                      "help", "The grey panel at the right stays beside every game and plays <a href=\"%1\">music</a>.")
                      .arg(HelpView::address(QString::fromLatin1(kMusic)).toString())) +
        heading(QCoreApplication::translate("help", "The main menu")) +
        paragraph(QCoreApplication::translate(
                      "help", "Press a game's button to play it. Each game's <b>Main Menu</b> button brings you back "
                              "here, and a game you leave is not kept. <b>%1</b>, or File, Quit at any time, closes %2 "
                              "at once.")
                      .arg(button("frmMainMenu", "Quit"), title)) +
        //: a heading: the keyboard's keys
        heading(QCoreApplication::translate("help", "Keys")) + QStringLiteral("<ul>\n") +
        item(QCoreApplication::translate("help", "F1 opens the help for the screen on show.")) +
        item(QCoreApplication::translate(
            "help", "Tab and Shift+Tab move between the controls; Space or Enter presses the one with the focus.")) +
        item(QCoreApplication::translate("help",
                                         "Alt and the underlined letter of a button press it. Where a button of the "
                                         "screen and a menu share a letter, the button has it; F10 opens the menus.")) +
        item(QCoreApplication::translate("help",
                                         "Ctrl+Plus and Ctrl+Minus make the games larger or smaller, and this window "
                                         "with them; Ctrl+0 goes back to 100 %. The size you choose is kept for the "
                                         "next time.")) +
        item(QCoreApplication::translate("help",
                                         "In this window, Tab moves between the list of pages and the links of a page, "
                                         "Enter follows a link, Alt+Left goes back, and Esc closes the window.")) +
        QStringLiteral("</ul>\n");
    return page;
}

HelpPage music()
{
    //: the title of the help page on the music
    HelpPage page{QString::fromLatin1(kMusic), QCoreApplication::translate("help", "Music"),
                  QStringLiteral("frmGrizzley"), {}, {}};
    const QString play = button("frmGrizzley", "Play some music.");
    page.html =
        paragraph(QCoreApplication::translate("help", "The grey panel at the right of the window is Grizzle's corner, "
                                                      "and it plays music beside every game. Six tunes come with %1.")
                      .arg(QString::fromUtf8(appinfo::kTitle))) +
        QStringLiteral("<ol>\n") +
        item(QCoreApplication::translate("help", "Choose a track, 1 to 6, under <i>%1</i>.")
                 .arg(button("frmGrizzley", "Track #"))) +
        item(QCoreApplication::translate("help", "Press <b>%1</b>: the track plays from its beginning, once.")
                 .arg(play)) +
        QStringLiteral("</ol>\n") +
        paragraph(QCoreApplication::translate(
                      "help", "<b>%1</b> stops it. Choosing another track changes nothing until you press Play again, "
                              "and Play while music plays starts the chosen track afresh. The music goes on while you "
                              "change games.")
                      .arg(button("frmGrizzley", "Stop the music."))) +
        paragraph(QCoreApplication::translate(
            "help", "Tab moves through Play, the six tracks and Stop; Space chooses the track with the focus.")) +
        paragraph(QCoreApplication::translate(
            "help", "Without a sound device, or without the music files, the buttons still work and all stays quiet."));
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
