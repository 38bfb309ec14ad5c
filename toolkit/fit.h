// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Captions that show whole in any language. The controls keep their places
// and sizes in every language; where a caption runs longer than its box
// (German and French run a third longer than English), the toolkit's style
// draws that caption in a smaller font, down to a floor that stays
// readable, instead of cutting it off or wrapping a button's caption.

#include <QFont>
#include <QString>
#include <optional>

class QRect;
class QWidget;

namespace fit {

// The smallest part of its own size a caption's font gives way to.
inline constexpr double kFloor = 0.6;

// The largest font from `font` down to the floor at which `text`, drawn with
// `flags` (Qt::AlignmentFlag, Qt::TextFlag) shows whole in `box`: a line
// within its width, wrapped lines within its height; none if even the floor
// is too large.
std::optional<QFont> within(const QFont& font, const QRect& box, int flags, const QString& text);

// The text a control shows as its caption: a label's, a button's (with its
// access key's "&"), a frame's title; empty for any other control.
QString caption(const QWidget* control);
// Whether the control's caption shows whole, as the style draws it: a
// button's on one line.
bool fits(const QWidget* control);

} // namespace fit
