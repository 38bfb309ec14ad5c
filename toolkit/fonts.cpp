#include "toolkit/fonts.h"

#include <QHash>
#include <cmath>

namespace fonts {

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
    QFont f;
    // A missing face falls back to DejaVu Sans, then to whatever fontconfig offers.
    f.setFamilies({substitute(family), QStringLiteral("DejaVu Sans")});
    f.setPixelSize(int(std::lround(points * 96.0 / 72.0)));
    f.setBold(style & Bold);
    f.setItalic(style & Italic);
    if (family == QLatin1String("Wide Latin")) {
        // Wide Latin is an extended fat face: a heavy serif drawn half as wide again.
        f.setWeight(QFont::Black);
        f.setStretch(150);
    }
    return f;
}

QFont standard()
{
    return font(QStringLiteral("MS Sans Serif"), 8.25);
}

} // namespace fonts
