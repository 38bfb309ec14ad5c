// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/accessible.h"

#include "toolkit/controls.h"
#include "toolkit/form.h"
#include "toolkit/widgets.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
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
        // Orca lists a panel's labels by name whatever their state says, so a
        // shadow's copy of a title is only left out when it has none.
        if (t == QAccessible::Name && widget()->property(kDecorative).toBool())
            return {};
        if (t != QAccessible::Name || !widget()->accessibleName().isEmpty())
            return QAccessibleWidget::text(t);
        const QString shown = static_cast<Label*>(widget())->text();
        const QString subject = widget()->property(kSubject).toString();
        if (subject.isEmpty())
            return shown;
        //: a label read aloud: what it tells of, then what it shows ("Your score: 12")
        return QCoreApplication::translate("accessible", "%1: %2").arg(subject, shown);
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

// A title on the menu bar. Qt reads it as a menu item, which Orca speaks as
// its bare caption, "File."; as a menu it is heard as one: "File menu."
class MenuTitleAccessible : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    MenuTitleAccessible(QMenuBar* bar, QAction* action) : bar_(bar), action_(action) {}

    bool isValid() const override { return bar_ && action_; }
    QObject* object() const override { return action_; }
    QWindow* window() const override { return bar_->window()->windowHandle(); }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(bar_); }
    QAccessibleInterface* child(int index) const override
    {
        return index == 0 && action_->menu() ? QAccessible::queryAccessibleInterface(action_->menu()) : nullptr;
    }
    int childCount() const override { return action_->menu() ? 1 : 0; }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        return child && action_->menu() && child->object() == action_->menu() ? 0 : -1;
    }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessible::Role role() const override { return QAccessible::PopupMenu; }

    QAccessible::State state() const override
    {
        QAccessible::State state;
        state.focusable = true;
        state.hasPopup = true;
        state.disabled = !action_->isEnabled();
        state.invisible = !action_->isVisible();
        state.focused = bar_->activeAction() == action_;
        state.expanded = action_->menu() && action_->menu()->isVisible();
        state.collapsed = !state.expanded;
        return state;
    }

    QRect rect() const override
    {
        const QRect shown = bar_->actionGeometry(action_);
        return QRect(bar_->mapToGlobal(shown.topLeft()), shown.size());
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return controls::plainCaption(action_->text());
        if (t == QAccessible::Accelerator)
            return QKeySequence::mnemonic(action_->text()).toString(QKeySequence::NativeText);
        return {};
    }
    void setText(QAccessible::Text, const QString&) override {}

    void* interface_cast(QAccessible::InterfaceType t) override
    {
        return t == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this) : nullptr;
    }
    QStringList actionNames() const override { return {showMenuAction()}; }
    void doAction(const QString& name) override
    {
        if (name == showMenuAction() || name == pressAction())
            bar_->setActiveAction(action_);
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    QPointer<QMenuBar> bar_;
    QPointer<QAction> action_;
};

// The menu bar, whose children are its titles. (Qt's own finds a title only
// where it is a menu item.)
class MenuBarAccessible : public QAccessibleWidget {
public:
    explicit MenuBarAccessible(QMenuBar* bar) : QAccessibleWidget(bar, QAccessible::MenuBar) {}

    int childCount() const override { return int(widget()->actions().size()); }
    QAccessibleInterface* child(int index) const override
    {
        const QList<QAction*> titles = widget()->actions();
        return index >= 0 && index < titles.size() ? QAccessible::queryAccessibleInterface(titles[index]) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        return child ? int(widget()->actions().indexOf(qobject_cast<QAction*>(child->object()))) : -1;
    }
};

} // namespace

namespace accessible {

QAccessibleInterface* factory(const QString& className, QObject* object)
{
    if (className == QLatin1String("QScrollBar") && object->property(kValueScale).isValid())
        return new ScaledBarAccessible(static_cast<QScrollBar*>(object), object->property(kValueScale).toDouble());
    if (className == QLatin1String("QAction")) {
        auto* action = static_cast<QAction*>(object);
        for (QObject* shownOn : action->associatedObjects())
            if (auto* bar = qobject_cast<QMenuBar*>(shownOn))
                return new MenuTitleAccessible(bar, action);
        return nullptr;
    }
    if (className == QLatin1String("QMenuBar"))
        return new MenuBarAccessible(static_cast<QMenuBar*>(object));
    if (className == QLatin1String("Form"))
        return new FormAccessible(static_cast<Form*>(object));
    if (className == QLatin1String("Label"))
        return new LabelAccessible(static_cast<Label*>(object));
    if (className == QLatin1String("PictureBox"))
        return new PictureBoxAccessible(static_cast<PictureBox*>(object));
    return nullptr;
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
