// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/help.h"

#include "platform/appinfo.h"
#include "shell/games.h"
#include "shell/launch.h"

namespace help {

namespace {

HelpPage contents(const std::vector<HelpPage>& games)
{
    QString list;
    for (const HelpPage& game : games)
        list += QStringLiteral("<li><a href=\"%1\">%2</a></li>")
                    .arg(HelpView::address(game.id).toString(), game.title.toHtmlEscaped());
    HelpPage page{QString::fromLatin1(kContents), QString::fromUtf8(appinfo::kTitle), QStringLiteral("frmMainMenu"),
                  {}, {}};
    page.html = QStringLiteral(R"(
<p>%1 Choose a game on the main menu; each page here tells how it is played:</p>
<ul>%2</ul>
<p>The grey panel at the right stays beside every game and plays <a href="%3">music</a>.</p>

<h2>The main menu</h2>
<p>Press a game's button to play it. Each game's <b>Main Menu</b> button brings you back here, and
a game you leave is not kept. <b>Quit</b>, or File, Quit at any time, closes %4 at once.</p>

<h2>Keys</h2>
<ul>
<li>F1 opens the help for the screen on show.</li>
<li>Tab and Shift+Tab move between the controls; Space or Enter presses the one with the
focus.</li>
<li>Alt and the underlined letter of a button press it. Where a button of the screen and a menu
share a letter, the button has it; F10 opens the menus.</li>
<li>Ctrl+Plus and Ctrl+Minus make the games larger or smaller, and this window with them; Ctrl+0
goes back to 100 %. The size you choose is kept for the next time.</li>
<li>In this window, Tab moves between the list of pages and the links of a page, Enter follows a
link, Alt+Left goes back, and Esc closes the window.</li>
</ul>
)")
                    .arg(launch::summary(), list, HelpView::address(QString::fromLatin1(kMusic)).toString(),
                         QString::fromUtf8(appinfo::kTitle));
    return page;
}

HelpPage music()
{
    HelpPage page{QString::fromLatin1(kMusic), QStringLiteral("Music"), QStringLiteral("frmGrizzley"), {}, {}};
    page.html = QStringLiteral(R"(
<p>The grey panel at the right of the window is Grizzle's corner, and it plays music beside every
game. Six tunes come with %1.</p>
<ol>
<li>Choose a track, 1 to 6, under <i>Track #</i>.</li>
<li>Press <b>Play some music.</b>: the track plays from its beginning, once.</li>
</ol>
<p><b>Stop the music.</b> stops it. Choosing another track changes nothing until you press Play
again, and Play while music plays starts the chosen track afresh. The music goes on while you
change games.</p>
<p>Tab moves through Play, the six tracks and Stop; Space chooses the track with the focus.</p>
<p>Without a sound device, or without the music files, the buttons still work and all stays
quiet.</p>
)")
                    .arg(QString::fromUtf8(appinfo::kTitle));
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
