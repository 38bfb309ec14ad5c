// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Makes the tests' pseudo-language: every text of a .ts file "translated"
// into itself with each letter accented, a third again as long, and wrapped
// in ⟦ ⟧, so a text that escaped translation (plain letters outside the
// brackets) and a caption that cannot take a longer language both show.
// Placeholders (%1, %n, %L1), access keys' "&", HTML tags and entities are
// kept as they are.
//   pseudotr IN.ts OUT.ts

#include "pseudoletters.h"

#include <QCoreApplication>
#include <QDomDocument>
#include <QFile>
#include <QRegularExpression>
#include <cstdio>

namespace {

QChar accented(QChar c)
{
    static const QString lower = pseudoletters::lower();
    static const QString upper = pseudoletters::upper();
    if (c >= u'a' && c <= u'z')
        return lower[c.unicode() - u'a'];
    if (c >= u'A' && c <= u'Z')
        return upper[c.unicode() - u'A'];
    return c;
}

QString pseudo(const QString& text)
{
    static const QRegularExpression kept(QStringLiteral("^(%L?\\d+|%n|<[^>]*>|&[A-Za-z]+;|&#\\d+;|&&)"));
    QString out = QStringLiteral("⟦");
    int letters = 0;
    for (qsizetype i = 0; i < text.size();) {
        const QRegularExpressionMatch m = kept.match(QStringView(text).mid(i));
        if (m.hasMatch()) {
            out += m.captured();
            i += m.capturedLength();
            continue;
        }
        if (text[i].isLetter())
            ++letters;
        out += accented(text[i++]);
    }
    out += QString((letters * 2 + 4) / 5, u'·');
    return out + QStringLiteral("⟧");
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: pseudotr IN.ts OUT.ts\n");
        return 2;
    }
    QFile in(QString::fromLocal8Bit(argv[1]));
    QDomDocument ts;
    if (!in.open(QIODevice::ReadOnly) || !ts.setContent(&in)) {
        std::fprintf(stderr, "pseudotr: cannot read %s\n", argv[1]);
        return 1;
    }
    ts.documentElement().setAttribute(QStringLiteral("language"), QStringLiteral("en"));
    const QDomNodeList messages = ts.elementsByTagName(QStringLiteral("message"));
    for (int i = 0; i < messages.size(); ++i) {
        QDomElement message = messages.at(i).toElement();
        const QString text = pseudo(message.firstChildElement(QStringLiteral("source")).text());
        QDomElement translation = message.firstChildElement(QStringLiteral("translation"));
        if (translation.isNull())
            translation = message.appendChild(ts.createElement(QStringLiteral("translation"))).toElement();
        translation.removeAttribute(QStringLiteral("type"));
        while (translation.hasChildNodes())
            translation.removeChild(translation.firstChild());
        if (message.attribute(QStringLiteral("numerus")) == QLatin1String("yes")) {
            for (int form = 0; form < 2; ++form)
                translation.appendChild(ts.createElement(QStringLiteral("numerusform")))
                    .appendChild(ts.createTextNode(text));
        } else {
            translation.appendChild(ts.createTextNode(text));
        }
    }
    QFile out(QString::fromLocal8Bit(argv[2]));
    if (!out.open(QIODevice::WriteOnly) || out.write(ts.toByteArray()) < 0) {
        std::fprintf(stderr, "pseudotr: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
