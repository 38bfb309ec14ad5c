// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Every language the game speaks, and the pseudo-language made from the
// code's texts, by a visit of every screen, dialog, message box and help page
// (support/visit.h), looking at each stop at what the windows show:
// every text of the code shows somewhere, and in the pseudo-language as
// translated; English shows the code's texts exactly; every caption shows
// whole in every language; and no access key serves two things at once.
//
// Each language is visited in this program started again, with the language
// loaded before the application starts.

#include "platform/appinfo.h"
#include "support/catalogue.h"
#include "support/screentexts.h"
#include "support/testmain.h"
#include "support/visit.h"

#include <QAction>
#include <QFile>
#include <QLocale>
#include <QMenu>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryFile>
#include <QtTest>
#include <algorithm>
#include <map>

namespace {

// What each line of a visit's record is: a text shown, a caption cut off,
// two things that share an access key, the visit's failure.
const QString kText = QStringLiteral("text\t");
const QString kCut = QStringLiteral("cut\t");
const QString kClash = QStringLiteral("clash\t");
const QString kFailure = QStringLiteral("failure\t");

// The one pair allowed to share a key: the File menu and the button of the
// game that begins with the same letter in English, on the menu and on its
// screen. The screen's button wins the key, and F10 still opens the menu.
bool sharedByDesign(const QWidget* control, const QAction* title)
{
    return title->menu() && title->menu()->objectName() == QLatin1String("mnuFile") &&
           (control->objectName() == QLatin1String("cmdFireIce") || control->objectName() == QLatin1String("cmdFire"));
}

// What a stop of the visit shows.
QStringList look(const visit::Stop& stop)
{
    QStringList lines;
    for (const QString& m : stop.messages)
        lines << kText + screentexts::line(QString(), "message", m);
    if (!stop.heard.isEmpty())
        lines << kText + screentexts::line(QString(), "heard", stop.heard);
    // A caption is measured again only where the screens show a text of a
    // control they have not shown before (the controls never move).
    static QSet<QString> shown;
    bool changed = false;
    for (const QString& text : screentexts::read()) {
        lines << kText + text;
        changed |= !shown.contains(text);
        shown.insert(text);
    }
    for (const QString& cut : changed ? screentexts::cutOff() : QStringList())
        lines << kCut + cut;
    for (const QString& clash : screentexts::sharedAccessKeys(sharedByDesign))
        lines << kClash + clash;
    return lines;
}

int visitInto(const QString& language, const QString& file)
{
    // The game speaks the language of the default locale; the pseudo-language
    // is built into this test as the catalogue of a language the game does
    // not ship.
    QLocale::setDefault(QLocale(language == QLatin1String("pseudo") ? QStringLiteral("eo") : language));
    const visit::Result result = visit::everything(look);
    QFile out(file);
    out.open(QIODevice::WriteOnly);
    QStringList lines = result.kept;
    if (!result.failure.isEmpty())
        lines << kFailure + result.failure;
    out.write(lines.join(u'\n').toUtf8());
    return 0;
}

// What the visit in `language` saw, by kind: the texts as screentexts.h
// gives them, sorted, and the captions cut off, the keys shared and the
// failure.
struct Seen {
    QStringList texts;
    QStringList cut;
    QStringList clashes;
    QString failure;
};

const Seen& visited(const QString& language)
{
    static std::map<QString, Seen> visits;
    if (const auto known = visits.find(language); known != visits.end())
        return known->second;
    Seen& seen = visits[language];
    QTemporaryFile file;
    QProcess visitor;
    visitor.setProcessChannelMode(QProcess::ForwardedChannels);
    if (file.open()) {
        visitor.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--visit"), language, file.fileName()});
        visitor.waitForFinished(-1);
    }
    if (visitor.exitStatus() != QProcess::NormalExit || visitor.exitCode() != 0)
        seen.failure = QStringLiteral("the visit's copy of the program failed");
    for (const QString& line : QString::fromUtf8(file.readAll()).split(u'\n', Qt::SkipEmptyParts)) {
        const QString rest = line.section(u'\t', 1);
        if (line.startsWith(kText))
            seen.texts << rest;
        else if (line.startsWith(kCut))
            seen.cut << rest;
        else if (line.startsWith(kClash))
            seen.clashes << rest;
        else if (line.startsWith(kFailure))
            seen.failure = rest;
    }
    seen.texts.sort();
    return seen;
}

// The texts the visit does not show, and why.
struct Unshown {
    const char* context;
    const char* source;  // none: every text of the context
    const char* why;
};
constexpr Unshown kUnshown[] = {
    {"launch", nullptr, "written to the terminal before any window, by a process of its own: test_launch runs it"},
    {"frmAbout", "The soundfont's licence cannot be shown: %1 cannot be read.",
     "the About box says it only where the soundfont's package is missing: test_help reads a missing file"},
    {"cardart", "A", "painted on the aces' faces: the visit reads no pixels"},
    {"cardart", "J", "painted on the jacks' faces"},
    {"cardart", "Q", "painted on the queens' faces"},
    {"cardart", "K", "painted on the kings' faces"},
    {"cardart", "Card back", "a back's own description: each screen that shows a back names the pile itself"},
    {"frmTicTacToe", "Your Turn.", "set, as the game always did, on a label the screen keeps hidden"},
    {"tictactoehelp", "middle left", "the help's boards mark seven of the nine cells its table names"},
    {"tictactoehelp", "bottom left", "the help's boards mark seven of the nine cells its table names"},
};

bool covers(const Unshown& u, const catalogue::Message& m)
{
    return m.context == QLatin1String(u.context) && (!u.source || m.source == QLatin1String(u.source));
}

// The lines of `a` that `b` lacks, the first few.
QString missing(const QStringList& a, const QStringList& b)
{
    QStringList gone;
    std::set_difference(a.begin(), a.end(), b.begin(), b.end(), std::back_inserter(gone));
    return QStringLiteral("%1: %2").arg(gone.size()).arg(gone.mid(0, 12).join(QLatin1String("\n  ")));
}

} // namespace

