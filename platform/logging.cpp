// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/logging.h"

// Only warnings would show unasked; the game says everything as information.
Q_LOGGING_CATEGORY(lcAudio, "cardovia.audio", QtWarningMsg)
Q_LOGGING_CATEGORY(lcData, "cardovia.data", QtWarningMsg)
Q_LOGGING_CATEGORY(lcSettings, "cardovia.settings", QtWarningMsg)
Q_LOGGING_CATEGORY(lcLanguage, "cardovia.language", QtWarningMsg)
Q_LOGGING_CATEGORY(lcHelp, "cardovia.help", QtWarningMsg)
