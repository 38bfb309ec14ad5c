// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/services.h"

#include "toolkit/accessible.h"
#include "toolkit/controls.h"

#include <QAccessible>
#include <QApplication>
#include <QStyle>
#include <QStyleFactory>

ToolkitServices::ToolkitServices(const QLocale& locale)
    : catalogues_(locale), desktopStyle_(QApplication::style()->name())
{
    // before any window is made: the windows made before the first control
    // would not be styled anew, and a reader may ask for a control as it is made
    QApplication::setStyle(controls::zoomStyle(QStyleFactory::create(desktopStyle_)));
    QAccessible::installFactory(accessible::factory);
    qApp->installEventFilter(&focusCues_);
    qApp->installEventFilter(&dialogTabs_);
}

ToolkitServices::~ToolkitServices()
{
    qApp->removeEventFilter(&dialogTabs_);
    qApp->removeEventFilter(&focusCues_);
    QAccessible::removeFactory(accessible::factory);
    QApplication::setStyle(QStyleFactory::create(desktopStyle_));
}
