// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/accessible.h"

#include "toolkit/form.h"
#include "toolkit/widgets.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QScrollBar>
#include <cmath>

namespace {

class FormAccessible : public QAccessibleWidget {
public:
    explicit FormAccessible(Form* form) : QAccessibleWidget(form) {}

    QAccessible::Role role() const override
    {
        auto* form = static_cast<Form*>(widget());
        return form->client() != form ? QAccessible::Dialog : QAccessible::Pane;
    }
};

const char* const kDecorative = "cardovia.decorative";
const char* const kSubject = "cardovia.subject";
const char* const kValueScale = "cardovia.valueScale";

QAccessible::State withDecoration(const QWidget* control, QAccessible::State state)
{
    // An invisible object is one a reader neither reads nor walks to.
    if (control->property(kDecorative).toBool())
        state.invisible = true;
    return state;
}

class LabelAccessible : public QAccessibleWidget {
public:
    explicit LabelAccessible(Label* label) : QAccessibleWidget(label) {}

    QAccessible::Role role() const override
    {
        // One that takes the focus is pressed from the keyboard: a cell of the card.
        return widget()->focusPolicy() & Qt::TabFocus ? QAccessible::Button : QAccessible::StaticText;
    }

    QAccessible::State state() const override
    {
        return withDecoration(widget(), QAccessibleWidget::state());
    }

    QString text(QAccessible::Text t) const override
    {
        if (t != QAccessible::Name || !widget()->accessibleName().isEmpty())
            return QAccessibleWidget::text(t);
        const QString shown = static_cast<Label*>(widget())->text();
        const QString subject = widget()->property(kSubject).toString();
        return subject.isEmpty() ? shown : QStringLiteral("%1: %2").arg(subject, shown);
    }
};

class PictureBoxAccessible : public QAccessibleWidget {
public:
    explicit PictureBoxAccessible(PictureBox* box) : QAccessibleWidget(box) {}

    QAccessible::Role role() const override
    {
        // One that takes the focus and does something is there to be
        // pressed, like the piles; a card in play is only looked at; one with
        // controls in it is their group, which a reader names on the way in.
        const auto* box = static_cast<PictureBox*>(widget());
        if (!box->findChildren<QWidget*>(Qt::FindDirectChildrenOnly).isEmpty())
            return QAccessible::Grouping;
        return box->focusPolicy() & Qt::TabFocus && box->pressable() ? QAccessible::Button : QAccessible::Graphic;
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            return static_cast<PictureBox*>(widget())->picture().description();
        return QAccessibleWidget::text(t);
    }
};

// The value of a scroll bar in the player's unit.
class ScaledBarAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    ScaledBarAccessible(QScrollBar* bar, double scale)
        : QAccessibleWidget(bar, QAccessible::ScrollBar), scale_(scale)
    {
    }

    void* interface_cast(QAccessible::InterfaceType t) override
    {
        if (t == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface*>(this);
        return QAccessibleWidget::interface_cast(t);
    }

    QVariant currentValue() const override { return bar()->value() * scale_; }
    void setCurrentValue(const QVariant& value) override { bar()->setValue(int(std::lround(value.toDouble() / scale_))); }
    QVariant maximumValue() const override { return bar()->maximum() * scale_; }
    QVariant minimumValue() const override { return bar()->minimum() * scale_; }
    QVariant minimumStepSize() const override { return bar()->singleStep() * scale_; }

private:
    QScrollBar* bar() const { return static_cast<QScrollBar*>(widget()); }
    double scale_;
};

QAccessibleInterface* factory(const QString& className, QObject* object)
{
    if (className == QLatin1String("QScrollBar") && object->property(kValueScale).isValid())
        return new ScaledBarAccessible(static_cast<QScrollBar*>(object), object->property(kValueScale).toDouble());
    if (className == QLatin1String("Form"))
        return new FormAccessible(static_cast<Form*>(object));
    if (className == QLatin1String("Label"))
        return new LabelAccessible(static_cast<Label*>(object));
    if (className == QLatin1String("PictureBox"))
        return new PictureBoxAccessible(static_cast<PictureBox*>(object));
    return nullptr;
}

} // namespace

namespace accessible {

void install()
{
    static const bool installed = (QAccessible::installFactory(factory), true);
    Q_UNUSED(installed);
}

void setName(QWidget* control, const QString& name)
{
    // Qt announces every assignment of a name, changed or not.
    if (control->accessibleName() != name)
        control->setAccessibleName(name);
}

void setDecorative(QWidget* control)
{
    control->setProperty(kDecorative, true);
}

void setSubject(QWidget* label, const QString& subject)
{
    label->setProperty(kSubject, subject);
    nameChanged(label);
}

void setValueScale(QWidget* scrollBar, double scale)
{
    scrollBar->setProperty(kValueScale, scale);
}

QString name(QObject* object)
{
    const QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(object);
    return iface ? iface->text(QAccessible::Name) : QString();
}

void nameChanged(QObject* object)
{
    QAccessibleEvent event(object, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&event);
}

} // namespace accessible
