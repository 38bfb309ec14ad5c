// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The frame on a 1280 x 1024 desktop: it stays wholly on its screen at start-up
// and after every zoom, whatever zoom was remembered; the zoom a run of
// resizes chooses is written once, when it settles or the game ends; and the
// window icon has every size a desktop asks for.

#include "shell/launch.h"
#include "support/started.h"
#include "support/testmain.h"

#include <QDir>
#include <QScreen>
#include <QtTest>

namespace {

bool onScreen(const frmMain& main)
{
    return main.screen()->availableGeometry().contains(main.frameGeometry());
}

} // namespace

class DesktopTest : public QObject {
    Q_OBJECT

private slots:
    void aRememberedZoomLargerThanTheScreenStartsOnIt_data()
    {
        QTest::addColumn<double>("zoom");
        QTest::newRow("200 %") << 2.0;
        QTest::newRow("400 %") << 4.0;
    }

    void aRememberedZoomLargerThanTheScreenStartsOnIt()
    {
        QFETCH(double, zoom);
        StartedApp::setRememberedZoom(zoom);
        StartedApp s(StartedApp::Settings::Kept);
        frmMain& main = s.app->main();
        QTRY_VERIFY(onScreen(main));
        QVERIFY(twips::zoom() < zoom && twips::zoom() > 1.5);
        // fitted to the screen, not chosen: the player's zoom stays for a larger one
        QCOMPARE(StartedApp::rememberedZoom().toDouble(), zoom);
    }

    void theZoomKeysKeepTheFrameOnTheScreen()
    {
        StartedApp s;
        frmMain& main = s.app->main();
        QVERIFY(activate(&main));
        const QRect screen = main.screen()->availableGeometry();
        main.move(screen.right() - main.frameGeometry().width(), screen.bottom() - main.frameGeometry().height());
        QTRY_VERIFY(onScreen(main));
        for (int i = 0; i < 20; ++i) {
            QTest::keyClick(&main, Qt::Key_Plus, Qt::ControlModifier);
            QTRY_VERIFY2(onScreen(main), qPrintable(QString::number(twips::zoom())));
        }
        QVERIFY(twips::zoom() > 1.5);
    }

    void aRunOfResizesIsWrittenOnceWhenItSettles()
    {
        StartedApp s;
        frmMain& main = s.app->main();
        QVERIFY(activate(&main));
        const QSize chrome = main.size() - main.clientArea()->parentWidget()->size();
        for (int i = 1; i <= 30; ++i) {
            main.resize(QSize(640 + 10 * i, 480 + 7 * i) + chrome);
            QTRY_COMPARE(main.clientArea()->parentWidget()->height(), 480 + 7 * i);
        }
        const double settled = twips::zoom();
        QVERIFY(settled > 1.4);
        // nothing written while the window was still being resized
        QVERIFY(!StartedApp::rememberedZoom().isValid());
        QTRY_COMPARE(StartedApp::rememberedZoom().toDouble(), settled);
        // and nothing after (a write would bring the file back)
        const QString file = StartedApp::settings()->fileName();
        QVERIFY(QFile::remove(file));
        QTest::qWait(2 * FrameZoom::kSettlesMs);
        QVERIFY(!QFile::exists(file));

        // a zoom still settling is written as the game ends
        main.resize(QSize(700, 525) + chrome);
        QTRY_COMPARE(main.clientArea()->parentWidget()->height(), 525);
        QVERIFY(!StartedApp::rememberedZoom().isValid());
        QVERIFY_THROWS_EXCEPTION(ApplicationEnded, main.mnuQuit_Click());
        QCOMPARE(StartedApp::rememberedZoom().toDouble(), twips::zoom());
    }

    void theWindowIconHasEverySize()
    {
        StartedApp s;
        const QIcon icon = s.app->main().windowIcon();
        const QList<QSize> sizes = icon.availableSizes();
        QVERIFY(sizes.contains(QSize(16, 16)) && sizes.contains(QSize(512, 512)));
        for (const QSize& size : sizes) {
            // drawn at that size, not scaled from another
            const QImage image = icon.pixmap(size).toImage();
            QCOMPARE(image.size(), size);
            QCOMPARE(image.pixelColor(0, 0).alpha(), 0);
            QCOMPARE(image.pixelColor(size.width() / 2, size.height() / 2).alpha(), 255);
            QCOMPARE(sizes.count(size), 1);
        }
    }

    void theIconThemesIconComesFirst()
    {
        // a theme that has the game's icon in red, at one size
        QTemporaryDir themes;
        QVERIFY(QDir(themes.path()).mkpath(QStringLiteral("hicolor/48x48/apps")));
        QFile index(themes.filePath(QStringLiteral("hicolor/index.theme")));
        QVERIFY(index.open(QIODevice::WriteOnly));
        index.write("[Icon Theme]\nName=Hicolor\nDirectories=48x48/apps\n[48x48/apps]\nSize=48\nType=Fixed\n");
        index.close();
        QImage red(48, 48, QImage::Format_ARGB32);
        red.fill(Qt::red);
        QVERIFY(red.save(themes.filePath(QStringLiteral("hicolor/48x48/apps/%1.png").arg(launch::kAppId))));
        const QStringList paths = QIcon::themeSearchPaths();
        const QString theme = QIcon::themeName();
        QIcon::setThemeSearchPaths({themes.path()});
        QIcon::setThemeName(QStringLiteral("hicolor"));
        const QColor shown = StartedApp().app->main().windowIcon().pixmap(QSize(48, 48)).toImage().pixelColor(24, 24);
        QIcon::setThemeSearchPaths(paths);
        QIcon::setThemeName(theme);
        QCOMPARE(shown, QColor(Qt::red));
    }
};

CARDOVIA_TEST_MAIN(DesktopTest)
#include "test_desktop.moc"
