// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The help: every page walked (its links lead to pages, its pictures are
// drawn at 100 % and 200 % and read out by their captions), every game's
// page in the one outline in every language and naming its screen's access
// keys, F1 on each screen, the Help menu, the help window's keys, and the
// About box.

#include "shell/frmabout.h"
#include "shell/frmgrizzley.h"
#include "shell/frmhelp.h"
#include "shell/frmmainmenu.h"
#include "shell/games.h"
#include "shell/help.h"
#include "support/logged.h"
#include "support/started.h"
#include "support/testmain.h"
#include "support/zoom.h"
#include "toolkit/language.h"

#include <QAbstractTextDocumentLayout>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QScreen>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QtTest>
#include <set>

namespace {

// The links and the pictures of a page, by their addresses and keys, and
// its headings under its title.
struct Contents {
    QStringList links;
    QStringList pictures;
    QStringList headings;
};

Contents contentsOf(const QTextDocument& document)
{
    Contents found;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        if (block.blockFormat().headingLevel() > 1)
            found.headings << block.text();
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            if (format.isAnchor() && !found.links.contains(format.anchorHref()))
                found.links << format.anchorHref();
            if (format.isImageFormat())
                found.pictures << format.toImageFormat().name();
        }
    }
    return found;
}

// Whether the image shows more than one colour.
bool drawn(const QImage& image)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != image.pixel(0, 0))
                return true;
    return false;
}

} // namespace

class HelpTest : public QObject {
    Q_OBJECT

private slots:
    void everyPageWalks()
    {
        StartedApp s;
        s.app->main().showHelp(QString::fromLatin1(help::kContents));
        frmHelp& window = *s.app->main().help();
        HelpView& view = *window.txtPage;
        QCOMPARE(window.lstPages->count(), int(view.pages().size()));
        for (int row = 0; row < window.lstPages->count(); ++row) {
            window.lstPages->setCurrentRow(row);
            const HelpPage& page = view.pages()[std::size_t(row)];
            QCOMPARE(view.pageId(), page.id);
            QCOMPARE(spokenName(&view), page.title);
            // its heading comes first
            QCOMPARE(view.document()->begin().blockFormat().headingLevel(), 1);
            QCOMPARE(view.document()->begin().text(), page.title);
            const Contents contents = contentsOf(*view.document());
            for (const QString& link : contents.links)
                QVERIFY2(view.page(QUrl(link).path()) && QUrl(link).scheme() == QLatin1String("help"),
                         qPrintable(page.id + QLatin1String(": ") + link));
            QCOMPARE(contents.pictures.size(), qsizetype(page.pictures.size()));
            for (const QString& key : contents.pictures) {
                const Picture picture = view.picture(key);
                QVERIFY2(!picture.isNull() && !picture.description().isEmpty(), qPrintable(key));
                // read out by its caption
                QVERIFY2(view.toPlainText().contains(picture.description()), qPrintable(key));
                for (const qreal scale : {1.0, 2.0}) {
                    const QImage image = picture.render(2.0, scale);
                    QCOMPARE(image.size(), picture.size() * scale * 2.0);
                    QVERIFY2(drawn(image), qPrintable(key));
                }
            }
        }
        // every page is listed once, and the contents lead to all the others
        std::set<QString> ids;
        for (const HelpPage& page : view.pages())
            ids.insert(page.id);
        QCOMPARE(ids.size(), view.pages().size());
        window.lstPages->setCurrentRow(0);
        QCOMPARE(qsizetype(contentsOf(*view.document()).links.size()), qsizetype(ids.size() - 1));

        // At 200 % a picture takes twice the room in the text, and is drawn
        // there; back at 100 % the page is as it was.
        view.showPage(QStringLiteral("bingo"));
        const qreal atFull = view.document()->size().height();
        const auto pictureLine = [&] {
            for (QTextBlock block = view.document()->begin(); block.isValid(); block = block.next())
                for (auto it = block.begin(); !it.atEnd(); ++it)
                    if (it.fragment().charFormat().isImageFormat())
                        return std::pair{view.document()->documentLayout()->blockBoundingRect(block).height(),
                                         view.picture(it.fragment().charFormat().toImageFormat().name()).size()};
            return std::pair{0.0, QSize()};
        };
        QVERIFY(pictureLine().first >= pictureLine().second.height());
        {
            AtZoom zoom(2.0);
            QVERIFY(pictureLine().first >= 2 * pictureLine().second.height());
            QVERIFY(!view.viewport()->grab().isNull());
        }
        QTRY_COMPARE(view.document()->size().height(), atFull);
    }

