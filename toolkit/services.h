// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the toolkit puts into the application for a run, in one place: the
// catalogues of the player's language, the style that grows with the zoom,
// the accessibility factories, the announcer, the focus cues and the
// dialogs' Tab. App owns one; it installs them as it is made and takes them
// out again as it goes, so no control installs anything and a run can be
// set up and taken down again in one process.

#include "toolkit/announce.h"
#include "toolkit/keyboard.h"
#include "toolkit/language.h"

class ToolkitServices {
public:
    // Needs the application object; in the language of `locale`.
    explicit ToolkitServices(const QLocale& locale = QLocale());
    ~ToolkitServices();
    ToolkitServices(const ToolkitServices&) = delete;
    ToolkitServices& operator=(const ToolkitServices&) = delete;

private:
    language::Catalogues catalogues_;
    QString desktopStyle_;
    announce::Announcer announcer_;
    FocusCues focusCues_;
    DialogTabs dialogTabs_;
};
