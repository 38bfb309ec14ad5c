// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The toolkit layer: twips, the zoom, pictures, captions, fonts and where
// controls inside a picture box go.

#include "support/logged.h"
#include "support/testmain.h"
#include "support/zoom.h"
#include "toolkit/controls.h"
#include "toolkit/fit.h"
#include "toolkit/language.h"
#include "toolkit/services.h"

#include <QFontInfo>
#include <QPainter>
#include <QtTest>
#include <cmath>
#include <memory>
#include <vector>

namespace {

QColor pixel(QWidget* widget, int x, int y)
{
    return widget->grab().toImage().pixelColor(x, y);
}

} // namespace

class ToolkitTest : public QObject {
    Q_OBJECT

    ToolkitServices services_;

private slots:
    void twipsAreKeptExactlyAndDrawnInPixels()
    {
        QWidget parent;
        QWidget w(&parent);
        twips::setRect(&w, {1237.5, 1740, 4215, 2535});
        QCOMPARE(twips::left(&w), 1237.5);
        QCOMPARE(twips::top(&w), 1740.0);
        QCOMPARE(w.geometry(), QRect(83, 116, 281, 169));
        // a card moved 50 twips at a time ends exactly where the sum says
        for (int i = 0; i < 40; ++i)
            twips::setLeft(&w, twips::left(&w) + 50);
        QCOMPARE(twips::left(&w), 3237.5);
        // neighbours meet without a gap: the first one's right edge is the second's left
        QWidget a(&parent), b(&parent);
        twips::setRect(&a, {0, 0, 1010, 10});
        twips::setRect(&b, {1010, 0, 1010, 10});
        QCOMPARE(a.geometry().right() + 1, b.geometry().left());
        // a place in twips only where one was given
        QVERIFY(twips::placed(&b) == (twips::Rect{1010, 0, 1010, 10}));
        QVERIFY(!twips::placed(&parent));
    }

    void aZoomScalesEveryEdgeAndKeepsTheTwips()
    {
        QWidget parent;
        QWidget w(&parent), a(&parent), b(&parent);
        twips::setRect(&w, {1238, 1740, 4212, 2538});
        twips::setRect(&a, {0, 0, 1010, 10});
        twips::setRect(&b, {1010, 0, 1010, 10});
        const AtZoom zoom(1.75);
        QCOMPARE(twips::rect(&w), (twips::Rect{1238, 1740, 4212, 2538}));
        // edges at 144.43, 203, 635.83 and 499.1 pixels: the width is 492,
        // where a width rounded by itself (491.4) would leave the right edge short
        QCOMPARE(w.geometry(), QRect(144, 203, 492, 296));
        QCOMPARE(a.geometry().right() + 1, b.geometry().left());
        // a control placed while zoomed is placed at the zoom, and moves in twips
        twips::setLeft(&w, twips::left(&w) + 50);
        QCOMPARE(twips::left(&w), 1288.0);
        QCOMPARE(w.geometry().left(), 150);
        twips::setZoom(1.0);
        QCOMPARE(w.geometry(), QRect(86, 116, 281, 169));
    }

    void aPictureBoxPlacesItsControlsInsideItsBorder()
    {
        QWidget window;
        window.resize(600, 400);
        PictureBox* sunken = controls::pictureBox(&window, "Picture1", {0, 0, 3000, 3000});
        Label* cell = controls::label(sunken, "Label1", "7", {120, 480, 375, 375});
        PictureBox* framed = controls::image(&window, "Image1", {3000, 0, 1500, 1500}, PictureBox::Border::Single);
        Label* single = controls::label(framed, "Label2", "8", {0, 0, 375, 375});
        PictureBox* bare = controls::image(&window, "Image2", {4500, 0, 1500, 1500});
        Label* plain = controls::label(bare, "Label3", "9", {0, 0, 375, 375});
        // Left 0, Top 0 is the corner inside the two-pixel sunken edge, the
        // one-pixel single line, or the box's own corner without a border
        QCOMPARE(cell->geometry(), QRect(2 + 8, 2 + 32, 25, 25));
        QCOMPARE(single->geometry(), QRect(1, 1, 25, 25));
        QCOMPARE(plain->geometry(), QRect(0, 0, 25, 25));
        // the edge drawn is the one the controls stand inside
        QCOMPARE(pixel(sunken, 0, 0), QColor(128, 128, 128));
        QCOMPARE(pixel(sunken, 1, 1), QColor(64, 64, 64));
        QCOMPARE(pixel(sunken, 2, 2), QColor(212, 208, 200));
        QCOMPARE(pixel(sunken, 199, 199), QColor(Qt::white));
        QCOMPARE(pixel(sunken, 198, 198), QColor(212, 208, 200));

        // at 175 % the edge is four pixels, and so is the step inside it
        const AtZoom zoom(1.75);
        QCOMPARE(cell->geometry(), QRect(4 + 14, 4 + 56, 44, 44));
        QCOMPARE(single->geometry(), QRect(2, 2, 44, 44));
        QCOMPARE(plain->geometry(), QRect(0, 0, 44, 44));
        QCOMPARE(pixel(sunken, 1, 1), QColor(128, 128, 128));
        QCOMPARE(pixel(sunken, 2, 2), QColor(64, 64, 64));
        QCOMPARE(pixel(sunken, 3, 3), QColor(64, 64, 64));
        QCOMPARE(pixel(sunken, 4, 4), QColor(212, 208, 200));
        QCOMPARE(pixel(framed, 1, 1), QColor(Qt::black));
    }

