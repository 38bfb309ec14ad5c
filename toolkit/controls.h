// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The factories that screens build their controls with. Each gives its
// control its control name and a place in twips, and makes it usable from
// the keyboard (keyboard.h): Enter presses a focused button as Space does,
// the scroll bar takes the focus and shows it.

#include "toolkit/fonts.h"
#include "toolkit/keyboard.h"
#include "toolkit/twips.h"
#include "toolkit/widgets.h"

class QGroupBox;
class QPushButton;
class QRadioButton;
class QScrollBar;
class QStyle;

namespace controls {

// `base` with every measure it takes in pixels grown with the zoom, for the
// controls placed in twips; the toolkit's services make it the
// application's style for the run.
QStyle* zoomStyle(QStyle* base);

// The caption as read aloud: "&" marks an access key and "&&" is one "&".
QString plainCaption(const QString& caption);

QPushButton* commandButton(QWidget* parent, const QString& name, const QString& caption,
                           const twips::Rect& rect);
Label* label(QWidget* parent, const QString& name, const QString& caption, const twips::Rect& rect);
QRadioButton* optionButton(QWidget* parent, const QString& name, const QString& caption,
                           const twips::Rect& rect);
QGroupBox* frame(QWidget* parent, const QString& name, const QString& caption, const twips::Rect& rect);
// A picture box: sunken border and the window background colour.
PictureBox* pictureBox(QWidget* parent, const QString& name, const twips::Rect& rect);
// An image: transparent, and without a border unless asked for one.
PictureBox* image(QWidget* parent, const QString& name, const twips::Rect& rect,
                  PictureBox::Border border = PictureBox::Border::None);
QScrollBar* hScrollBar(QWidget* parent, const QString& name, const twips::Rect& rect);
Shape* line(QWidget* parent, const QString& name, double x1, double y1, double x2, double y2);
Shape* rectangle(QWidget* parent, const QString& name, const twips::Rect& rect);

// The gap between an option button's circle and its caption, in twips,
// instead of the style's own: a narrow option keeps its caption whole.
void setCaptionGap(QRadioButton* option, double twips);

// A control-array element is named like "lblNumber(7)".
QString indexed(const QString& name, int index);

// Sets the background colour of a form, frame or other plain widget.
void setBackColor(QWidget* widget, const QColor& color);

} // namespace controls
