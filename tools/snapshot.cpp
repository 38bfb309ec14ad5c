// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Starts the game, presses controls by their accessible names and saves a
// PNG of the screen. Run it on a display, usually through tools/screenshot.sh.
//
//   cardovia-shot OUT.png [STEP...]
//
// A STEP is the name of a control to click: what a screen reader calls it (a
// caption without "&", a label's text, a picture's name) or its control
// name. "key:KEYS" presses keys where the focus is ("key:Tab", "key:Space",
// "key:Alt+F", "key:Ctrl++" to zoom in), "wait:MS" lets the game run for a
// while, "window:WxH" resizes the frame as a player dragging its edge would,
// "window:max" maximises it, and "shot:FILE.png" saves an extra picture on
// the way. Controls are looked
// for in every window, so the OK of a message box can be pressed too.

#include "platform/desktopplatform.h"
#include "shell/cardovia.h"
#include "shell/frmmain.h"
#include "shell/frmmainmenu.h"

#include <QAccessible>
#include <QApplication>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <cstdio>

namespace {

QWidget* findControl(const QString& name)
{
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (!top->isVisible())
            continue;
        const QList<QWidget*> all = top->findChildren<QWidget*>();
        for (QWidget* w : all) {
            if (!w->isVisible() || !w->isEnabled())
                continue;
            const QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(w);
            if (w->objectName() == name || (spoken && spoken->text(QAccessible::Name) == name))
                return w;
        }
    }
    return nullptr;
}

void save(const QString& file)
{
    const QPixmap shot = QGuiApplication::primaryScreen()->grabWindow(0);
    if (!shot.save(file))
        std::fprintf(stderr, "cardovia-shot: cannot write %s\n", qPrintable(file));
}

} // namespace

int main(int argc, char** argv)
{
    // Settings of its own, so every run starts as a first run does (at
    // 100 %) and the player's remembered zoom stays as it is.
    const QTemporaryDir settings;
    qputenv("XDG_CONFIG_HOME", settings.path().toLocal8Bit());
    QApplication application(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: cardovia-shot OUT.png [STEP...]\n");
        return 2;
    }
    const QString out = QString::fromLocal8Bit(argv[1]);
    QStringList steps;
    for (int i = 2; i < argc; ++i)
        steps << QString::fromLocal8Bit(argv[i]);

    DesktopPlatform platform;
    Cardovia app(platform);
    platform.setMessageParent(&app.main());
    app.start();

    int failures = 0;
    // Steps run from timers, so they go on while a modal message box is open.
    std::function<void()> next = [&]() {
        if (steps.isEmpty()) {
            save(out);
            QApplication::exit(failures ? 1 : 0);
            return;
        }
        const QString step = steps.takeFirst();
        int pause = 700;
        if (step.startsWith(QLatin1String("wait:"))) {
            pause = step.mid(5).toInt();
        } else if (step == QLatin1String("window:max")) {
            app.main().showMaximized();
            // Without a window manager nobody answers the request: the frame
            // then takes the screen itself, as one would give it.
            if (QGuiApplication::platformName() == QLatin1String("xcb"))
                QTimer::singleShot(200, [&] {
                    if (app.main().geometry() != app.main().screen()->availableGeometry())
                        app.main().setGeometry(app.main().screen()->availableGeometry());
                });
        } else if (step.startsWith(QLatin1String("window:"))) {
            const QStringList size = step.mid(7).split(QLatin1Char('x'));
            if (size.size() != 2 || size[0].toInt() <= 0 || size[1].toInt() <= 0) {
                std::fprintf(stderr, "cardovia-shot: no size in '%s'\n", qPrintable(step));
                ++failures;
            } else {
                app.main().resize(size[0].toInt(), size[1].toInt());
            }
        } else if (step.startsWith(QLatin1String("shot:"))) {
            save(step.mid(5));
            pause = 0;
        } else if (step.startsWith(QLatin1String("key:"))) {
            const QKeySequence keys = QKeySequence::fromString(step.mid(4));
            if (keys.isEmpty()) {
                std::fprintf(stderr, "cardovia-shot: no keys in '%s'\n", qPrintable(step));
                ++failures;
            } else {
                // Due before the keys, which may open a modal message box.
                QTimer::singleShot(pause, next);
                // no widget: the keys go where the focus is
                for (int i = 0; i < keys.count(); ++i)
                    QTest::keyClick(static_cast<QWidget*>(nullptr), keys[i].key(), keys[i].keyboardModifiers());
                return;
            }
        } else if (QWidget* w = findControl(step)) {
            // Due before the click, which does not return while a modal box it opens is up.
            QTimer::singleShot(pause, next);
            QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center());
            return;
        } else {
            std::fprintf(stderr, "cardovia-shot: no visible, enabled control named '%s'\n", qPrintable(step));
            ++failures;
        }
        QTimer::singleShot(pause, next);
    };
    // The first step waits until start-up has put up the menu.
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&]() {
        const frmMainMenu* menu = app.existing<frmMainMenu>();
        if (menu && menu->isVisible()) {
            poll.stop();
            // Xvfb has no window manager to give the frame the keyboard.
            app.main().activateWindow();
            QTimer::singleShot(300, next);
        }
    });
    poll.start(50);
    return QApplication::exec();
}