    // In every language shipped, and in English: a heading that a catalogue
    // does not translate yet reads as in English.
    void everyGamesPageHasTheOutline()
    {
        const char* const outline[] = {"Goal", "How to play", "How Grizzle plays", "How it ends", "Buttons and keys",
                                       "Tips"};
        const QStringList shipped = QDir(QStringLiteral(":/i18n")).entryList({QStringLiteral("cardovia_*.qm")});
        QVERIFY(shipped.size() > 1);
        QStringList englishTitles;
        for (const games::Game& game : games::kGames)
            englishTitles << game.help().title;
        const auto restore = qScopeGuard([before = QLocale()] { QLocale::setDefault(before); });
        for (const QString& file : shipped) {
            const QString name = file.section(u'_', 1).section(u'.', 0, 0);
            QLocale::setDefault(QLocale(name));
            const language::Catalogues catalogues{QLocale(name)};
            QStringList expected;
            for (const char* heading : outline)
                expected << QCoreApplication::translate("helpview", heading);
            QStringList titles;
            for (const games::Game& game : games::kGames) {
                const HelpPage page = game.help();
                titles << page.title;
                QTextDocument document;
                document.setHtml(page.html);
                const QStringList headings = contentsOf(document).headings;
                QVERIFY2(headings == expected, qPrintable(name + u' ' + page.id + u' ' + headings.join(u'|')));
            }
            // the language's catalogue is the one in use
            QVERIFY2(name == QLatin1String("en") || titles != englishTitles, qPrintable(name));
        }
    }

