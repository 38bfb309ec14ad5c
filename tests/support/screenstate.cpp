// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/screenstate.h"

#include "support/screenreader.h"
#include "toolkit/twips.h"
#include "toolkit/widgets.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QAccessible>
#include <QGroupBox>
#include <QLabel>
#include <algorithm>

namespace screenstate {

namespace {

Control control(const QWidget& w, const QString& name)
{
    Control c;
    c.shown = w.isVisible();
    c.enabled = w.isEnabled();
    if (const auto* button = qobject_cast<const QAbstractButton*>(&w)) {
        c.text = button->text();
        c.checked = button->isChecked();
    } else if (const auto* label = qobject_cast<const QLabel*>(&w)) {
        c.text = label->text();
    } else if (const auto* slider = qobject_cast<const QAbstractSlider*>(&w)) {
        c.text = QString::number(slider->value());
    } else if (const auto* group = qobject_cast<const QGroupBox*>(&w)) {
        c.text = group->title();
    }
    if (const auto* box = qobject_cast<const PictureBox*>(&w)) {
        c.picture = box->picture().key();
        c.back = box->backColor();
    } else if (w.autoFillBackground()) {
        c.back = w.palette().color(w.backgroundRole());
    }
    c.name = name;
    if (const std::optional<twips::Rect> place = twips::placed(&w)) {
        c.left = place->left;
        c.top = place->top;
    }
    return c;
}

QString describe(const Control& c)
{
    return QStringLiteral("%1%2 \"%3\"%4%5%6 \"%7\" at %8,%9")
        .arg(c.shown ? "shown" : "hidden", c.enabled ? "" : " disabled", c.text,
             c.picture.isEmpty() ? QString() : QStringLiteral(" picture %1").arg(c.picture),
             c.back.isValid() ? QStringLiteral(" on %1").arg(c.back.name()) : QString(), c.checked ? " checked" : "", c.name)
        .arg(c.left)
        .arg(c.top);
}

// The announcer's voices (toolkit/announce.h): hidden controls that carry
// news for a screen reader beside whatever has the focus, made and moved as
// the focus goes; what a game shows is on its own controls.
bool seen(const QWidget& w)
{
    return !w.objectName().isEmpty() && w.objectName() != QLatin1String("announcement");
}

} // namespace

State read(const QWidget& screen)
{
    State state;
    state.insert_or_assign(screen.objectName(), control(screen, spokenName(const_cast<QWidget*>(&screen))));
    for (QWidget* w : screen.findChildren<QWidget*>())
        if (seen(*w))
            state.insert_or_assign(w->objectName(), control(*w, spokenName(w)));
    return state;
}

void Reader::read(const QWidget& screen, State& into)
{
    QList<QWidget*> found = screen.findChildren<QWidget*>();
    if (found == found_ && into.size() == named_.size()) {
        auto entry = into.begin();
        for (std::size_t i = 0; i < named_.size() && entry->first == named_[i]->objectName(); ++i, ++entry)
            entry->second = control(*named_[i], spokenName(accessible(i)));
        if (entry == into.end())
            return;
    }
    // the controls as they are now, in the order of their names
    into = screenstate::read(screen);
    found_ = std::move(found);
    named_ = {&screen};
    for (const QWidget* w : found_)
        if (seen(*w))
            named_.push_back(w);
    std::sort(named_.begin(), named_.end(),
              [](const QWidget* a, const QWidget* b) { return a->objectName() < b->objectName(); });
    ids_.assign(named_.size(), 0);
}

QAccessibleInterface* Reader::accessible(std::size_t i)
{
    // The one the control had, while it is still that control's; else the
    // control's as Qt finds it, which is the same one unless that one went.
    QAccessibleInterface* iface = QAccessible::accessibleInterface(ids_[i]);
    if (!iface || iface->object() != named_[i]) {
        iface = QAccessible::queryAccessibleInterface(const_cast<QWidget*>(named_[i]));
        ids_[i] = iface ? QAccessible::uniqueId(iface) : 0;
    }
    return iface;
}

QString diff(const State& expected, const State& actual)
{
    QString lines;
    const auto line = [&](const QString& name, const QString& want, const QString& have) {
        lines += QStringLiteral("  %1: expected %2, shows %3\n").arg(name, want, have);
    };
    // both in the order of their names, side by side (it runs after every event)
    auto want = expected.begin();
    auto have = actual.begin();
    while (want != expected.end() || have != actual.end()) {
        if (have == actual.end() || (want != expected.end() && want->first < have->first)) {
            line(want->first, describe(want->second), QStringLiteral("nothing"));
            ++want;
        } else if (want == expected.end() || have->first < want->first) {
            line(have->first, QStringLiteral("nothing"), describe(have->second));
            ++have;
        } else {
            if (!(want->second == have->second))
                line(want->first, describe(want->second), describe(have->second));
            ++want;
            ++have;
        }
    }
    return lines;
}

} // namespace screenstate