    void aZoomDrawsFontsLinesAndPicturesAnew()
    {
        QWidget window;
        window.resize(800, 600);
        fonts::setStandard(&window);
        Label* caption = controls::label(&window, "Label1", "Click on this picture.", {0, 0, 1455, 255});
        caption->fitOnOneLine();
        Label* framed = controls::label(&window, "Label2", "42", {0, 600, 1200, 600});
        fonts::set(framed, "Courier New", 11.25, fonts::Bold);
        framed->setBorder(true);
        Shape* line = controls::line(&window, "Line1", 300, 1500, 3000, 1500);
        int drawn = 0;
        PictureBox* box = controls::image(&window, "Image1", {0, 2000, 600, 600});
        box->setPicture(Picture("checks", QSize(10, 10), [&](QPainter& p) {
            ++drawn;
            p.fillRect(0, 0, 10, 10, Qt::white);
            p.fillRect(0, 0, 5, 5, Qt::black);
        }));
        QCOMPARE(framed->font().pixelSize(), 15);
        QCOMPARE(framed->lineWidth(), 1);
        const auto inkedRows = [line] {
            const QImage drawn = line->grab().toImage();
            QList<int> rows;
            for (int y = 0; y < drawn.height(); ++y)
                if (drawn.pixelColor(drawn.width() / 2, y) == QColor(Qt::black))
                    rows << y;
            return rows;
        };
        // one pixel, on the line's own row of its two-pixel box
        QCOMPARE(line->height(), 2);
        QCOMPARE(inkedRows(), QList<int>{1});
        box->grab();
        QCOMPARE(drawn, 1);

        const AtZoom zoom(3.0);
        // the points again, three times the pixels; a border line three pixels wide
        QCOMPARE(framed->font().pixelSize(), 45);
        QCOMPARE(QFontInfo(framed->font()).family(), fonts::substitute("Courier New"));
        QVERIFY(framed->font().bold());
        QCOMPARE(framed->lineWidth(), 3);
        // a caption fitted to one line fits again
        QVERIFY(QFontMetrics(caption->font()).horizontalAdvance(caption->text()) <= caption->width());
        QVERIFY(caption->font().pixelSize() > 3 * 9);
        // three pixels wide, on the same line of the twips
        QCOMPARE(line->height(), 6);
        QCOMPARE(inkedRows(), (QList<int>{2, 3, 4}));
        // the picture drawn afresh at thirty pixels a side, its squares sharp
        const QImage art = box->grab().toImage();
        QCOMPARE(drawn, 2);
        QCOMPARE(art.pixelColor(14, 14), QColor(Qt::black));
        QCOMPARE(art.pixelColor(15, 15), QColor(Qt::white));
        QCOMPARE(art.pixelColor(29, 0), QColor(Qt::white));
    }

    void aCaptionGivesWayOnlyWhereItRunsLonger()
    {
        const QFont font = QApplication::font();
        const QString text = QStringLiteral("Click on this picture.");
        const QRect roomy(0, 0, QFontMetrics(font).horizontalAdvance(text) * 5 / 4, 100);
        QVERIFY(fit::within(font, roomy, Qt::AlignLeft, text) == font);
        // asked again in a narrower box, or for a screen of twice the density
        const std::optional<QFont> smaller = fit::within(font, roomy.adjusted(0, 0, -roomy.width() / 4, 0), Qt::AlignLeft, text);
        QVERIFY(smaller && smaller->pointSizeF() < font.pointSizeF());
        QImage dense(1, 1, QImage::Format_ARGB32);
        dense.setDotsPerMeterY(2 * dense.dotsPerMeterY());
        const QFont denser(font, &dense);
        QVERIFY(fit::within(denser, roomy, Qt::AlignLeft, text) != denser);
    }

