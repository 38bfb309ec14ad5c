// The toolkit layer: twips, captions and fonts.

#include "toolkit/controls.h"

#include <QFontInfo>
#include <QtTest>

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
