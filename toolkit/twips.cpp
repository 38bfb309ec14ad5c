// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/twips.h"

#include "toolkit/fonts.h"

#include <QApplication>
#include <QRectF>
#include <QVariant>
#include <QWidget>
#include <algorithm>
#include <cmath>

namespace twips {

namespace {
constexpr char kRectProperty[] = "twipsRect";
constexpr char kFrameProperty[] = "twipsFrameMargins";
constexpr char kInsetProperty[] = "twipsClientInset";

double zoom_ = 1.0;

// Changes one of the four values and keeps the other three.
void setPart(QWidget* widget, double Rect::*part, double value)
{
    Rect r = rect(widget);
    r.*part = value;
    setRect(widget, r);
}
} // namespace

int toPixels(double twips)
{
    return toPixels(twips, zoom_);
}

int toPixels(double twips, double zoom)
{
    return int(std::lround(twips * zoom / kPerPixel));
}

int lineWidth(double twips)
{
    return std::max(1, toPixels(twips));
}

double fromPixels(double pixels)
{
    return pixels * kPerPixel / zoom_;
}

double zoom()
{
    return zoom_;
}

QEvent::Type zoomChangeEvent()
{
    static const auto type = QEvent::Type(QEvent::registerEventType());
    return type;
}

void setZoom(double factor)
{
    factor = std::clamp(factor, kMinZoom, kMaxZoom);
    if (factor == zoom_)
        return;
    zoom_ = factor;
    const QWidgetList all = QApplication::allWidgets();
    for (QWidget* widget : all) {
        if (const std::optional<Rect> place = placed(widget))
            setRect(widget, *place);
        fonts::rezoom(widget);
    }
    // After every place and font, so that a control deriving more from the
    // zoom sees its neighbours' and its own new size.
    QEvent changed(zoomChangeEvent());
    for (QWidget* widget : all) {
        QCoreApplication::sendEvent(widget, &changed);
        widget->update();
    }
}

Rect rect(const QWidget* widget)
{
    if (const std::optional<Rect> place = placed(widget))
        return *place;
    const QRect g = widget->geometry();
    return {fromPixels(g.x()), fromPixels(g.y()), fromPixels(g.width()), fromPixels(g.height())};
}

bool isPlaced(const QWidget* widget)
{
    return widget->property(kRectProperty).isValid();
}

std::optional<Rect> placed(const QWidget* widget)
{
    const QVariant stored = widget->property(kRectProperty);
    if (!stored.isValid())
        return std::nullopt;
    const QRectF r = stored.toRectF();
    return Rect{r.x(), r.y(), r.width(), r.height()};
}

void setRect(QWidget* widget, const Rect& r)
{
    widget->setProperty(kRectProperty, QRectF(r.left, r.top, r.width, r.height));
    // Edges are converted, not sizes, so neighbouring controls never gain a gap.
    const int x = toPixels(r.left);
    const int y = toPixels(r.top);
    const QMargins frame = frameMargins(widget);
    const int inset = widget->parentWidget() ? clientInset(widget->parentWidget()) : 0;
    widget->setGeometry(x + inset, y + inset,
                        std::max(0, toPixels(r.left + r.width) - x) + frame.left() + frame.right(),
                        std::max(0, toPixels(r.top + r.height) - y) + frame.top() + frame.bottom());
}

double left(const QWidget* widget) { return rect(widget).left; }
double top(const QWidget* widget) { return rect(widget).top; }
double width(const QWidget* widget) { return rect(widget).width; }
double height(const QWidget* widget) { return rect(widget).height; }

void setLeft(QWidget* widget, double value) { setPart(widget, &Rect::left, value); }
void setTop(QWidget* widget, double value) { setPart(widget, &Rect::top, value); }
void setWidth(QWidget* widget, double value) { setPart(widget, &Rect::width, value); }
void setHeight(QWidget* widget, double value) { setPart(widget, &Rect::height, value); }

void setFrameMargins(QWidget* widget, const QMargins& margins)
{
    widget->setProperty(kFrameProperty, QVariant::fromValue(margins));
    setRect(widget, rect(widget));
}

QMargins frameMargins(const QWidget* widget)
{
    const QMargins m = widget->property(kFrameProperty).value<QMargins>();
    return {toPixels(m.left()), toPixels(m.top()), toPixels(m.right()), toPixels(m.bottom())};
}

void setClientInset(QWidget* container, double inset)
{
    container->setProperty(kInsetProperty, inset);
    for (QWidget* child : container->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (const std::optional<Rect> place = placed(child))
            setRect(child, *place);
}

int clientInset(const QWidget* container)
{
    const double inset = container->property(kInsetProperty).toDouble();
    return inset > 0 ? lineWidth(inset) : 0;
}

} // namespace twips
