// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Each language's own rules of writing, over what is written in it: its
// catalogue, and its lines of the launcher, the store text and the manual
// page. One glossary (translations/glossary_<language>.md): where the English
// names a term, the translation names it by the glossary's word. One form of
// address: no text takes another (the glossary's "Never:" patterns). And the
// language's typography.

#include "support/catalogue.h"
#include "support/testmain.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QtTest>
#include <functional>

namespace {

QString sourceFile(const QString& path)
{
    QFile file(QFINDTESTDATA(QStringLiteral("../../") + path));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// A text as a reader meets it: without markup and access keys' "&".
QString plain(QString text)
{
    static const QRegularExpression tag(QStringLiteral("<[^>]*>"));
    return text.remove(tag).remove(u'&');
}

struct Term {
    QString english;
    QStringList forms;  // the glossary's word first
    QRegularExpression named;  // the English word, whole
};

struct Glossary {
    std::vector<Term> terms;
    std::vector<QRegularExpression> never;
};

// "Never: `pattern`" lines, and the rows of the table: | English | word | other forms, ... |.
// A row whose English stands in parentheses is a note, not checked.
Glossary glossary(const QString& language)
{
    Glossary g;
    static const QRegularExpression never(QStringLiteral("^Never: `(.+)`\\s*$"));
    for (const QString& line : sourceFile(QStringLiteral("translations/glossary_%1.md").arg(language)).split(u'\n')) {
        // written as Python's re reads them, whose \uXXXX is PCRE's \x{XXXX}
        static const QRegularExpression python(QStringLiteral("\\\\u([0-9a-fA-F]{4})"));
        if (const QRegularExpressionMatch m = never.match(line); m.hasMatch())
            g.never.emplace_back(m.captured(1).replace(python, QStringLiteral("\\x{\\1}")));
        if (!line.startsWith(u'|'))
            continue;
        QStringList cells = line.trimmed().mid(1).chopped(1).split(u'|');
        for (QString& cell : cells)
            cell = cell.trimmed().remove(u'`');
        if (cells.size() < 2 || cells[0] == QLatin1String("English") || cells[0].startsWith(u'(') ||
            cells[0].contains(QLatin1String("---")))
            continue;
        Term term{cells[0], {cells[1]},
                  QRegularExpression(QStringLiteral("(?<!\\w)%1(?!\\w)").arg(QRegularExpression::escape(cells[0])),
                                     QRegularExpression::CaseInsensitiveOption)};
        if (cells.size() > 2)
            for (const QString& form : cells[2].split(u',', Qt::SkipEmptyParts))
                term.forms << form.trimmed();
        g.terms.push_back(term);
    }
    return g;
}

// The language's lines of the launcher and the store text; with its
// keywords, which are lists, not sentences, if asked.
QStringList distTexts(const QString& language, bool keywords)
{
    QStringList texts;
    for (const QString& line : sourceFile(QStringLiteral("dist/" CARDOVIA_APP_ID ".desktop")).split(u'\n'))
        if (line.contains(QStringLiteral("[%1]=").arg(language)) && (keywords || !line.startsWith(QLatin1String("Keywords"))))
            texts << line.section(u'=', 1);
    const QRegularExpression lang(QStringLiteral("<(\\w+) xml:lang=\"%1\">([^<]*)<").arg(language));
    for (const QRegularExpressionMatch& m : lang.globalMatch(sourceFile(QStringLiteral("dist/" CARDOVIA_APP_ID ".metainfo.xml"))))
        if (keywords || m.captured(1) != QLatin1String("keyword"))
            texts << m.captured(2).replace(QLatin1String("&lt;"), QLatin1String("<")).replace(QLatin1String("&gt;"), QLatin1String(">"))
                         .replace(QLatin1String("&amp;"), QLatin1String("&"));
    return texts;
}

QStringList translations(const catalogue::Message& message)
{
    QStringList forms;
    for (const QString& form : message.forms)
        forms << plain(form);
    return forms;
}

// A language's typography, as a check of one text: what is wrong in it.
using Typography = std::function<QString(const QString&)>;

// French: a non-breaking space, narrow or not, before ; : ! ? » and a percent
// sign, and after «; never a breaking one, nor none.
QString french(const QString& t)
{
    const auto nonBreaking = [](QChar c) { return c == u'\u00a0' || c == u'\u202f'; };
    static const QRegularExpression mark(QStringLiteral("[;:!?»]|%(?![0-9n])|«"));
    for (const QRegularExpressionMatch& m : mark.globalMatch(t)) {
        const qsizetype at = m.capturedStart();
        const bool opening = m.captured() == QStringLiteral("«");
        const qsizetype beside = opening ? at + 1 : at - 1;
        if (beside < 0 || beside >= t.size() || nonBreaking(t[beside]))
            continue;
        // a web address's colon, and "?!" or "...?"
        if (t.mid(at, 2) == QLatin1String(":/") || (!opening && QStringLiteral("!?.…").contains(t[beside])))
            continue;
        return QStringLiteral("no non-breaking space %1 \"%2\" in \"…%3…\"")
            .arg(opening ? QStringLiteral("after") : QStringLiteral("before"), m.captured(), t.mid(at - 12, 24));
    }
    return {};
}

const std::map<QString, Typography>& typography()
{
    static const std::map<QString, Typography> rules{
        {QStringLiteral("fr"), french},
        {QStringLiteral("de"),
         [](const QString& t) {
             return t.contains(u'"') ? QStringLiteral("English quotes, not „…“") : QString();
         }},
        {QStringLiteral("es"),
         [](const QString& t) {
             return t.count(u'?') != t.count(u'¿') || t.count(u'!') != t.count(u'¡')
                        ? QStringLiteral("a question or exclamation without its opening mark")
                        : QString();
         }},
    };
    return rules;
}

} // namespace

class WordingTest : public QObject {
    Q_OBJECT

