// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The font families the screens name, each mapped to an installed face.

#include <QFont>
#include <QString>

class QWidget;

namespace fonts {

enum Style { Regular = 0, Bold = 1, Italic = 2 };

// The installed face that stands in for a family the screens name.
QString substitute(const QString& family);

// Sizes are the screens' points at 96 dots per inch, so text keeps its
// place in a twip layout whatever the screen's own dots per inch. This is
// the size at 100 %, for artwork, which is scaled as a whole.
QFont font(const QString& family, double points, int style = Regular);
// The same at the frame's zoom, for text drawn straight onto a control.
QFont zoomed(const QString& family, double points, int style = Regular);

// Gives a control its font at the frame's zoom and remembers the points, so
// that a zoom change draws it anew at the new size.
void set(QWidget* widget, const QString& family, double points, int style = Regular);
// The toolkit's default face, "MS Sans Serif" 8.25 pt, given the same way.
void setStandard(QWidget* widget);
// Draws a control's remembered font at the current zoom; nothing for a
// control that inherits its font.
void rezoom(QWidget* widget);
// The points a control's font was given in by set, or 0.
double points(const QWidget* widget);

// The toolkit's default face at 100 %: "MS Sans Serif" 8.25 pt.
QFont standard();

} // namespace fonts
