#pragma once
// Positions and sizes in twips. The logic reads and writes a control's twips
// exactly as the screens store them; only the pixels are derived.

#include <QMargins>

class QWidget;

namespace twips {

// At 100 % scale one logical pixel is 15 twips; Qt's device pixel ratio takes
// care of denser screens.
inline constexpr double kPerPixel = 15.0;

struct Rect {
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;
    bool operator==(const Rect&) const = default;
};

int toPixels(double twips);

// The twip geometry of a widget is kept exactly as the logic wrote it; the
// pixel geometry is derived from it.
Rect rect(const QWidget* widget);
void setRect(QWidget* widget, const Rect& rect);
double left(const QWidget* widget);
double top(const QWidget* widget);
double width(const QWidget* widget);
double height(const QWidget* widget);
void setLeft(QWidget* widget, double left);
void setTop(QWidget* widget, double top);
void setWidth(QWidget* widget, double width);
void setHeight(QWidget* widget, double height);

// Pixels drawn around a widget's twip area, such as a dialog's border and
// caption bar: its pixel geometry grows by them, its twips stay the same.
void setFrameMargins(QWidget* widget, const QMargins& margins);

} // namespace twips
