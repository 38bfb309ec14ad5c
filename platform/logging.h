// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the game says about what it could not do, where it goes on without
// it: no sound, a file refused, a setting ignored. Every category is quiet
// unless asked for, so a player sees nothing; running the game with
// QT_LOGGING_RULES="cardovia.*=true" tells why.

#include <QLoggingCategory>

// cardovia.audio: the audio module, the output device, the synthesiser
Q_DECLARE_LOGGING_CATEGORY(lcAudio)
// cardovia.data: the music and sound files, which are found and which refused
Q_DECLARE_LOGGING_CATEGORY(lcData)
// cardovia.settings: the settings file and the values in it
Q_DECLARE_LOGGING_CATEGORY(lcSettings)
// cardovia.language: the catalogues of the player's language
Q_DECLARE_LOGGING_CATEGORY(lcLanguage)
// cardovia.help: a help page asked for that there is none of
Q_DECLARE_LOGGING_CATEGORY(lcHelp)