    // As they are written, in English: short sentences, without the
    // semicolons and parentheses of a manual. A picture's caption says what
    // it shows, and may run longer.
    void everyPageReadsPlainly()
    {
        constexpr qsizetype kMostWords = 16;
        static const QRegularExpression sentenceEnd(QStringLiteral("(?<=[.!?])\\s+"));
        for (const HelpPage& page : help::pages()) {
            QTextDocument document;
            document.setHtml(page.html);
            bool goal = false;
            for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
                const QString text = block.text();
                if (text.contains(QChar::ObjectReplacementCharacter))
                    continue;
                QVERIFY2(!text.contains(u';') && !text.contains(u'('), qPrintable(page.id + u' ' + text));
                const QStringList sentences = text.split(sentenceEnd, Qt::SkipEmptyParts);
                // a game's goal in one
                QVERIFY2(!goal || sentences.size() == 1, qPrintable(page.id + u' ' + text));
                goal = block.blockFormat().headingLevel() > 1 && text == QLatin1String("Goal");
                for (const QString& sentence : sentences)
                    QVERIFY2(sentence.split(u' ', Qt::SkipEmptyParts).size() <= kMostWords,
                             qPrintable(page.id + u' ' + sentence));
            }
        }
    }

    // In English: a translation's access keys are its translators' to name.
    void everyGamesPageNamesItsScreensAccessKeys()
    {
        StartedApp s;
        for (const games::Game& game : games::kGames) {
            QTextDocument page;
            page.setHtml(game.help().html);
            Form& screen = s.choose(game.button);
            for (const QAbstractButton* button : screen.findChildren<QAbstractButton*>()) {
                const QString key = QKeySequence::mnemonic(button->text()).toString(QKeySequence::PortableText);
                QVERIFY2(key.isEmpty() || page.toPlainText().contains(key),
                         qPrintable(QLatin1String(game.button) + u' ' + key));
            }
            s.app->returnToMenu(screen);
            s.settle();
        }
    }

    void theHelpWindowWorksFromTheKeyboard()
    {
        StartedApp s;
        frmMain& main = s.app->main();
        QVERIFY(activate(&main));
        press(Qt::Key_F1);
        frmHelp* window = main.help();
        QVERIFY(window && window->isVisible() && window->isWindow());
        QVERIFY(activate(window));
        // beside the frame, which goes on taking clicks
        QVERIFY(!QApplication::activeModalWidget());
        QVERIFY(!window->frameGeometry().intersects(main.frameGeometry()));
        QVERIFY(main.screen()->availableGeometry().contains(window->frameGeometry()));
        QCOMPARE(focused(), window->txtPage);

        // Tab goes to the first link, Enter follows it, Alt+Left comes back
        press(Qt::Key_Tab);
        QCOMPARE(focused(), window->txtPage);
        const QString first = window->txtPage->textCursor().charFormat().anchorHref();
        press(Qt::Key_Return);
        QCOMPARE(window->txtPage->pageId(), QUrl(first).path());
        QCOMPARE(window->lstPages->currentItem()->text(), spokenName(window->txtPage));
        press(Qt::Key_Left, Qt::AltModifier);
        QCOMPARE(window->txtPage->pageId(), QString::fromLatin1(help::kContents));

        // The zoom keys zoom the frame, and the window with it from the
        // size the player gave it
        window->resize(700, 500);
        press(Qt::Key_Plus, Qt::ControlModifier);
        QCOMPARE(twips::zoom(), 1.1);
        QCOMPARE(window->size(), QSize(770, 550));
        press(Qt::Key_0, Qt::ControlModifier);
        QCOMPARE(twips::zoom(), 1.0);
        QCOMPARE(window->size(), QSize(700, 500));

        press(Qt::Key_Escape);
        QVERIFY(!window->isVisible());
    }

    void aPageThatIsNotThereGivesTheContentsAndIsLogged()
    {
        StartedApp s;
        frmMain& main = s.app->main();
        const Logged logged;
        // as the window opens, and over another page
        for (const char* before : {"", "bingo"}) {
            if (*before)
                main.showHelp(QLatin1String(before));
            main.showHelp(QStringLiteral("no-such-page"));
            frmHelp& window = *main.help();
            QVERIFY(window.isVisible());
            QCOMPARE(window.txtPage->pageId(), QString::fromLatin1(help::kContents));
            QCOMPARE(window.lstPages->currentItem()->text(), spokenName(window.txtPage));
        }
        QCOMPARE(logged.lines().filter(QStringLiteral("cardovia.help")).size(), 2);
        QVERIFY(logged.says("cardovia.help", {"no-such-page"}));
    }

    void f1OpensThePageOfTheScreenOnShow()
    {
        StartedApp s;
        frmMain& main = s.app->main();
        frmMainMenu& menu = *s.app->existing<frmMainMenu>();
        QVERIFY(activate(&main));
        const auto f1 = [&] {
            press(Qt::Key_F1);
            const QString id = main.help() ? main.help()->txtPage->pageId() : QString();
            if (main.help())
                main.help()->close();
            activate(&main);
            return id;
        };
        QCOMPARE(f1(), QString::fromLatin1(help::kContents));
        for (const games::Game& game : games::kGames) {
            menu.findChild<QPushButton*>(game.button)->click();
            // the game's own page, the one the table gives it
            const HelpPage page = game.help();
            QCOMPARE(f1(), page.id);
            QVERIFY(page.id != QString::fromLatin1(help::kContents) && page.id != QString::fromLatin1(help::kMusic));
            // the opponent panel beside the game: its music
            s.app->existing<frmGrizzley>()->Command1->setFocus();
            QCOMPARE(f1(), QString::fromLatin1(help::kMusic));
            s.app->returnToMenu(*s.app->theform);
            s.settle();
        }
    }

    void theHelpMenuReachesEveryPage()
    {
        StartedApp s;
        frmMain& main = s.app->main();
        QCOMPARE(main.menuBar()->actions().indexOf(main.mnuHelp()->menuAction()),
                 main.menuBar()->actions().indexOf(main.mnuFile()->menuAction()) + 1);
        std::set<QString> reached;
        for (QAction* item : main.mnuHelp()->actions()) {
            if (item->isSeparator() || item->objectName() == QLatin1String("mnuAbout"))
                continue;
            item->trigger();
            reached.insert(main.help()->txtPage->pageId());
        }
        std::set<QString> all;
        for (const HelpPage& page : help::pages())
            all.insert(page.id);
        QCOMPARE(reached, all);

        // A screen's button that has the Help menu's letter keeps it.
        QVERIFY(activate(&main));
        frmMainMenu& menu = *s.app->existing<frmMainMenu>();
        auto* hold = controls::commandButton(&menu, "cmdHold", "&Hold", {120, 120, 1095, 375});
        hold->show();
        QSignalSpy pressed(hold, &QPushButton::clicked);
        press(Qt::Key_H, Qt::AltModifier);
        QTRY_COMPARE(pressed.count(), 1);
        QVERIFY(!QApplication::activePopupWidget());
    }

    void theAboutBoxNamesTheVersionTheLicenceAndWhatIsLoaded()
    {
        QProcess game;
        game.start(QStringLiteral(CARDOVIA_GAME_BINARY), {QStringLiteral("--version")});
        QVERIFY(game.waitForFinished(20000));
        const QString reported = QString::fromLocal8Bit(game.readAllStandardOutput()).section(QLatin1Char('\n'), 0, 0);

        StartedApp s;
        s.app->main().mnuAbout_Click();
        frmAbout& about = *s.app->main().about();
        QVERIFY(about.isVisible() && !about.isModal());
        QCOMPARE(about.lblName->text(), reported);
        QVERIFY2(about.lblVersions->text().contains(QStringLiteral("Qt %1").arg(QString::fromLatin1(qVersion()))) &&
                     about.lblVersions->text().contains(QStringLiteral("not loaded yet")),
                 qPrintable(about.lblVersions->text()));
        s.platform.audioLibrariesText = QStringLiteral("SDL2_mixer 9.9.9, FluidSynth 9.9.9");
        s.app->main().mnuAbout_Click();
        QVERIFY(about.lblVersions->text().contains(s.platform.audioLibrariesText));

        // the licence's whole text, as the system has it
        about.cmdLicence_Click();
        QFile gpl(QStringLiteral("/usr/share/common-licenses/GPL-3"));
        QVERIFY(gpl.open(QIODevice::ReadOnly));
        QVERIFY(about.txtLicence->isVisible());
        QCOMPARE(about.txtLicence->toPlainText(), QString::fromUtf8(gpl.readAll()));

        about.cmdLicence_Click();
        QVERIFY(about.txtLicence->isHidden());

        // the soundfont as the installed package states it
        const QString credit = frmAbout::soundfontCredit(QStringLiteral("/usr/share/doc/timgm6mb-soundfont/copyright"));
        QVERIFY2(credit.contains(QStringLiteral("TimGM6mb.sf2")) && credit.contains(QStringLiteral("Tim Brechbill")) &&
                     credit.contains(QStringLiteral("licence GPL-2,")),
                 qPrintable(credit));
    }

    void theSoundfontsCreditIsReadFromItsCopyrightFile_data()
    {
        QTest::addColumn<QByteArray>("copyright");
        QTest::addColumn<QString>("said");
        const QByteArray header = "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/\n"
                                  "Upstream-Name: font\n\n";
        const QByteArray packaging = "Files: debian/*\nCopyright: 2020 Packager\nLicense: GPL-3+\n";
        const QByteArray font = "Files: font.sf2\nCopyright: 2004 One <a@b>\n  2010 Two\n"
                                "License: GPL-2\n This package is free software;\n .\n more text\n";
        const QString credited = QStringLiteral("font.sf2, copyright 2004 One <a@b>; 2010 Two, licence GPL-2,");
        QTest::newRow("the font first") << header + font + "\n" + packaging << credited;
        QTest::newRow("the packaging first") << header + packaging + "\n" + font << credited;
        QTest::newRow("only the packaging") << header + packaging << QStringLiteral("cannot be read");
        QTest::newRow("empty") << QByteArray() << QStringLiteral("cannot be read");
        QTest::newRow("no file") << QByteArray("none") << QStringLiteral("cannot be read");
    }
    void theSoundfontsCreditIsReadFromItsCopyrightFile()
    {
        QFETCH(QByteArray, copyright);
        QFETCH(QString, said);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("copyright"));
        if (copyright != "none") {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(copyright);
        }
        const QString credit = frmAbout::soundfontCredit(path);
        QVERIFY2(credit.contains(said), qPrintable(credit));
    }
};

CARDOVIA_TEST_MAIN(HelpTest)
#include "test_help.moc"
