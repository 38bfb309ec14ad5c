// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/launch.h"

#include "platform/appinfo.h"
#include "platform/datafolders.h"
#include "shell/games.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <vector>

namespace launch {

namespace {

// Qt's own options, which QApplication takes out of the arguments: those
// with a value, then the switches.
const char* const kQtOptionsWithValue[] = {
    "platform", "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry", "qwindowicon",
    "qwindowtitle", "session", "display", "geometry", "title", "icon", "name", "visual", "style",
    "stylesheet", "qmljsdebugger"};
const char* const kQtSwitches[] = {"reverse", "widgetcount", "testability", "nograb", "dograb", "sync"};

void describe(QCommandLineParser& parser)
{
    parser.setApplicationDescription(
        QStringLiteral("%1 %2: %3").arg(QString::fromUtf8(appinfo::kTitle), QString::fromUtf8(kVersion), summary()));
    // "-reverse" is one of Qt's options, not -r -e -v -e ...
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    // not addHelpOption: its --help-all lists Qt's options, which only
    // QCommandLineParser::process can print
    parser.addOption({{QStringLiteral("h"), QStringLiteral("help")},
                      QCoreApplication::translate("launch", "Displays this help.")});
    parser.addVersionOption();
    for (const char* name : kQtOptionsWithValue) {
        QCommandLineOption option(QString::fromLatin1(name), QString(), QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const char* name : kQtSwitches) {
        QCommandLineOption option(QString::fromLatin1(name));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
}

// The folders in the order the players look into them, the current one first.
QStringList searchOrder()
{
    return QStringList{QDir::currentPath()} + dataFolders();
}

// Where the players would find the first track, or empty.
QString musicFolder()
{
    for (const QString& folder : searchOrder())
        if (QFileInfo(QDir(folder).filePath(QStringLiteral("1.mid"))).isFile())
            return folder;
    return {};
}

} // namespace

QString summary()
{
    std::vector<const games::Game*> listed;
    for (const games::Game& game : games::kGames)
        listed.push_back(&game);
    std::sort(listed.begin(), listed.end(), [](const auto* a, const auto* b) { return a->listed < b->listed; });
    QString list;
    for (std::size_t i = 0; i < listed.size(); ++i) {
        const QString name = games::name(*listed[i]);
        if (i == 0)
            list = name;
        else if (i + 1 < listed.size())
            //: Games' names in a list, "War, Bingo": %1 is the list so far, %2 the next game.
            list = QCoreApplication::translate("launch", "%1, %2").arg(list, name);
        else
            //: The last game's name in a list, "War, Bingo and Fire & Ice".
            list = QCoreApplication::translate("launch", "%1 and %2").arg(list, name);
    }
    //: What the game is: %1 lists its games, "War, Bingo, Tic Tac Toe and Fire & Ice".
    return QCoreApplication::translate("launch", "%1 against Grizzle.").arg(list);
}

Request read(const QStringList& arguments)
{
    QCommandLineParser parser;
    describe(parser);
    Request request;
    if (!parser.parse(arguments))
        request.error = parser.errorText();
    else if (!parser.positionalArguments().isEmpty())
        request.error = QCoreApplication::translate("launch", "Unexpected argument '%1'.")
                            .arg(parser.positionalArguments().first());
    // --help and --version are answered whatever else stands beside them
    request.help = parser.isSet(QStringLiteral("help"));
    request.version = parser.isSet(QStringLiteral("version"));
    return request;
}

QString helpText()
{
    QCommandLineParser parser;
    describe(parser);
    QString text = parser.helpText();
    text += QStringLiteral("\n%1\n\n%2\n")
                .arg(QCoreApplication::translate(
                         "launch", "Qt's own options, such as -platform and -display, are understood too."),
                     QCoreApplication::translate(
                         "launch", "The music and the gunshot sound (1.mid to 6.mid, fire.wav) are looked for in:"));
    const QString found = musicFolder();
    for (const QString& folder : searchOrder()) {
        const QString line =
            folder == found ? QCoreApplication::translate("launch", "%1  (found here)").arg(folder) : folder;
        text += QStringLiteral("  %1\n").arg(line);
    }
    return text;
}

QString versionText()
{
    const QString found = musicFolder();
    return QStringLiteral("%1 %2\n%3\n")
        .arg(QString::fromUtf8(appinfo::kTitle), QString::fromUtf8(kVersion),
             found.isEmpty() ? QCoreApplication::translate("launch", "music and sound: not found (see --help)")
                             : QCoreApplication::translate("launch", "music and sound: %1").arg(found));
}

} // namespace launch