    static void languages()
    {
        QTest::addColumn<QString>("language");
        const QStringList files = QDir(QFileInfo(QFINDTESTDATA("../../translations/cardovia_en.ts")).path())
                                      .entryList({QStringLiteral("cardovia_*.ts")});
        QVERIFY(files.size() > 1);
        for (const QString& file : files)
            if (const QString language = file.section(u'_', 1).section(u'.', 0, 0); language != QLatin1String("en"))
                QTest::newRow(qPrintable(language)) << language;
    }

private slots:
    void everyLanguageIsWrittenOneWay_data() { languages(); }

    // The glossary's words and form of address, in the catalogue and the dist texts.
    void everyLanguageIsWrittenOneWay()
    {
        QFETCH(QString, language);
        const Glossary g = glossary(language);
        QVERIFY2(g.terms.size() >= 20 && !g.never.empty(), qPrintable(language + QStringLiteral(" has no glossary")));
        const std::vector<catalogue::Message> messages =
            catalogue::read(QFINDTESTDATA(QStringLiteral("../../translations/cardovia_%1.ts").arg(language)));
        QVERIFY(messages.size() > 100);
        QStringList written = distTexts(language, true);
        written << sourceFile(QStringLiteral("dist/cardovia.%1.6.in").arg(language));
        QVERIFY2(!written.last().isEmpty(), qPrintable(language + QStringLiteral(" has no manual page")));
        QStringList faults;
        for (const catalogue::Message& m : messages) {
            const QString english = plain(m.source);
            for (const QString& text : translations(m)) {
                written << text;
                for (const Term& term : g.terms)
                    if (english.contains(term.named) &&
                        std::none_of(term.forms.begin(), term.forms.end(),
                                     [&](const QString& f) { return text.contains(f, Qt::CaseInsensitive); }))
                        faults << QStringLiteral("\"%1\" not as %2: %3").arg(term.english, term.forms[0], text);
            }
        }
        for (const QRegularExpression& never : g.never) {
            QVERIFY2(never.isValid(), qPrintable(never.pattern() + u' ' + never.errorString()));
            for (const QString& text : written)
                if (never.match(text).hasMatch())
                    faults << QStringLiteral("%1 in: %2").arg(never.pattern(), text.left(120));
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.mid(0, 20).join(u'\n')));
    }

    void everyLanguageKeepsItsTypography_data() { languages(); }

    void everyLanguageKeepsItsTypography()
    {
        QFETCH(QString, language);
        const auto rule = typography().find(language);
        QVERIFY2(rule != typography().end(), qPrintable(language + QStringLiteral(" has no rules of typography here")));
        QStringList written = distTexts(language, false);
        for (const catalogue::Message& m :
             catalogue::read(QFINDTESTDATA(QStringLiteral("../../translations/cardovia_%1.ts").arg(language))))
            written << translations(m);
        QStringList faults;
        for (const QString& text : written)
            if (const QString wrong = rule->second(text); !wrong.isEmpty())
                faults << wrong + QStringLiteral(": ") + text.left(120);
        QVERIFY2(faults.isEmpty(), qPrintable(faults.mid(0, 20).join(u'\n')));
    }
};

CARDOVIA_TEST_APPLESS_MAIN(WordingTest)
#include "test_wording.moc"
