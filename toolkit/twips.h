// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Positions and sizes in twips. The logic reads and writes a control's twips
// exactly as the screens store them; only the pixels are derived, at the
// frame's zoom.

#include <QEvent>
#include <QMargins>
#include <optional>

class QWidget;

namespace twips {

// At 100 % scale one logical pixel is 15 twips; Qt's device pixel ratio takes
// care of denser screens.
inline constexpr double kPerPixel = 15.0;

// The frame's zoom, 1 at 100 %, within these bounds.
inline constexpr double kMinZoom = 0.5;
inline constexpr double kMaxZoom = 4.0;

struct Rect {
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;
    bool operator==(const Rect&) const = default;
};

// The one conversion to pixels: twips × zoom / 15, rounded; at the frame's
// zoom unless another is asked for.
int toPixels(double twips);
int toPixels(double twips, double zoom);
// The width in pixels of a line drawn `twips` wide, one pixel at 100 % unless
// told: never thinner than a pixel, so the classic lines show at any zoom.
int lineWidth(double twips = kPerPixel);
// Pixels at the zoom back to twips, for a size that Qt measures.
double fromPixels(double pixels);

double zoom();
// Changes the zoom of every control at once: each control's pixel geometry
// is derived anew from its twips and each font remembered by fonts::set from
// its points; then every widget receives zoomChangeEvent() to derive the rest
// (borders, captions fitted to one line) and is repainted, which draws the
// pictures afresh at the new size. The twips themselves do not change.
void setZoom(double zoom);
QEvent::Type zoomChangeEvent();

// The twip geometry of a widget is kept exactly as the logic wrote it; the
// pixel geometry is derived from it.
Rect rect(const QWidget* widget);
// Whether the widget was given a place in twips, which the zoom then scales.
bool isPlaced(const QWidget* widget);
// That place, if it was given one.
std::optional<Rect> placed(const QWidget* widget);
void setRect(QWidget* widget, const Rect& rect);
double left(const QWidget* widget);
double top(const QWidget* widget);
double width(const QWidget* widget);
double height(const QWidget* widget);
void setLeft(QWidget* widget, double left);
void setTop(QWidget* widget, double top);
void setWidth(QWidget* widget, double width);
void setHeight(QWidget* widget, double height);

// Twips drawn around a widget's twip area, such as a dialog's border and
// caption bar: its pixel geometry grows by them, its twips stay the same.
void setFrameMargins(QWidget* widget, const QMargins& twips);
// Those margins in pixels at the zoom.
QMargins frameMargins(const QWidget* widget);

// A container whose border takes this many twips on each side places its
// children inside the border: their Left 0, Top 0 is its client area's corner.
void setClientInset(QWidget* container, double twips);
// That border in pixels at the zoom; 0 for a container without one.
int clientInset(const QWidget* container);

} // namespace twips
