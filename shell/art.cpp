// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/art.h"

#include "cards/cardart.h"
#include "cards/raven.h"
#include "shell/launch.h"

#include <QCoreApplication>
#include <QIconEngine>
#include <QLinearGradient>
#include <QPainter>
#include <QPixmap>

namespace art {

namespace {

// the icon theme's sizes, as the install has them
constexpr int kIconSizes[] = {CARDOVIA_ICON_SIZES};

void paintIcon(QPainter& painter, const QRectF& rect)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(rect.topLeft());
    painter.scale(rect.width() / kIconGrid, rect.height() / kIconGrid);
    paint(painter, iconShapes());
    painter.restore();
}

// The icon drawn when it is asked for, at the size asked for, offered at
// `sizes`.
class DrawnIcon : public QIconEngine {
public:
    explicit DrawnIcon(QList<int> sizes) : sizes_(std::move(sizes)) {}
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode, QIcon::State) override { paintIcon(*painter, rect); }
    QPixmap pixmap(const QSize& size, QIcon::Mode, QIcon::State) override
    {
        return QPixmap::fromImage(iconImage(std::min(size.width(), size.height())));
    }
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override
    {
        QList<QSize> sizes;
        for (int size : sizes_)
            sizes << QSize(size, size);
        return sizes;
    }
    QIconEngine* clone() const override { return new DrawnIcon(sizes_); }

private:
    QList<int> sizes_;
};

void drawCard(QPainter& painter, const QRectF& r, qreal angle, int suit, const QColor& ink)
{
    painter.save();
    painter.translate(r.center().x(), r.bottom());
    painter.rotate(angle);
    const QRectF card(-r.width() / 2, -r.height(), r.width(), r.height());
    painter.setPen(QPen(QColor(60, 60, 60), 0.8));
    painter.setBrush(QColor(252, 250, 240));
    painter.drawRoundedRect(card, 2.5, 2.5);
    // the cards' own suit art, so no font is loaded for three symbols
    painter.setPen(Qt::NoPen);
    painter.setBrush(ink);
    painter.drawPath(cardart::suitSymbol(suit, card.center(), r.height() * 0.36));
    painter.restore();
}

void drawLogo(QPainter& painter)
{
    const QRectF all(0, 0, 192, 72);
    QLinearGradient felt(all.topLeft(), all.bottomLeft());
    felt.setColorAt(0, QColor(20, 70, 40));
    felt.setColorAt(1, QColor(6, 28, 16));
    painter.setPen(QPen(QColor(212, 175, 55), 2));
    painter.setBrush(felt);
    painter.drawRoundedRect(all.adjusted(1, 1, -1, -1), 9, 9);

    // a fanned hand of three cards with the raven perched on top
    const QRectF cardBox(22, 24, 24, 34);
    drawCard(painter, cardBox.translated(-6, 6), -18, 1, Qt::black);
    drawCard(painter, cardBox.translated(0, 4), 0, 2, QColor(200, 20, 30));
    drawCard(painter, cardBox.translated(6, 6), 18, 3, QColor(200, 20, 30));
    painter.setPen(Qt::NoPen);
    raven::draw(painter, QRectF(18, 2, 40, 36), QColor(10, 10, 14), QColor(240, 200, 60), 1.4);

    QFont name(QStringLiteral("DejaVu Serif"));
    name.setPixelSize(23);
    name.setBold(true);
    name.setLetterSpacing(QFont::AbsoluteSpacing, 0.5);
    painter.setFont(name);
    painter.setPen(QColor(0, 0, 0, 140));
    painter.drawText(QRectF(72, 9, 118, 36), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Corvane"));
    painter.setPen(QColor(240, 204, 90));
    painter.drawText(QRectF(70, 7, 118, 36), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Corvane"));

    QFont tag(QStringLiteral("DejaVu Sans"));
    tag.setPixelSize(10);
    tag.setBold(true);
    tag.setLetterSpacing(QFont::AbsoluteSpacing, 1.4);
    painter.setFont(tag);
    painter.setPen(QColor(220, 236, 220));
    painter.drawText(QRectF(71, 44, 118, 16), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("GAMES & CARDS"));
    painter.setPen(QPen(QColor(212, 175, 55), 1));
    painter.drawLine(QPointF(71, 42), QPointF(180, 42));
}

} // namespace

Picture logo()
{
    // One picture for every screen that shows it, so it is drawn once for
    // the loading screen and the menu both.
    static const Picture logo(QStringLiteral("logo"), QSize(192, 72), drawLogo,
                                    QCoreApplication::translate("art", "Corvane logo"));
    return logo;
}

QList<Shape> iconShapes()
{
    QPainterPath card;
    card.addRoundedRect(QRectF(5.5, 1.5, 21, 29), 3, 3);
    QPainterPath back;
    back.addRoundedRect(QRectF(8, 4, 16, 24), 2, 2);
    const QRectF perch(4, 5, 26, 24);
    return {{.path = card, .fill = QColor(252, 250, 240), .pen = QPen(QColor(40, 40, 40), 1)},
            {.path = back, .fill = QColor(0, 0, 160)},
            {.path = raven::outline(perch), .fill = QColor(10, 10, 14), .pen = QPen(QColor(252, 250, 240), 0.8)},
            {.path = raven::eye(perch, 1.1), .fill = QColor(255, 255, 0)}};
}

void paint(QPainter& painter, const QList<Shape>& shapes)
{
    for (const Shape& shape : shapes) {
        painter.setPen(shape.pen);
        painter.setBrush(shape.fill);
        painter.drawPath(shape.path);
    }
}

QIcon menuIcon()
{
    // drawn once for the frame and the menu both
    static const QIcon icon = [] {
        const Picture picture(QStringLiteral("icon"), QSize(kIconGrid, kIconGrid),
                              [shapes = iconShapes()](QPainter& painter) { paint(painter, shapes); });
        QIcon result;
        for (qreal dpr : {1.0, 2.0})
            result.addPixmap(QPixmap::fromImage(picture.render(dpr)));
        return result;
    }();
    return icon;
}

QIcon windowIcon()
{
    return QIcon::fromTheme(QString::fromUtf8(launch::kAppId),
                            QIcon(new DrawnIcon(QList<int>(std::begin(kIconSizes), std::end(kIconSizes)))));
}

QIcon firstWindowIcon()
{
    return QIcon(new DrawnIcon({16, 32, 48}));
}

QImage iconImage(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    paintIcon(painter, image.rect());
    return image;
}

} // namespace art
