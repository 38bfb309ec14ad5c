// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/screenreader.h"

#include "toolkit/announce.h"

#include <QAccessible>
#include <QApplication>
#include <QRegularExpression>
#include <QPointer>
#include <QSet>
#include <QTest>
#include <QWidget>

namespace {

void walk(QAccessibleInterface* iface, const std::function<void(QAccessibleInterface*)>& visit)
{
    visit(iface);
    for (int i = 0; i < iface->childCount(); ++i)
        if (QAccessibleInterface* child = iface->child(i))
            walk(child, visit);
}

} // namespace

QString spokenName(QObject* object)
{
    return spokenName(QAccessible::queryAccessibleInterface(object));
}

QString spokenName(const QAccessibleInterface* iface)
{
    return iface ? iface->text(QAccessible::Name) : QStringLiteral("<no interface>");
}

namespace {

// What the focus went to last as a reader sees it; a reader reads it after the turn.
QPointer<QObject> lastFocus;
bool focusMoved = false;
QMetaObject::Connection focusChanges;

void focusOn(QObject* object)
{
    lastFocus = object;
    focusMoved = true;
}

} // namespace

// Qt sends a reader nothing on a platform without one: the focus moves and
// the news are followed where they start.
Listener::Listener()
{
    focusMoved = false;
    announce::setListener(focusOn);
    focusChanges = QObject::connect(qApp, &QApplication::focusChanged, qApp, [](QWidget*, QWidget* now) {
        if (now)
            focusOn(now);
    });
}

Listener::~Listener()
{
    announce::setListener({});
    QObject::disconnect(focusChanges);
}

QString Listener::heard()
{
    // the news of a turn goes out when it ends
    QCoreApplication::processEvents();
    if (!std::exchange(focusMoved, false) || !lastFocus)
        return {};
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(lastFocus);
    const QString description = iface->text(QAccessible::Description);
    return description.isEmpty() ? iface->text(QAccessible::Name)
                                 : QStringLiteral("%1. %2").arg(iface->text(QAccessible::Name), description);
}

bool inOrder(const QString& said, const QStringList& parts)
{
    qsizetype at = 0;
    for (const QString& part : parts) {
        at = said.indexOf(part, at);
        if (at < 0)
            return false;
        at += part.size();
    }
    return true;
}

QStringList spokenTree(QObject* root)
{
    QStringList lines;
    walk(QAccessible::queryAccessibleInterface(root), [&](QAccessibleInterface* iface) {
        lines << QStringLiteral("%1: %2").arg(int(iface->role())).arg(iface->text(QAccessible::Name));
    });
    return lines;
}

QStringList namedByIdentifiers(QObject* root)
{
    QSet<QString> identifiers;
    for (const QObject* o : root->findChildren<QObject*>())
        if (!o->objectName().isEmpty())
            identifiers << o->objectName();
    identifiers << root->objectName();
    // the control names: a kind prefix or a toolkit default, maybe with an index
    static const QRegularExpression looksLikeOne(
        QStringLiteral("^((frm|Frm|cm|cmd|lbl|pic|img|opt|scr|fra|mnu|tmr)[A-Z]\\w*|Optcard|"
                       "(Label|Picture|Command|Image|Option|Shape|Line|Frame|Form)\\d+)(\\(\\d+\\))?$"));
    QStringList found;
    walk(QAccessible::queryAccessibleInterface(root), [&](QAccessibleInterface* iface) {
        const QString name = iface->text(QAccessible::Name);
        if (identifiers.contains(name) || looksLikeOne.match(name).hasMatch())
            found << QStringLiteral("%1 named \"%2\"").arg(iface->object() ? iface->object()->objectName() : QString(),
                                                           name);
    });
    return found;
}

void press(int key, Qt::KeyboardModifiers modifiers)
{
    // no widget: QTest sends the key where the focus is
    QTest::keyClick(static_cast<QWidget*>(nullptr), Qt::Key(key), modifiers);
}

void doubleClick(QWidget* widget)
{
    QWidget* window = widget->window();
    QTest::mouseDClick(window->windowHandle(), Qt::LeftButton, Qt::NoModifier,
                       widget->mapTo(window, widget->rect().center()));
}

QWidget* focused()
{
    return QApplication::focusWidget();
}

bool activate(QWidget* window)
{
    window->activateWindow();
    return QTest::qWaitForWindowActive(window);
}
