// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Card identity, the picture lookups of the picture store, and the artwork
// itself: sizes, colours, detail at 200 % and the double-ended layout.

#include "cards/cardart.h"
#include "cards/cards.h"
#include "cards/frmcardimages.h"
#include "support/started.h"
#include "support/testmain.h"
#include "support/zoom.h"
#include "toolkit/controls.h"

#include <QImage>
#include <QPainter>
#include <QtTest>
#include <set>

namespace {

bool isRedInk(QRgb p)
{
    return qAlpha(p) > 128 && qRed(p) > 150 && qGreen(p) < 90 && qBlue(p) < 90;
}

int count(const QImage& image, const QRect& area, bool (*test)(QRgb))
{
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            n += test(image.pixel(x, y));
    return n;
}

int channelDistance(QRgb a, QRgb b)
{
    return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)), std::abs(qBlue(a) - qBlue(b)),
                     std::abs(qAlpha(a) - qAlpha(b))});
}

// Share of pixels that change when the picture is turned half round.
double asymmetry(const QImage& image)
{
    const QImage turned = image.mirrored(true, true);
    int differing = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            differing += channelDistance(image.pixel(x, y), turned.pixel(x, y)) > 96;
    return double(differing) / (image.width() * image.height());
}

// Share of 2 x 2 blocks whose four pixels are not all alike: zero for a
// picture that was rendered small and scaled up.
double blockDetail(const QImage& image)
{
    int detailed = 0, blocks = 0;
    for (int y = 0; y + 1 < image.height(); y += 2)
        for (int x = 0; x + 1 < image.width(); x += 2, ++blocks) {
            const QRgb p = image.pixel(x, y);
            detailed += channelDistance(p, image.pixel(x + 1, y)) > 24 || channelDistance(p, image.pixel(x, y + 1)) > 24 ||
                        channelDistance(p, image.pixel(x + 1, y + 1)) > 24;
        }
    return double(detailed) / blocks;
}

// Mean difference per channel of two pictures of the same size.
double meanDifference(const QImage& a, const QImage& b)
{
    double sum = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q));
        }
    return sum / (3.0 * a.width() * a.height());
}

// Pixels where the picture changes sharply: those that differ strongly from
// their right or lower neighbour. Each edge of the artwork gives a row of
// them as long as the edge, so a picture three times the size has three times
// as many, unless its edges were smeared by scaling.
int sharpEdges(const QImage& image)
{
    int n = 0;
    for (int y = 0; y + 1 < image.height(); ++y)
        for (int x = 0; x + 1 < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            n += channelDistance(p, image.pixel(x + 1, y)) > 96 || channelDistance(p, image.pixel(x, y + 1)) > 96;
        }
    return n;
}

QImage resized(const QImage& image, QSize size)
{
    return image.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation).convertToFormat(image.format());
}

QString cardName(int n)
{
    return QStringLiteral("face %1 (rank %2, suit %3)").arg(n).arg(cards::rankOfFace(n)).arg(cards::suitOfFace(n));
}

} // namespace

class CardsTest : public QObject {
    Q_OBJECT

private slots:
    void faceNumbersRunByRankThenSuit()
    {
        QCOMPARE(cards::rankOfFace(1), 1);  // ace of spades
        QCOMPARE(cards::suitOfFace(1), int(cards::Spades));
        QCOMPARE(cards::rankOfFace(4), 1);  // ace of clubs
        QCOMPARE(cards::suitOfFace(4), int(cards::Clubs));
        QCOMPARE(cards::rankOfFace(5), 2);  // two of spades
        QCOMPARE(cards::suitOfFace(5), int(cards::Spades));
        QCOMPARE(cards::rankOfFace(52), 13);  // king of clubs
        QCOMPARE(cards::suitOfFace(52), int(cards::Clubs));
        for (int n : {0, -1, 53, 1000}) {
            QCOMPARE(cards::rankOfFace(n), 0);
            QCOMPARE(cards::suitOfFace(n), 0);
        }
        // every card value and suit has its own face, and the face names that card back
        std::set<int> seen;
        for (int value = 2; value <= 14; ++value)
            for (int suit = 1; suit <= 4; ++suit) {
                const int n = cards::faceNumber(value, suit);
                QVERIFY(seen.insert(n).second);
                QCOMPARE(cards::rankOfFace(n), value == 14 ? 1 : value);
                QCOMPARE(cards::suitOfFace(n), suit);
            }
        QCOMPARE(int(seen.size()), 52);
        QCOMPARE(*seen.begin(), 1);
        QCOMPARE(*seen.rbegin(), 52);
        for (auto [value, suit] : {std::pair{1, 1}, {5, 0}, {15, 1}, {2, 5}, {0, 0}, {-14, 2}, {14, -1}})
            QCOMPARE(cards::faceNumber(value, suit), 0);
    }

