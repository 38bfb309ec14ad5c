// The toolkit layer: twips, pictures, captions and fonts.

#include "toolkit/controls.h"

#include <QFontInfo>
#include <QPainter>
#include <QtTest>
#include <memory>
#include <vector>

class ToolkitTest : public QObject {
    Q_OBJECT

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
};

QTEST_MAIN(ToolkitTest)
#include "test_toolkit.moc"
