// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/launch.h"

#include "platform/appinfo.h"
#include "platform/datafolders.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <xcb/xcb.h>

namespace launch {

namespace {

void describe(QCommandLineParser& parser)
{
    parser.setApplicationDescription(
        QStringLiteral("%1 %2: %3").arg(QString::fromUtf8(appinfo::kTitle), QString::fromUtf8(kVersion), summary()));
    // "-reverse" is one of Qt's options, not -r -e -v -e ...
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    // not addHelpOption: its --help-all lists Qt's options, which only
    // QCommandLineParser::process can print
    parser.addOption({{QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Displays this help.")});
    parser.addVersionOption();
}

QString programName(const QStringList& arguments)
{
    return arguments.isEmpty() ? QStringLiteral("cardovia") : arguments.first();
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

// The option's value, as Qt reads it: "-display :1" or "--display :1".
QString optionValue(const QStringList& arguments, const QString& name)
{
    for (qsizetype i = 1; i + 1 < arguments.size(); ++i)
        if (arguments[i] == QLatin1Char('-') + name || arguments[i] == QLatin1String("--") + name)
            return arguments[i + 1];
    return {};
}

bool canReach(const QString& display)
{
    xcb_connection_t* connection = xcb_connect(display.toLocal8Bit().constData(), nullptr);
    const bool reached = xcb_connection_has_error(connection) == 0;
    xcb_disconnect(connection);
    return reached;
}

} // namespace

QString summary()
{
    return QStringLiteral("War, Bingo, Tic Tac Toe and Fire & Ice against Grizzle.");
}

Request read(const QStringList& arguments)
{
    QCommandLineParser parser;
    describe(parser);
    Request request;
    if (!parser.parse(arguments))
        request.error = parser.errorText();
    else if (!parser.positionalArguments().isEmpty())
        request.error = QStringLiteral("Unexpected argument '%1'.").arg(parser.positionalArguments().first());
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
    text += QStringLiteral("\nQt's own options, such as -platform and -display, are understood too.\n"
                           "\nThe music and the fire sound (1.mid to 6.mid, fire.wav) are looked for in:\n");
    const QString found = musicFolder();
    for (const QString& folder : searchOrder())
        text += QStringLiteral("  %1%2\n").arg(folder, folder == found ? QStringLiteral("  (found here)") : QString());
    return text;
}

QString versionText()
{
    const QString found = musicFolder();
    return QStringLiteral("%1 %2\nmusic and sound: %3\n")
        .arg(QString::fromUtf8(appinfo::kTitle), QString::fromUtf8(kVersion),
             found.isEmpty() ? QStringLiteral("not found (see --help)") : found);
}

QString displayProblem(const QStringList& arguments)
{
    if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")
        || !optionValue(arguments, QStringLiteral("platform")).isEmpty())
        return {};
    QString display = optionValue(arguments, QStringLiteral("display"));
    if (display.isEmpty())
        display = qEnvironmentVariable("DISPLAY");
    const QString xvfb = QStringLiteral("without one, run it as: xvfb-run -a %1").arg(programName(arguments));
    if (display.isEmpty())
        return QStringLiteral("%1 needs a display; %2").arg(QString::fromUtf8(appinfo::kTitle), xvfb);
    // Qt would abort with a page of plugin advice; the player needs one line
    if (!canReach(display))
        return QStringLiteral("%1 cannot reach the display %2; %3").arg(QString::fromUtf8(appinfo::kTitle), display, xvfb);
    return {};
}

} // namespace launch
