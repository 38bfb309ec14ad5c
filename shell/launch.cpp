// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/launch.h"

#include "platform/appinfo.h"
#include "platform/datafolders.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonObject>
#include <QPluginLoader>
#include <cstring>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#include <xcb/xcb.h>

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

bool canReachX(const QString& display)
{
    xcb_connection_t* connection = xcb_connect(display.toLocal8Bit().constData(), nullptr);
    const bool reached = xcb_connection_has_error(connection) == 0;
    xcb_disconnect(connection);
    return reached;
}

// Whether a compositor takes connections on the Wayland display: a socket
// named by an absolute path, or in XDG_RUNTIME_DIR, as libwayland finds it.
bool canReachWayland(const QString& display)
{
    QString path = display;
    if (!QDir::isAbsolutePath(path)) {
        const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
        if (runtime.isEmpty())
            return false;
        path = runtime + QLatin1Char('/') + display;
    }
    const QByteArray file = QFile::encodeName(path);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (std::size_t(file.size()) >= sizeof address.sun_path)
        return false;
    std::memcpy(address.sun_path, file.constData(), std::size_t(file.size()));
    const int socket = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (socket < 0)
        return false;
    const bool reached = ::connect(socket, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    ::close(socket);
    return reached;
}

// Whether Qt has a platform plugin for `key` ("wayland", "offscreen", ...),
// looked for where Qt looks: the folder that -platformpluginpath or
// QT_QPA_PLATFORM_PLUGIN_PATH names, then platforms/ in its library paths.
// The plugins' metadata is read without loading them.
bool hasPlatformPlugin(const QString& key, const QStringList& arguments)
{
    QStringList folders{optionValue(arguments, QStringLiteral("platformpluginpath")),
                        qEnvironmentVariable("QT_QPA_PLATFORM_PLUGIN_PATH")};
    for (const QString& path : QCoreApplication::libraryPaths())
        folders << path + QStringLiteral("/platforms");
    for (const QString& folder : folders) {
        if (folder.isEmpty())
            continue;
        for (const QFileInfo& file : QDir(folder).entryInfoList(QDir::Files)) {
            const QJsonObject metaData = QPluginLoader(file.filePath()).metaData();
            for (const QJsonValue name : metaData.value(QStringLiteral("MetaData"))[QStringLiteral("Keys")].toArray())
                if (name.toString().compare(key, Qt::CaseInsensitive) == 0)
                    return true;
        }
    }
    return false;
}

} // namespace

QString summary()
{
    return QCoreApplication::translate("launch", "War, Bingo, Tic Tac Toe and Fire & Ice against Grizzle.");
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
                         "launch", "The music and the fire sound (1.mid to 6.mid, fire.wav) are looked for in:"));
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

Display findDisplay(const QStringList& arguments)
{
    QString chosen = optionValue(arguments, QStringLiteral("platform"));
    if (chosen.isEmpty())
        chosen = qEnvironmentVariable("QT_QPA_PLATFORM");
    const bool automatic = chosen.isEmpty();
    const QStringList candidates = automatic ? QStringList{QStringLiteral("wayland"), QStringLiteral("xcb")}
                                             : chosen.split(QLatin1Char(';'), Qt::SkipEmptyParts);
    QStringList unreachable;
    QStringList reasons;
    for (const QString& candidate : candidates) {
        // "offscreen:configfile=..." is the platform "offscreen" with an option
        const QString key = candidate.section(QLatin1Char(':'), 0, 0);
        const bool wayland = key.startsWith(QLatin1String("wayland"));
        QString display;
        if (wayland) {
            display = qEnvironmentVariable("WAYLAND_DISPLAY");
            // libwayland's own choice; unchosen, Wayland needs its variable
            if (display.isEmpty() && !automatic)
                display = QStringLiteral("wayland-0");
        } else if (key == QLatin1String("xcb")) {
            display = optionValue(arguments, QStringLiteral("display"));
            if (display.isEmpty())
                display = qEnvironmentVariable("DISPLAY");
        }
        if ((wayland || key == QLatin1String("xcb")) && display.isEmpty())
            continue;
        if (!display.isEmpty() && !(wayland ? canReachWayland(display) : canReachX(display)))
            unreachable << display;
        else if (!hasPlatformPlugin(key, arguments))
            //: one of the things the game "cannot" do, put into "%1 cannot %2."
            reasons << (wayland ? QCoreApplication::translate(
                                      "launch", "find Qt's Wayland plugin (qt6-wayland) for the display %1")
                                      .arg(display)
                                //: one of the things the game "cannot" do, put into "%1 cannot %2."
                                : QCoreApplication::translate("launch", "find Qt's platform plugin \"%1\"").arg(key));
        else
            return {candidate, {}};
    }
    if (!unreachable.isEmpty())
        //: one of the things the game "cannot" do; %1 is one display, or several joined by " or "
        reasons.prepend(QCoreApplication::translate("launch", "reach the display %1")
                            .arg(unreachable.join(QCoreApplication::translate("launch", " or "))));
    const QString title = QString::fromUtf8(appinfo::kTitle);
    const QString program = programName(arguments);
    if (reasons.isEmpty())
        return {{}, QCoreApplication::translate("launch", "%1 needs a display; without one, run it as: xvfb-run -a %2")
                        .arg(title, program)};
    //: between two things the game cannot do: "reach the display :1, nor find Qt's platform plugin"
    const QString all = reasons.join(QCoreApplication::translate("launch", ", nor "));
    // a plugin missing is no matter of a display
    const QString problem =
        unreachable.isEmpty()
            //: %2 is one or more things the game cannot do, such as: find Qt's platform plugin "xcb"
            ? QCoreApplication::translate("launch", "%1 cannot %2.").arg(title, all)
            //: %2 is one or more things the game cannot do, such as: reach the display :1
            : QCoreApplication::translate("launch", "%1 cannot %2; without one, run it as: xvfb-run -a %3")
                  .arg(title, all, program);
    return {{}, problem};
}

} // namespace launch