class LanguageTest : public QObject {
    Q_OBJECT

    static void languages()
    {
        QTest::addColumn<QString>("language");
        for (const char* language : {"en", "pseudo", "de", "fr", "es"})
            QTest::newRow(language) << QString::fromLatin1(language);
    }

private slots:
    // Each text of the code (as lupdate finds it), translated into the
    // pseudo-language, shows somewhere: a text nobody sees is dead code, or
    // the visit misses it. A text that two units share counts once.
    void everyTextOfTheCodeShows()
    {
        const Seen& seen = visited(QStringLiteral("pseudo"));
        QVERIFY2(seen.failure.isEmpty(), qPrintable(seen.failure));
        QStringList shown;
        for (const QString& line : seen.texts)
            shown << catalogue::bare(screentexts::text(line));
        const QString all = shown.join(u'\n');
        QStringList unseen;
        const std::vector<catalogue::Message> code = catalogue::read(QStringLiteral(CARDOVIA_PSEUDO_TS));
        QVERIFY(code.size() > 100);
        for (const catalogue::Message& m : code)
            if (std::none_of(std::begin(kUnshown), std::end(kUnshown), [&](const Unshown& u) { return covers(u, m); }) &&
                !catalogue::shownAs(m.forms.value(0)).match(all).hasMatch())
                unseen << QStringLiteral("%1: %2").arg(m.context, m.source);
        QVERIFY2(unseen.isEmpty(), qPrintable(QStringLiteral("%1 texts of the code never show:\n  %2")
                                                   .arg(unseen.size())
                                                   .arg(unseen.mid(0, 40).join(QLatin1String("\n  ")))));
        // and each text said not to show is still in the code
        for (const Unshown& u : kUnshown)
            QVERIFY2(std::any_of(code.begin(), code.end(), [&](const catalogue::Message& m) { return covers(u, m); }),
                     u.source ? u.source : u.context);
    }

