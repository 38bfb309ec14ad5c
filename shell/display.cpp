// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/display.h"

#include "platform/appinfo.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <cstring>
#include <netdb.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace launch {

namespace {

// The option's value, as Qt reads it: "-display :1" or "--display :1".
QString optionValue(const QStringList& arguments, const QString& name)
{
    for (qsizetype i = 1; i + 1 < arguments.size(); ++i)
        if (arguments[i] == QLatin1Char('-') + name || arguments[i] == QLatin1String("--") + name)
            return arguments[i + 1];
    return {};
}

// Whether something listens on the socket, which is closed again at once.
bool answers(const sockaddr* address, socklen_t size, int family)
{
    const int socket = ::socket(family, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (socket < 0)
        return false;
    const bool reached = ::connect(socket, address, size) == 0;
    ::close(socket);
    return reached;
}

// A local socket by its path, or by its abstract name where `abstract`.
bool localAnswers(const QByteArray& path, bool abstract = false)
{
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const std::size_t offset = abstract ? 1 : 0;  // an abstract name starts with a zero byte
    if (offset + std::size_t(path.size()) >= sizeof address.sun_path)
        return false;
    std::memcpy(address.sun_path + offset, path.constData(), std::size_t(path.size()));
    const socklen_t size = socklen_t(offsetof(sockaddr_un, sun_path) + offset + std::size_t(path.size()) + (abstract ? 0 : 1));
    return answers(reinterpret_cast<const sockaddr*>(&address), size, AF_UNIX);
}

// Whether an X server takes connections for `display` ("[host]:number[.screen]"),
// as libxcb would connect: the local socket, by its abstract name first, or
// TCP port 6000 + number on the host.
bool canReachX(const QString& display)
{
    static const QRegularExpression form(QStringLiteral("^(?:unix/)?([^:]*):(\\d+)(?:\\.\\d+)?$"));
    const QRegularExpressionMatch parts = form.match(display);
    if (!parts.hasMatch())
        return false;
    const QString host = parts.captured(1);
    const int number = parts.captured(2).toInt();
    if (host.isEmpty() || host == QLatin1String("unix")) {
        const QByteArray path = "/tmp/.X11-unix/X" + QByteArray::number(number);
        return localAnswers(path, true) || localAnswers(path);
    }
    addrinfo hints{};
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* found = nullptr;
    if (getaddrinfo(host.toLocal8Bit().constData(), QByteArray::number(6000 + number).constData(), &hints, &found) != 0)
        return false;
    bool reached = false;
    for (const addrinfo* at = found; at && !reached; at = at->ai_next)
        reached = answers(at->ai_addr, at->ai_addrlen, at->ai_family);
    freeaddrinfo(found);
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
    return localAnswers(QFile::encodeName(path));
}

// Whether Qt has a platform plugin for `key` ("wayland", "offscreen", ...),
// looked for where Qt looks: the folder that -platformpluginpath or
// QT_QPA_PLATFORM_PLUGIN_PATH names, then platforms/ in its library paths.
// Qt's plugins are named after their key ("xcb": libqxcb.so), Wayland's
// after its kind of buffer.
bool hasPlatformPlugin(const QString& key, const QStringList& arguments)
{
    const QString file = key == QLatin1String("wayland") ? QStringLiteral("libqwayland-generic.so")
                                                          : QStringLiteral("libq%1.so").arg(key.toLower());
    QStringList folders{optionValue(arguments, QStringLiteral("platformpluginpath")),
                        qEnvironmentVariable("QT_QPA_PLATFORM_PLUGIN_PATH")};
    for (const QString& path : QCoreApplication::libraryPaths())
        folders << path + QStringLiteral("/platforms");
    for (const QString& folder : folders)
        if (!folder.isEmpty() && QFileInfo(QDir(folder).filePath(file)).isFile())
            return true;
    return false;
}

// The display a platform opens on, or empty where it needs none or has none.
QString displayFor(const QString& key, bool automatic, const QStringList& arguments)
{
    if (key.startsWith(QLatin1String("wayland"))) {
        const QString display = qEnvironmentVariable("WAYLAND_DISPLAY");
        // libwayland's own choice; unchosen, Wayland needs its variable
        return display.isEmpty() && !automatic ? QStringLiteral("wayland-0") : display;
    }
    if (key == QLatin1String("xcb")) {
        const QString display = optionValue(arguments, QStringLiteral("display"));
        return display.isEmpty() ? qEnvironmentVariable("DISPLAY") : display;
    }
    return {};
}

} // namespace

Display findDisplay(const QStringList& arguments)
{
    QString chosen = optionValue(arguments, QStringLiteral("platform"));
    if (chosen.isEmpty())
        chosen = qEnvironmentVariable("QT_QPA_PLATFORM");
    const bool automatic = chosen.isEmpty();
    const QStringList candidates = automatic ? QStringList{QStringLiteral("wayland"), QStringLiteral("xcb")}
                                             : chosen.split(QLatin1Char(';'), Qt::SkipEmptyParts);
    Display found;
    for (const QString& candidate : candidates) {
        // "offscreen:configfile=..." is the platform "offscreen" with an option
        const QString key = candidate.section(QLatin1Char(':'), 0, 0);
        const bool wayland = key.startsWith(QLatin1String("wayland"));
        const QString display = displayFor(key, automatic, arguments);
        if ((wayland || key == QLatin1String("xcb")) && display.isEmpty())
            continue;
        if (!display.isEmpty() && !(wayland ? canReachWayland(display) : canReachX(display)))
            found.unreachable << display;
        else if (!hasPlatformPlugin(key, arguments))
            found.missingPlugins.append({key, display});
        else
            return {candidate, {}, {}};
    }
    return found;
}

QString problem(const Display& display, const QString& program)
{
    const QString title = QString::fromUtf8(appinfo::kTitle);
    QStringList sentences;
    // what is missing first: the way out, with its command, ends the line
    for (const auto& [key, where] : display.missingPlugins)
        sentences << (key.startsWith(QLatin1String("wayland"))
                          ? QCoreApplication::translate(
                                "launch", "%1 cannot find Qt's Wayland plugin (qt6-wayland) for the display %2.")
                                .arg(title, where)
                          : QCoreApplication::translate("launch", "%1 cannot find Qt's platform plugin \"%2\".")
                                .arg(title, key));
    if (display.unreachable.size() == 1)
        sentences << QCoreApplication::translate("launch", "%1 cannot reach the display %2; without one, run it as: "
                                                           "xvfb-run -a %3")
                         .arg(title, display.unreachable.first(), program);
    else if (!display.unreachable.isEmpty())
        //: %2 lists the displays, such as ":1, wayland-0"
        sentences << QCoreApplication::translate("launch", "%1 cannot reach any of the displays %2; without one, run "
                                                           "it as: xvfb-run -a %3")
                         .arg(title, display.unreachable.join(QStringLiteral(", ")), program);
    if (sentences.isEmpty())
        return QCoreApplication::translate("launch", "%1 needs a display; without one, run it as: xvfb-run -a %2")
            .arg(title, program);
    return sentences.join(QLatin1Char(' '));
}

} // namespace launch
