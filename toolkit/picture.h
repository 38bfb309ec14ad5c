// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Picture values: immutable artwork drawn from vectors at the resolution of
// the device it is painted on, so it stays crisp at any scale.

#include <QImage>
#include <QSize>
#include <QString>
#include <functional>
#include <memory>

class QPainter;

// Two pictures are equal when they show the same artwork (the same key).
class Picture {
public:
    using Draw = std::function<void(QPainter&)>;

    Picture() = default;
    // The description is what a screen reader says for the artwork, such as
    // "Queen of Hearts"; artwork that is only decoration has none.
    Picture(QString key, QSize size, Draw draw, QString description = {});

    bool isNull() const { return !data_; }
    QString key() const;
    QSize size() const;  // in logical pixels
    QString description() const;

    // Draws the artwork `scale` times its size, rendered afresh for that
    // scale and the device's pixel ratio; the last rendering is kept, and
    // shared by every copy of the picture.
    void paint(QPainter& painter, QPointF topLeft, qreal scale = 1.0) const;
    // The artwork at `scale` times its size, on an image of that many device
    // pixels per logical pixel.
    QImage render(qreal devicePixelRatio, qreal scale = 1.0) const;
    // Draws the artwork's vectors with the painter as it stands, so that a
    // larger drawing made of pictures stays crisp at the painter's scale.
    void draw(QPainter& painter) const;

    friend bool operator==(const Picture& a, const Picture& b) { return a.key() == b.key(); }

private:
    struct Data;
    std::shared_ptr<Data> data_;
};
