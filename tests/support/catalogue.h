// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The texts of the code as a catalogue (a .ts file) holds them, where a
// translation stands in a text shown, and the tests' pseudo-language read
// back as the English it was made from.

#include <QRegularExpression>
#include <QStringList>
#include <vector>

namespace catalogue {

// A message: its context, its source text (the code's English) and its
// translation, or its plural forms in order.
struct Message {
    QString context;
    QString source;
    QStringList forms;
};

std::vector<Message> read(const QString& path);

// A text as shown texts are compared with translations: without markup, the
// access keys' "&" and spaces, which rich text and a screen reader's names
// take away or change.
QString bare(QString text);

// Where a translation stands in a bare text shown, with its placeholders
// filled by anything on the same line.
QRegularExpression shownAs(const QString& translation);

// The pseudo-language's text as English: its letters as they were in the
// code, without the brackets and the dots that make it longer.
QString unpseudo(const QString& text);

// English's plural forms (`english`: its catalogue) in place of the code's
// text of that count: "Your pile, 1 card".
QString plurals(QString text, const std::vector<Message>& english);

} // namespace catalogue
