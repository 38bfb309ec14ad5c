// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/picture.h"

#include <QPainter>
#include <QPixmap>

struct Picture::Data {
    QString key;
    QSize size;
    Draw draw;
    QString description;
    // The last rendering, reused while the scale and the device pixel ratio
    // stay the same.
    QPixmap cache;
    qreal cacheScale = 0;
};

Picture::Picture(QString key, QSize size, Draw draw, QString description)
    : data_(std::make_shared<Data>(Data{std::move(key), size, std::move(draw), std::move(description), {}}))
{
}

QString Picture::key() const
{
    return data_ ? data_->key : QString();
}

QSize Picture::size() const
{
    return data_ ? data_->size : QSize();
}

QString Picture::description() const
{
    return data_ ? data_->description : QString();
}

QImage Picture::render(qreal devicePixelRatio, qreal scale) const
{
    if (!data_)
        return {};
    QImage image(data_->size * (scale * devicePixelRatio), QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(devicePixelRatio);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.scale(scale, scale);
    data_->draw(painter);
    return image;
}

void Picture::draw(QPainter& painter) const
{
    if (!data_)
        return;
    painter.save();
    data_->draw(painter);
    painter.restore();
}

void Picture::paint(QPainter& painter, QPointF topLeft, qreal scale) const
{
    if (!data_)
        return;
    const qreal dpr = painter.device() ? painter.device()->devicePixelRatioF() : 1.0;
    if (data_->cache.isNull() || !qFuzzyCompare(data_->cache.devicePixelRatioF(), dpr) ||
        !qFuzzyCompare(data_->cacheScale, scale)) {
        data_->cache = QPixmap::fromImage(render(dpr, scale));
        data_->cacheScale = scale;
    }
    painter.drawPixmap(topLeft, data_->cache);
}
