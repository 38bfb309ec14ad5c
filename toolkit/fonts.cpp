// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/fonts.h"

#include "toolkit/twips.h"

#include <QHash>
#include <QVariant>
#include <QWidget>
#include <algorithm>
#include <cmath>

namespace fonts {

namespace {
constexpr char kFamilyProperty[] = "fontFamily";
constexpr char kPointsProperty[] = "fontPoints";
constexpr char kStyleProperty[] = "fontStyle";
const QString kStandardFamily = QStringLiteral("MS Sans Serif");
constexpr double kStandardPoints = 8.25;

QFont sized(const QString& family, double points, int style, double scale)
{
    QFont f;
    // A missing face falls back to DejaVu Sans, then to whatever fontconfig offers.
    f.setFamilies({substitute(family), QStringLiteral("DejaVu Sans")});
    // Whole pixels, rounded down: the text then never grows faster than the
    // twips around it, and a caption that fits at 100 % fits at every zoom.
    // (The screens' sizes are whole pixels at 100 %.)
    f.setPixelSize(std::max(1, int(std::floor(points * 96.0 / 72.0 * scale + 1e-6))));
    f.setBold(style & Bold);
    f.setItalic(style & Italic);
    if (family == QLatin1String("Wide Latin")) {
        // Wide Latin is an extended fat face: a heavy serif drawn half as wide again.
        f.setWeight(QFont::Black);
        f.setStretch(150);
    }
    return f;
}
} // namespace

QString substitute(const QString& family)
{
    // Metric-compatible faces where the screens name a plain face, faces
    // of the same spirit for its display faces.
    static const QHash<QString, QString> map = {
        {"MS Sans Serif", "Liberation Sans"},
        {"Arial Rounded MT Bold", "Liberation Sans"},
        {"Courier New", "Liberation Mono"},
        {"Standout", "Leckerli One"},
        {"Jester", "Cabin Sketch"},
        {"Challenge Extra Bold", "Lobster Two"},
        {"Wide Latin", "DejaVu Serif"},
    };
    return map.value(family, family);
}

QFont font(const QString& family, double points, int style)
{
    return sized(family, points, style, 1.0);
}

QFont zoomed(const QString& family, double points, int style)
{
    return sized(family, points, style, twips::zoom());
}

void set(QWidget* widget, const QString& family, double points, int style)
{
    widget->setProperty(kFamilyProperty, family);
    widget->setProperty(kPointsProperty, points);
    widget->setProperty(kStyleProperty, style);
    widget->setFont(zoomed(family, points, style));
}

void setStandard(QWidget* widget)
{
    set(widget, kStandardFamily, kStandardPoints);
}

void rezoom(QWidget* widget)
{
    const double pts = points(widget);
    if (pts > 0)
        widget->setFont(zoomed(widget->property(kFamilyProperty).toString(), pts,
                               widget->property(kStyleProperty).toInt()));
}

double points(const QWidget* widget)
{
    return widget->property(kPointsProperty).toDouble();
}

QFont standard()
{
    return font(kStandardFamily, kStandardPoints);
}

} // namespace fonts