    void everyCardIsNamedAsAPlayerNamesIt()
    {
        QCOMPARE(cards::faceName(1), QStringLiteral("Ace of Spades"));
        QCOMPARE(cards::faceName(6), QStringLiteral("2 of Hearts"));
        QCOMPARE(cards::faceName(40), QStringLiteral("10 of Clubs"));
        QCOMPARE(cards::faceName(41), QStringLiteral("Jack of Spades"));
        QCOMPARE(cards::faceName(46), QStringLiteral("Queen of Hearts"));
        QCOMPARE(cards::faceName(51), QStringLiteral("King of Diamonds"));
        for (int n : {0, 53, -1})
            QCOMPARE(cards::faceName(n), QString());
        // each face's picture says which card it is, each back that it is a back
        std::set<QString> names;
        for (int n = 1; n <= cards::kFaces; ++n) {
            QCOMPARE(cardart::face(n).description(), cards::faceName(n));
            names.insert(cards::faceName(n));
            // a name says its face's rank first and its suit last, as the
            // ace of the suit and the spade of the rank do
            const auto word = [](int face, int at) { return cards::faceName(face).section(QLatin1Char(' '), at, at); };
            const int rank = cards::rankOfFace(n);
            QCOMPARE(word(n, 0), word(cards::faceNumber(rank == 1 ? 14 : rank, cards::Spades), 0));
            QCOMPARE(word(n, -1), word(cards::suitOfFace(n), -1));
        }
        QCOMPARE(int(names.size()), cards::kFaces);
        for (int k = 0; k < cards::kBacks; ++k)
            QCOMPARE(cardart::back(k).description(), QStringLiteral("Card back"));
    }

    void thePictureStoreLooksCardsUp()
    {
        StartedApp s;
        const frmCardImages* images = s.app->existing<frmCardImages>();
        QVERIFY(images);
        QVERIFY(!images->cardpicture(14, 2).isNull());
        QCOMPARE(images->cardpicture(14, 2), images->Image1(2));
        QCOMPARE(images->cardpicture(2, 1), images->Image1(5));
        QCOMPARE(images->cardpicture(13, 4), images->Image1(52));
        QVERIFY(!(images->cardpicture(2, 1) == images->Image1(1)));
        for (auto [value, suit] : {std::pair<qint16, qint16>{1, 1}, {5, 0}, {15, 1}, {2, 5}, {-1, -1}})
            QVERIFY(images->cardpicture(value, suit).isNull());
        for (int n : {0, 53, -1})
            QVERIFY(images->Image1(n).isNull());
        for (int k : {-1, 5, 100})
            QVERIFY(images->PictureClip1(k).isNull());

        std::set<QString> keys;
        for (int n = 1; n <= 52; ++n) {
            QCOMPARE(images->Image1(n).size(), QSize(71, 96));
            keys.insert(images->Image1(n).key());
        }
        for (int k = 0; k <= 4; ++k) {
            QCOMPARE(images->PictureClip1(k).size(), QSize(k == 2 ? 72 : 71, 96));
            keys.insert(images->PictureClip1(k).key());
        }
        QCOMPARE(int(keys.size()), 57);
    }

    void everyPictureIsDrawnAfreshAtTwiceTheSize()
    {
        std::vector<Picture> pictures;
        for (int n = 1; n <= 52; ++n)
            pictures.push_back(cardart::face(n));
        for (int k = 0; k <= 4; ++k)
            pictures.push_back(cardart::back(k));
        for (const Picture& picture : pictures) {
            const QImage small = picture.render(1);
            const QImage large = picture.render(2);
            QCOMPARE(small.size(), picture.size());
            QCOMPARE(large.size(), picture.size() * 2);
            const double detail = blockDetail(large);
            QVERIFY2(detail > 0.02, qPrintable(QStringLiteral("%1: detail %2").arg(picture.key()).arg(detail)));
            // halved, it is the 100 % picture: the same drawing in the same place
            const double drift = meanDifference(resized(large, small.size()), small);
            QVERIFY2(drift < 12, qPrintable(QStringLiteral("%1: differs by %2").arg(picture.key()).arg(drift)));
            // yet it is sharper than the 100 % picture blown up
            const double sharper = meanDifference(large, resized(small, large.size()));
            QVERIFY2(sharper > 1, qPrintable(QStringLiteral("%1: only %2 sharper").arg(picture.key()).arg(sharper)));
        }
    }

