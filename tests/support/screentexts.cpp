// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/screentexts.h"

#include "toolkit/fit.h"
#include "toolkit/twips.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QGroupBox>
#include <QKeySequence>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QTextBrowser>
#include <algorithm>
#include <map>

namespace screentexts {

QString line(const QString& where, const char* kind, const QString& text)
{
    QString escaped = text;
    escaped.replace(u'\\', QLatin1String("\\\\")).replace(u'\n', QLatin1String("\\n")).replace(u'\t', QLatin1String("\\t"));
    return where + u'\t' + QLatin1String(kind) + u'\t' + escaped;
}

QString text(const QString& line)
{
    const QString escaped = line.section(u'\t', 2);
    QString out;
    for (qsizetype i = 0; i < escaped.size(); ++i) {
        QChar c = escaped[i];
        if (c == u'\\' && i + 1 < escaped.size()) {
            c = escaped[++i];
            c = c == u'n' ? QChar(u'\n') : c == u't' ? QChar(u'\t') : c;
        }
        out += c;
    }
    return out;
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

namespace {

// A control's caption, where an access key can stand.
QString caption(const QWidget* w)
{
    if (const auto* button = qobject_cast<const QAbstractButton*>(w))
        return button->text();
    if (const auto* group = qobject_cast<const QGroupBox*>(w))
        return group->title();
    if (const auto* label = qobject_cast<const QLabel*>(w); label && label->buddy())
        return label->text();
    return {};
}

QString named(const QString& name, const QString& text)
{
    return QStringLiteral("%1 \"%2\"").arg(name, text);
}

// Two items of one menu that share a key, in it and in its submenus.
void menuClashes(const QMenu& menu, QStringList& out)
{
    std::map<QKeySequence, QString> keys;
    for (const QAction* item : menu.actions()) {
        if (item->menu())
            menuClashes(*item->menu(), out);
        const QKeySequence key = QKeySequence::mnemonic(item->text());
        if (!item->isVisible() || key.isEmpty())
            continue;
        if (const auto [at, added] = keys.emplace(key, item->text()); !added)
            out << QStringLiteral("%1: \"%2\" and \"%3\" share %4")
                       .arg(menu.objectName(), at->second, item->text(), key.toString());
    }
}

} // namespace

QStringList sharedAccessKeys(const Shared& shared)
{
    QStringList out;
    for (const QWidget* window : QApplication::topLevelWidgets()) {
        if (!window->isVisible())
            continue;
        std::multimap<QKeySequence, QString> keys;
        std::vector<std::pair<QKeySequence, const QWidget*>> controls;
        for (const QWidget* w : window->findChildren<QWidget*>()) {
            const QKeySequence key = QKeySequence::mnemonic(caption(w));
            if (w->window() == window && w->isVisible() && w->isEnabled() && !key.isEmpty()) {
                controls.emplace_back(key, w);
                keys.emplace(key, named(w->objectName(), caption(w)));
            }
        }
        if (const QMenuBar* bar = window->findChild<QMenuBar*>()) {
            for (const QAction* title : bar->actions()) {
                const QKeySequence key = QKeySequence::mnemonic(title->text());
                if (!title->isVisible() || key.isEmpty())
                    continue;
                if (title->menu())
                    menuClashes(*title->menu(), out);
                if (std::none_of(controls.begin(), controls.end(),
                                 [&](const auto& c) { return c.first == key && shared(c.second, title); }))
                    keys.emplace(key, named(QStringLiteral("menu"), title->text()));
            }
        }
        for (auto at = keys.begin(); at != keys.end(); at = keys.upper_bound(at->first)) {
            QStringList sharing;
            for (auto [from, to] = keys.equal_range(at->first); from != to; ++from)
                sharing << from->second;
            if (sharing.size() > 1)
                out << QStringLiteral("%1: %2 share %3")
                           .arg(window->objectName(), sharing.join(QLatin1String(" and ")), at->first.toString());
        }
    }
    return out;
}

} // namespace screentexts
