// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/screenstate.h"

#include "support/screenreader.h"
#include "toolkit/twips.h"
#include "toolkit/widgets.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QGroupBox>
#include <QLabel>

namespace screenstate {

namespace {

Control control(const QWidget& w)
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
        if (box->backColor().isValid())
            c.back = box->backColor().name();
    } else if (w.autoFillBackground()) {
        c.back = w.palette().color(w.backgroundRole()).name();
    }
    c.name = spokenName(const_cast<QWidget*>(&w));
    if (twips::isPlaced(&w)) {
        c.left = twips::left(&w);
        c.top = twips::top(&w);
    }
    return c;
}

QString describe(const Control& c)
{
    return QStringLiteral("%1%2 \"%3\"%4%5%6 \"%7\" at %8,%9")
        .arg(c.shown ? "shown" : "hidden", c.enabled ? "" : " disabled", c.text,
             c.picture.isEmpty() ? QString() : QStringLiteral(" picture %1").arg(c.picture),
             c.back.isEmpty() ? QString() : QStringLiteral(" on %1").arg(c.back), c.checked ? " checked" : "", c.name)
        .arg(c.left)
        .arg(c.top);
}

} // namespace

State read(const QWidget& screen)
{
    State state;
    state[screen.objectName()] = control(screen);
    for (const QWidget* w : screen.findChildren<QWidget*>())
        if (!w->objectName().isEmpty())
            state[w->objectName()] = control(*w);
    return state;
}

QString diff(const State& expected, const State& actual)
{
    QString lines;
    const auto line = [&](const QString& name, const QString& want, const QString& have) {
        lines += QStringLiteral("  %1: expected %2, shows %3\n").arg(name, want, have);
    };
    for (const auto& [name, want] : expected) {
        const auto have = actual.find(name);
        if (have == actual.end())
            line(name, describe(want), QStringLiteral("nothing"));
        else if (!(have->second == want))
            line(name, describe(want), describe(have->second));
    }
    for (const auto& [name, have] : actual)
        if (!expected.count(name))
            line(name, QStringLiteral("nothing"), describe(have));
    return lines;
}

} // namespace screenstate