    void aCardOnScreenIsDrawnAfreshAtEveryZoom()
    {
        // War's card in play: a borderless box a little larger than the card
        QWidget window;
        PictureBox* box = controls::image(&window, "piccard2", {3360, 2040, 1095, 1475});
        box->setBackColor(Qt::white);
        for (int n : {1, 24, 37, 52}) {
            const Picture card = cardart::face(n);
            box->setPicture(card);
            const QImage one = box->grab().toImage();
            const AtZoom zoom(3.0);
            const QImage three = box->grab().toImage();
            QCOMPARE(three.size(), QSize(219, 295));
            // as sharp as ever: at least three times the sharp edge pixels
            const int sharpOne = sharpEdges(one), sharpThree = sharpEdges(three);
            QVERIFY2(sharpThree >= 3 * sharpOne, qPrintable(QStringLiteral("%1: %2 sharp edge pixels at 100 %, %3 at 300 %")
                                                               .arg(card.key()).arg(sharpOne).arg(sharpThree)));
            // and it is the artwork drawn at that size, not a bitmap blown up
            QImage fresh(card.size() * 3, QImage::Format_RGB32);
            fresh.fill(Qt::white);
            QPainter(&fresh).drawImage(0, 0, card.render(1.0, 3.0));
            const double drift = meanDifference(three.copy(fresh.rect()).convertToFormat(fresh.format()), fresh);
            QVERIFY2(drift < 0.5, qPrintable(QStringLiteral("%1: differs by %2").arg(card.key()).arg(drift)));
        }
    }

    void redSuitsAreInkedRedAndBlackSuitsNot()
    {
        const QRect corner(0, 0, 13, 25);
        for (int n = 1; n <= 52; ++n) {
            const QImage image = cardart::face(n).render(2);
            const bool red = cards::isRed(cards::suitOfFace(n));
            const int cornerRed = count(image, QRect(corner.topLeft() * 2, corner.size() * 2), isRedInk);
            QVERIFY2(red ? cornerRed > 40 : cornerRed == 0, qPrintable(cardName(n)));
            // court figures wear red whatever their suit; every other black card has none
            if (cards::rankOfFace(n) <= 10 && !red)
                QVERIFY2(count(image, image.rect(), isRedInk) == 0, qPrintable(cardName(n)));
        }
    }

    void facesReadTheSameFromBothEnds()
    {
        // the 2, 4 and 10 and the double-headed courts look alike turned
        // round; a lower pip left upright or a one-ended figure breaks that
        for (int n = 1; n <= 52; ++n) {
            if (!std::set{2, 4, 10, 11, 12, 13}.contains(cards::rankOfFace(n)))
                continue;
            const double share = asymmetry(cardart::face(n).render(2));
            QVERIFY2(share < 0.004, qPrintable(QStringLiteral("%1: %2").arg(cardName(n)).arg(share)));
        }
        // a centre pip, though, stays upright
        QVERIFY(asymmetry(cardart::face(cards::faceNumber(3, cards::Hearts)).render(2)) > 0.005);
    }

    void theAceOfSpadesIsTheLargestAce()
    {
        // the height of the ink between the corner indices, inside the border
        auto extent = [](int n) {
            const QImage image = cardart::face(n).render(1);
            int top = image.height(), bottom = -1;
            for (int y = 2; y < image.height() - 2; ++y)
                for (int x = 14; x < 57; ++x)
                    if (qAlpha(image.pixel(x, y)) > 128 && qGray(image.pixel(x, y)) < 160) {
                        top = std::min(top, y);
                        bottom = std::max(bottom, y);
                    }
            return bottom - top;
        };
        for (int n : {2, 3, 4})
            QVERIFY2(extent(1) > 1.25 * extent(n), qPrintable(QStringLiteral("%1 against %2").arg(extent(1)).arg(extent(n))));
    }

    void allPicturesDiffer()
    {
        std::set<QByteArray> seen;
        auto bytes = [](const QImage& image) {
            return QByteArray(reinterpret_cast<const char*>(image.constBits()), image.sizeInBytes());
        };
        for (int n = 1; n <= 52; ++n)
            QVERIFY2(seen.insert(bytes(cardart::face(n).render(1))).second, qPrintable(cardName(n)));
        for (int k = 0; k <= 4; ++k)
            QVERIFY2(seen.insert(bytes(cardart::back(k).render(1))).second, qPrintable(QString::number(k)));
    }

    void backsHaveAWhiteMarginAroundTheirPattern()
    {
        for (int k = 0; k <= 4; ++k) {
            const QImage image = cardart::back(k).render(2);
            const int w = image.width(), h = image.height();
            for (QPoint margin : {QPoint(5, h / 2), QPoint(w - 6, h / 2), QPoint(w / 2, 5), QPoint(w / 2, h - 6)})
                QCOMPARE(image.pixel(margin), qRgb(255, 255, 255));
            double gray = 0;
            const QRect panel(10, 10, w - 20, h - 20);
            for (int y = panel.top(); y <= panel.bottom(); ++y)
                for (int x = panel.left(); x <= panel.right(); ++x)
                    gray += qGray(image.pixel(x, y));
            QVERIFY(gray / (panel.width() * panel.height()) < 180);
            // the corners outside the rounded card stay transparent
            QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
        }
    }
};

CARDOVIA_TEST_MAIN(CardsTest)
#include "test_cards.moc"
