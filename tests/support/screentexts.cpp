// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/screentexts.h"

#include "toolkit/fit.h"
#include "toolkit/twips.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QTextBrowser>

namespace screentexts {

QString line(const QString& where, const char* kind, const QString& text)
{
    QString escaped = text;
    escaped.replace(u'\\', QLatin1String("\\\\")).replace(u'\n', QLatin1String("\\n")).replace(u'\t', QLatin1String("\\t"));
    return where + u'\t' + QLatin1String(kind) + u'\t' + escaped;
}

namespace {

void add(QStringList& out, const QWidget* w, const char* kind, const QString& text)
{
    if (!text.trimmed().isEmpty())
        out << line(w->objectName(), kind, text);
}

void addMenu(QStringList& out, const QWidget* owner, const QList<QAction*>& actions)
{
    for (const QAction* action : actions) {
        add(out, owner, "menu", action->text());
        if (action->menu())
            addMenu(out, owner, action->menu()->actions());
    }
}

// The visible windows and what they hold that shows.
template <class Visit>
void eachShown(Visit visit)
{
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (!top->isVisible())
            continue;
        visit(top);
        for (QWidget* w : top->findChildren<QWidget*>())
            if (w->isVisible())
                visit(w);
    }
}

} // namespace

QStringList read()
{
    QStringList out;
    eachShown([&](QWidget* w) {
        add(out, w, "title", w->windowTitle());
        if (const auto* label = qobject_cast<QLabel*>(w))
            add(out, w, "text", label->text());
        else if (const auto* button = qobject_cast<QAbstractButton*>(w))
            add(out, w, "text", button->text());
        else if (const auto* group = qobject_cast<QGroupBox*>(w))
            add(out, w, "text", group->title());
        else if (const auto* list = qobject_cast<QListWidget*>(w))
            for (int i = 0; i < list->count(); ++i)
                add(out, w, "row", list->item(i)->text());
        else if (const auto* page = qobject_cast<QTextBrowser*>(w))
            for (const QString& paragraph : page->toPlainText().split(u'\n'))
                add(out, w, "page", paragraph);
        else if (const auto* bar = qobject_cast<QMenuBar*>(w))
            addMenu(out, w, bar->actions());
        if (QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(w)) {
            add(out, w, "name", reader->text(QAccessible::Name));
            add(out, w, "description", reader->text(QAccessible::Description));
        }
    });
    return out;
}

QStringList cutOff()
{
    QStringList out;
    // a window made smaller than the screens were drawn for may cut off
    if (twips::zoom() < 1.0)
        return out;
    eachShown([&](QWidget* w) {
        if (!fit::fits(w))
            add(out, w, "cut off", fit::caption(w));
    });
    return out;
}

} // namespace screentexts
