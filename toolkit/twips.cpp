#include "toolkit/twips.h"

#include <QRectF>
#include <QVariant>
#include <QWidget>
#include <cmath>

namespace twips {

namespace {
constexpr char kRectProperty[] = "twipsRect";
constexpr char kFrameProperty[] = "twipsFrameMargins";

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
    return int(std::lround(twips / kPerPixel));
}

Rect rect(const QWidget* widget)
{
    const QVariant stored = widget->property(kRectProperty);
    if (stored.isValid()) {
        const QRectF r = stored.toRectF();
        return {r.x(), r.y(), r.width(), r.height()};
    }
    const QRect g = widget->geometry();
    return {g.x() * kPerPixel, g.y() * kPerPixel, g.width() * kPerPixel, g.height() * kPerPixel};
}

void setRect(QWidget* widget, const Rect& r)
{
    widget->setProperty(kRectProperty, QRectF(r.left, r.top, r.width, r.height));
    // Edges are converted, not sizes, so neighbouring controls never gain a gap.
    const int x = toPixels(r.left);
    const int y = toPixels(r.top);
    const QMargins frame = widget->property(kFrameProperty).value<QMargins>();
    widget->setGeometry(x, y,
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

} // namespace twips
