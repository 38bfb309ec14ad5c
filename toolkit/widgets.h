// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The control kinds that Qt lacks: a label that raises Click and can be
// opaque or transparent, the picture box and image, and drawn shapes.

#include "toolkit/picture.h"

#include <QLabel>
#include <QWidget>

// A label whose background can be opaque or transparent and which raises Click.
class Label : public QLabel {
    Q_OBJECT
public:
    explicit Label(QWidget* parent);

    void setOpaque(bool opaque);
    bool isOpaque() const { return autoFillBackground(); }
    void setBackColor(const QColor& color);
    QColor backColor() const;
    void setForeColor(const QColor& color);
    void setBorder(bool single);
    // The label's height holds one line. Where the stand-in face runs wider
    // than the original one, the font gives way a pixel at a time until the
    // whole caption fits, instead of wrapping out of sight or losing its end.
    // It fits again at every zoom.
    void fitOnOneLine();

signals:
    void clicked();

protected:
    bool event(QEvent* event) override;

private:
    bool fitted_ = false;
};

// The picture box and the image: a picture drawn from the top-left corner of
// the client area, an optional border and background, and Click. Controls
// made inside it are placed in its client area, within the border. A screen
// reader calls it by its accessible name where the screen gives one, else by
// the description of the picture it shows.
class PictureBox : public QWidget {
    Q_OBJECT
public:
    enum class Border { None, Single, Sunken };

    PictureBox(QWidget* parent, Border border);

    Border border() const { return border_; }
    void setPicture(const Picture& picture);
    const Picture& picture() const { return picture_; }
    void setBackColor(const QColor& color);  // an invalid colour is transparent
    QColor backColor() const { return backColor_; }
    // Redraws at once, before the caller's next step.
    void refresh();
    // Whether a Click does something: a screen listens to it.
    bool pressable() const;

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Border border_;
    Picture picture_;
    QColor backColor_;
};

// A line or rectangle drawn as stored; it takes no clicks.
class Shape : public QWidget {
    Q_OBJECT
public:
    enum class Kind { Line, Rectangle };
    Shape(QWidget* parent, Kind kind);
    // For a line: its two ends in the parent's twips.
    void setLine(double x1, double y1, double x2, double y2);
    void setColor(const QColor& color);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Kind kind_;
    QLineF line_;  // in twips, relative to the parent
    QColor color_ = Qt::black;
};
