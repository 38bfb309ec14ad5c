// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/controls.h"

#include "toolkit/classic.h"
#include "toolkit/fit.h"

#include <QApplication>
#include <QGroupBox>
#include <QPainter>
#include <QProxyStyle>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyleFactory>
#include <cmath>

namespace controls {

namespace {

constexpr char kCaptionGapProperty[] = "captionGapTwips";

// The application's style, with every measure it takes in pixels (the
// circle of an option button, margins, a scroll bar's arrows) grown with the
// zoom for the controls placed in twips. The menu bar and the message boxes
// keep the desktop's sizes.
class ZoomStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;

    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override
    {
        if (metric == PM_RadioButtonLabelSpacing && widget && widget->property(kCaptionGapProperty).isValid())
            return twips::toPixels(widget->property(kCaptionGapProperty).toDouble());
        const int pixels = QProxyStyle::pixelMetric(metric, option, widget);
        if (!widget || !twips::isPlaced(widget))
            return pixels;
        return int(std::lround(pixels * twips::zoom()));
    }

    // Every caption (a label's, a button's, an option's) is drawn here: one
    // that runs longer than its box, as a translation may, is drawn smaller.
    void drawItemText(QPainter* painter, const QRect& box, int flags, const QPalette& palette, bool enabled,
                      const QString& text, QPalette::ColorRole role) const override
    {
        const std::optional<QFont> fitted = fit::within(painter->font(), box, flags, text);
        if (!fitted || *fitted == painter->font())
            return QProxyStyle::drawItemText(painter, box, flags, palette, enabled, text, role);
        painter->save();
        painter->setFont(*fitted);
        QProxyStyle::drawItemText(painter, box, flags, palette, enabled, text, role);
        painter->restore();
    }
};

// The control name is for the code only: a screen reader reads what the
// control shows (a caption, a label's text, a picture's description).
template <class W>
W* named(W* widget, const QString& name, const twips::Rect& rect)
{
    widget->setObjectName(name);
    twips::setRect(widget, rect);
    return widget;
}

} // namespace

QStyle* zoomStyle(QStyle* base)
{
    return new ZoomStyle(base);
}

QString plainCaption(const QString& caption)
{
    QString plain;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == QLatin1Char('&') && i + 1 < caption.size())
            ++i;
        else if (caption[i] == QLatin1Char('&'))
            continue;
        plain += caption[i];
    }
    return plain;
}

QPushButton* commandButton(QWidget* parent, const QString& name, const QString& caption,
                           const twips::Rect& rect)
{
    auto* button = new QPushButton(caption, parent);
    new EnterPresses(button);
    return named(button, name, rect);
}

Label* label(QWidget* parent, const QString& name, const QString& caption, const twips::Rect& rect)
{
    auto* l = new Label(parent);
    l->setText(caption);
    return named(l, name, rect);
}

QRadioButton* optionButton(QWidget* parent, const QString& name, const QString& caption,
                           const twips::Rect& rect)
{
    return named(new QRadioButton(caption, parent), name, rect);
}

QGroupBox* frame(QWidget* parent, const QString& name, const QString& caption, const twips::Rect& rect)
{
    return named(new QGroupBox(caption, parent), name, rect);
}

PictureBox* pictureBox(QWidget* parent, const QString& name, const twips::Rect& rect)
{
    auto* box = new PictureBox(parent, PictureBox::Border::Sunken);
    box->setBackColor(classic::kFace);
    return named(box, name, rect);
}

PictureBox* image(QWidget* parent, const QString& name, const twips::Rect& rect, PictureBox::Border border)
{
    return named(new PictureBox(parent, border), name, rect);
}

QScrollBar* hScrollBar(QWidget* parent, const QString& name, const twips::Rect& rect)
{
    auto* bar = new QScrollBar(Qt::Horizontal, parent);
    // The arrow keys move it; the style draws no focus of its own on a bar.
    bar->setFocusPolicy(Qt::StrongFocus);
    new FocusFrame(bar);
    return named(bar, name, rect);
}

Shape* line(QWidget* parent, const QString& name, double x1, double y1, double x2, double y2)
{
    auto* shape = new Shape(parent, Shape::Kind::Line);
    shape->setObjectName(name);
    shape->setLine(x1, y1, x2, y2);
    return shape;
}

Shape* rectangle(QWidget* parent, const QString& name, const twips::Rect& rect)
{
    return named(new Shape(parent, Shape::Kind::Rectangle), name, rect);
}

void setCaptionGap(QRadioButton* option, double twips)
{
    option->setProperty(kCaptionGapProperty, twips);
    option->updateGeometry();
    option->update();
}

QString indexed(const QString& name, int index)
{
    return QStringLiteral("%1(%2)").arg(name).arg(index);
}

void setBackColor(QWidget* widget, const QColor& color)
{
    QPalette p = widget->palette();
    p.setColor(QPalette::Window, color);
    widget->setPalette(p);
    widget->setAutoFillBackground(true);
}

} // namespace controls