    void everyTextIsTranslated()
    {
        const Seen& seen = visited(QStringLiteral("pseudo"));
        QVERIFY2(seen.failure.isEmpty(), qPrintable(seen.failure));
        // Translated text stands in ⟦ ⟧; what may stand outside: numbers,
        // marks, addresses, and words of one or two letters (a card's
        // index, the letters of BINGO, X and O).
        static const QRegularExpression translated(QStringLiteral("⟦[^⟧]*⟧"));
        static const QRegularExpression address(QStringLiteral("\\S+@\\S+|\\w+://\\S+|www\\.\\S+"));
        static const QRegularExpression word(QStringLiteral("[A-Za-z]{3,}"));
        // the game's name, like Grizzle's, is the same in every language
        const QString name = QString::fromUtf8(appinfo::kTitle);
        QStringList escaped;
        for (const QString& line : seen.texts) {
            QString text = line.section(u'\t', 2);
            text.remove(translated).remove(address).remove(name);
            if (text.contains(word))
                escaped << line;
        }
        QVERIFY2(escaped.isEmpty(), qPrintable(QStringLiteral("%1 texts escaped translation:\n  %2")
                                                   .arg(escaped.size())
                                                   .arg(escaped.mid(0, 40).join(QLatin1String("\n  ")))));
    }

    // English shows what the pseudo-language shows, each translation read
    // back as the code's text it came from (and English's plural forms in
    // place of the code's): every text exactly as the code gives it, in its
    // place, with what fills its placeholders.
    void englishShowsTheTextsOfTheCode()
    {
        const Seen& english = visited(QStringLiteral("en"));
        const Seen& pseudo = visited(QStringLiteral("pseudo"));
        QVERIFY2(english.failure.isEmpty() && pseudo.failure.isEmpty(),
                 qPrintable(english.failure + pseudo.failure));
        const std::vector<catalogue::Message> forms = catalogue::read(QStringLiteral(CARDOVIA_ENGLISH_TS));
        QVERIFY(!forms.empty());
        QStringList expected;
        for (const QString& line : pseudo.texts)
            expected << catalogue::plurals(catalogue::unpseudo(line), forms);
        expected.sort();
        expected.removeDuplicates();
        QVERIFY(english.texts.size() > 500);
        QVERIFY2(english.texts == expected, qPrintable(QStringLiteral("expected:\n  %1\nshown instead:\n  %2")
                                                           .arg(missing(expected, english.texts),
                                                                missing(english.texts, expected))));
    }

    void everyCaptionShowsWhole_data() { languages(); }

    void everyCaptionShowsWhole()
    {
        QFETCH(QString, language);
        const Seen& seen = visited(language);
        QVERIFY2(seen.failure.isEmpty(), qPrintable(seen.failure));
        QVERIFY(!seen.texts.isEmpty());
        QVERIFY2(seen.cut.isEmpty(), qPrintable(QStringLiteral("captions cut off:\n  %1")
                                                     .arg(seen.cut.join(QLatin1String("\n  ")))));
    }

    void noAccessKeyServesTwoThings_data() { languages(); }

    void noAccessKeyServesTwoThings()
    {
        QFETCH(QString, language);
        const Seen& seen = visited(language);
        QVERIFY2(seen.failure.isEmpty(), qPrintable(seen.failure));
        QVERIFY2(seen.clashes.isEmpty(), qPrintable(QStringLiteral("access keys shared:\n  %1")
                                                         .arg(seen.clashes.join(QLatin1String("\n  ")))));
    }
};

static int languageMain(int argc, char** argv)
{
    QApplication application(argc, argv);
    if (argc == 4 && QByteArray(argv[1]) == "--visit")
        return visitInto(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]));
    LanguageTest test;
    return QTest::qExec(&test, argc, argv);
}
CARDOVIA_TEST_ENTRY(LanguageTest, languageMain)

#include "test_language.moc"
