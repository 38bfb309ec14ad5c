// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Every language the game speaks, walked by the random player over every
// screen, dialog, message box and help page, at the zooms it presses, and
// the About box:
// English says exactly what it said before the texts went through the
// translation system; in the pseudo-language every text a player sees or
// hears is translated; in every language every caption shows whole.
//
// Each play runs in this program started again, as the random player's own
// test does, with the language loaded before the application starts.

#include "platform/appinfo.h"
#include "shell/frmabout.h"
#include "support/randomplayer.h"
#include "support/screentexts.h"
#include "support/started.h"
#include "support/testmain.h"

#include <QFile>
#include <QLocale>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryFile>
#include <QtTest>
#include <algorithm>

namespace {

constexpr unsigned kSeed = 22;
constexpr long kEvents = 12000;

int playInto(const QString& language, const QString& file)
{
    // The game speaks the language of the default locale; the pseudo-language
    // is built into this test as the catalogue of a language the game does
    // not ship.
    QLocale::setDefault(QLocale(language == QLatin1String("pseudo") ? QStringLiteral("eo") : language));
    const bool english = language == QLatin1String("en");
    randomplayer::Options options;
    options.textsFile = file;
    options.gameRules = english;
    // a shipped language is walked for its fit only, which a shorter walk shows
    const long events = english || language == QLatin1String("pseudo") ? kEvents : kEvents / 3;
    const randomplayer::Result result = randomplayer::play(kSeed, events, options);
    if (!result.failure.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(result.failure));
        return 1;
    }
    // and the About box, which the player does not open
    StartedApp s;
    s.app->main().mnuAbout_Click();
    QFile out(file);
    out.open(QIODevice::Append);
    out.write((screentexts::read().join(u'\n') + u'\n').toUtf8());
    const QStringList cut = screentexts::cutOff();
    s.app->main().about()->close();
    for (const QString& line : cut)
        std::fprintf(stderr, "a caption does not show whole: %s\n", qPrintable(line));
    return cut.isEmpty() ? 0 : 1;
}

// What the screens showed in `language`, each text once, in order.
QStringList play(const QString& language)
{
    QTemporaryFile file;
    if (!file.open())
        return {};
    QProcess player;
    player.setProcessChannelMode(QProcess::ForwardedChannels);
    player.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--play"), language, file.fileName()});
    if (!player.waitForFinished(-1) || player.exitStatus() != QProcess::NormalExit || player.exitCode() != 0)
        return {};
    QStringList texts = QString::fromUtf8(file.readAll()).split(u'\n', Qt::SkipEmptyParts);
    texts.sort();
    texts.removeDuplicates();
    return texts;
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

private slots:
    // The message boxes are compared too, all of them, by the random
    // player's own test.
    void englishIsAsItWas()
    {
        const QStringList now = play(QStringLiteral("en"));
        QVERIFY(!now.isEmpty());
        QFile before(QFINDTESTDATA("english.txt"));
        QVERIFY(before.open(QIODevice::ReadOnly));
        const QStringList was = QString::fromUtf8(before.readAll()).split(u'\n', Qt::SkipEmptyParts);
        // what a deliberate change reads, to put in its place
        QFile seen(QStringLiteral("english.seen.txt"));
        if (seen.open(QIODevice::WriteOnly))
            seen.write((now.join(u'\n') + u'\n').toUtf8());
        QVERIFY2(was == now, qPrintable(QStringLiteral("gone:\n  %1\nnew:\n  %2")
                                            .arg(missing(was, now), missing(now, was))));
    }

    void everyTextIsTranslated()
    {
        const QStringList texts = play(QStringLiteral("pseudo"));
        QVERIFY(!texts.isEmpty());
        // Translated text stands in ⟦ ⟧; what may stand outside: numbers,
        // marks, addresses, and words of one or two letters (a card's
        // index, the letters of BINGO, X and O).
        static const QRegularExpression translated(QStringLiteral("⟦[^⟧]*⟧"));
        static const QRegularExpression address(QStringLiteral("\\S+@\\S+|\\w+://\\S+|www\\.\\S+"));
        static const QRegularExpression word(QStringLiteral("[A-Za-z]{3,}"));
        // the game's name, like Grizzle's, is the same in every language
        const QString name = QString::fromUtf8(appinfo::kTitle);
        QStringList escaped;
        for (const QString& line : texts) {
            QString text = line.section(u'\t', 2);
            text.remove(translated).remove(address).remove(name);
            if (text.contains(word))
                escaped << line;
        }
        QVERIFY2(escaped.isEmpty(), qPrintable(QStringLiteral("%1 texts escaped translation:\n  %2")
                                                   .arg(escaped.size())
                                                   .arg(escaped.mid(0, 40).join(QLatin1String("\n  ")))));
    }

    void everyCaptionShowsWhole_data()
    {
        QTest::addColumn<QString>("language");
        for (const char* language : {"de", "fr", "es"})
            QTest::newRow(language) << QString::fromLatin1(language);
    }

    void everyCaptionShowsWhole()
    {
        QFETCH(QString, language);
        // the play fails on a caption cut off, and says which
        QVERIFY(!play(language).isEmpty());
    }
};

static int testMain(int argc, char** argv)
{
    QApplication application(argc, argv);
    if (argc == 4 && QByteArray(argv[1]) == "--play")
        return playInto(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]));
    LanguageTest test;
    return QTest::qExec(&test, argc, argv);
}
CARDOVIA_TEST_ENTRY(LanguageTest, testMain)

#include "test_language.moc"
