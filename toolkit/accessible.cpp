// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/accessible.h"

#include "toolkit/form.h"
#include "toolkit/widgets.h"

#include <QAccessible>
#include <QAccessibleWidget>

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

class PictureBoxAccessible : public QAccessibleWidget {
public:
    explicit PictureBoxAccessible(PictureBox* box) : QAccessibleWidget(box) {}

    QAccessible::Role role() const override
    {
        // One that takes the focus is there to be pressed, like the piles and cells.
        return widget()->focusPolicy() & Qt::TabFocus ? QAccessible::Button : QAccessible::Graphic;
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            return static_cast<PictureBox*>(widget())->picture().description();
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface* factory(const QString& className, QObject* object)
{
    if (className == QLatin1String("Form"))
        return new FormAccessible(static_cast<Form*>(object));
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

void nameChanged(QObject* object)
{
    QAccessibleEvent event(object, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&event);
}

} // namespace accessible