    void aRowOfControlsMeetsWithoutGapsOrOverlaps()
    {
        // Widths that are no whole number of pixels: converting each size on
        // its own would open a gap or an overlap somewhere along the row.
        QWidget parent;
        std::vector<std::unique_ptr<QWidget>> row;
        for (int i = 0; i < 9; ++i) {
            row.push_back(std::make_unique<QWidget>(&parent));
            twips::setRect(row.back().get(), {1010.0 * i, 0, 1010, 10});
        }
        for (std::size_t i = 1; i < row.size(); ++i)
            QCOMPARE(row[i - 1]->geometry().right() + 1, row[i]->geometry().left());
        // and the row ends where its last twip does
        QCOMPARE(row.back()->geometry().right() + 1, twips::toPixels(9 * 1010.0));
    }

    void aPictureIsDrawnAfreshForADenserScreen()
    {
        // a ring with a sharp edge: at twice the density it has twice the detail
        const Picture ring(QStringLiteral("test ring"), QSize(20, 20), [](QPainter& p) {
            p.setPen(QPen(Qt::black, 1.5));
            p.drawEllipse(QRectF(2.5, 2.5, 15, 15));
        });
        const auto paintedAt = [&](qreal ratio) {
            QImage image(QSize(20, 20) * ratio, QImage::Format_ARGB32_Premultiplied);
            image.setDevicePixelRatio(ratio);
            image.fill(Qt::transparent);
            QPainter painter(&image);
            ring.paint(painter, QPointF(0, 0));
            return image;
        };
        // painted at 100 % first, so a drawing kept from then is at hand
        QCOMPARE(paintedAt(1), ring.render(1));
        QCOMPARE(paintedAt(2), ring.render(2));
        QCOMPARE(paintedAt(1), ring.render(1));
    }

    void captionsReadAloudWithoutAccessKeys()
    {
        QCOMPARE(controls::plainCaption("&Fire && Ice"), QStringLiteral("Fire & Ice"));
        QCOMPARE(controls::plainCaption("&Click here to continue."), QStringLiteral("Click here to continue."));
        QCOMPARE(controls::plainCaption("Quit"), QStringLiteral("Quit"));
        QCOMPARE(controls::plainCaption("a&"), QStringLiteral("a"));
    }

    void everyDesignFamilyHasAnInstalledFace()
    {
        for (const char* family : {"MS Sans Serif", "Arial Rounded MT Bold", "Courier New", "Standout",
                                   "Jester", "Challenge Extra Bold", "Wide Latin"}) {
            const QFont f = fonts::font(family, 12, fonts::Bold);
            QVERIFY2(QFontInfo(f).family() == fonts::substitute(family),
                     qPrintable(QStringLiteral("%1 -> %2, got %3")
                                    .arg(family, fonts::substitute(family), QFontInfo(f).family())));
            QCOMPARE(f.pixelSize(), 16);
        }
        // an unknown family still gives a usable face
        QVERIFY(!QFontInfo(fonts::font("No Such Face", 10)).family().isEmpty());
    }

    // A language the game does not speak is English, and the log says so;
    // one it speaks says nothing, and its catalogues go with their owner.
    void aLanguageWithoutCataloguesIsEnglishAndSaysSo()
    {
        const char* source = "Grizzle plays %1.";
        {
            Logged log;
            const language::Catalogues esperanto(QLocale(QStringLiteral("eo")));
            QVERIFY2(log.says("cardovia.language", {"eo", "English"}), qPrintable(log.lines().join('\n')));
            QCOMPARE(QCoreApplication::translate("frmWar", source), QString::fromLatin1(source));
        }
        {
            Logged log;
            const language::Catalogues german(QLocale(QStringLiteral("de")));
            QVERIFY2(log.lines().isEmpty(), qPrintable(log.lines().join('\n')));
            QVERIFY(QCoreApplication::translate("frmWar", source) != QString::fromLatin1(source));
        }
        QCOMPARE(QCoreApplication::translate("frmWar", source), QString::fromLatin1(source));
    }
};

CARDOVIA_TEST_MAIN(ToolkitTest)
#include "test_toolkit.moc"
