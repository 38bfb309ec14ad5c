// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/catalogue.h"

#include "tools/pseudoletters.h"

#include <QFile>
#include <QXmlStreamReader>

namespace catalogue {

std::vector<Message> read(const QString& path)
{
    std::vector<Message> messages;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return messages;
    QXmlStreamReader ts(&file);
    QString context;
    bool numerus = false;
    while (!ts.atEnd()) {
        if (ts.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (ts.name() == QLatin1String("name")) {
            context = ts.readElementText();
        } else if (ts.name() == QLatin1String("message")) {
            messages.push_back({context, {}, {}});
            numerus = ts.attributes().value(QLatin1String("numerus")) == QLatin1String("yes");
        } else if (ts.name() == QLatin1String("source")) {
            messages.back().source = ts.readElementText();
        } else if ((ts.name() == QLatin1String("translation") && !numerus) || ts.name() == QLatin1String("numerusform")) {
            messages.back().forms << ts.readElementText();
        }
    }
    return messages;
}

QString bare(QString text)
{
    static const QRegularExpression tag(QStringLiteral("<[^>]*>"));
    static const QRegularExpression spaces(QStringLiteral("\\s+"));
    text.remove(tag);
    text.replace(QLatin1String("&lt;"), QLatin1String("<")).replace(QLatin1String("&gt;"), QLatin1String(">"));
    text.replace(QLatin1String("&quot;"), QLatin1String("\"")).replace(QLatin1String("&nbsp;"), QLatin1String(" "));
    return text.remove(u'&').remove(spaces);
}

QRegularExpression shownAs(const QString& translation)
{
    static const QRegularExpression placeholder(QStringLiteral("%L?\\d+|%n"));
    static const QRegularExpression tag(QStringLiteral("<[^>]*>"));
    QStringList pieces;
    for (const QString& piece : QString(translation).remove(tag).split(placeholder))
        pieces << QRegularExpression::escape(bare(piece));
    return QRegularExpression(pieces.join(QLatin1String("[^\\n]*")));
}

QString unpseudo(const QString& text)
{
    const QString lower = pseudoletters::lower(), upper = pseudoletters::upper();
    QString out;
    for (const QChar c : text) {
        if (c == u'⟦')
            continue;
        if (c == u'⟧') {
            while (out.endsWith(u'·'))
                out.chop(1);
            continue;
        }
        const qsizetype l = lower.indexOf(c), u = upper.indexOf(c);
        out += l >= 0 ? QChar(char16_t(u'a' + l)) : u >= 0 ? QChar(char16_t(u'A' + u)) : c;
    }
    return out;
}

QString plurals(QString text, const std::vector<Message>& english)
{
    for (const Message& m : english) {
        if (m.forms.size() != 2)
            continue;
        QStringList pieces;
        for (const QString& piece : m.source.split(QLatin1String("%n")))
            pieces << QRegularExpression::escape(piece);
        const QRegularExpressionMatch match =
            QRegularExpression(pieces.join(QLatin1String("(\\d+)"))).match(text);
        if (match.hasMatch())
            text.replace(match.capturedStart(), match.capturedLength(),
                         QString(m.forms[match.captured(1) == QLatin1String("1") ? 0 : 1]).replace(
                             QLatin1String("%n"), match.captured(1)));
    }
    return text;
}

} // namespace catalogue
