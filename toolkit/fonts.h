#pragma once
// The font families the screens name, each mapped to an installed face.

#include <QFont>
#include <QString>

namespace fonts {

enum Style { Regular = 0, Bold = 1, Italic = 2 };

// The installed face that stands in for a family the screens name.
QString substitute(const QString& family);

// Sizes are the screens' points at 96 dots per inch, so text keeps its
// place in a twip layout whatever the screen's own dots per inch.
QFont font(const QString& family, double points, int style = Regular);

// The toolkit's default face: "MS Sans Serif" 8.25 pt.
QFont standard();

} // namespace fonts
