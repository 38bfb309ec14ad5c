// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/fit.h"

#include <QCheckBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <cmath>

namespace fit {

namespace {

bool shows(const QFont& font, const QRect& box, int flags, const QString& text)
{
    const QRect needed = QFontMetrics(font).boundingRect(box, flags, text);
    // one line may stand taller than a tight box, as it always has
    const bool wrapped = needed.height() > QFontMetrics(font).height() + 1;
    return needed.width() <= box.width() && (!wrapped || needed.height() <= box.height());
}

// The box a control's caption is drawn in, and how.
bool captionBox(const QWidget* control, QRect* box, int* flags)
{
    if (const auto* label = qobject_cast<const QLabel*>(control)) {
        if (label->text().isEmpty() || label->textFormat() == Qt::RichText)
            return false;
        const int margin = label->margin();
        *box = label->contentsRect().adjusted(margin, margin, -margin, -margin);
        *flags = int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0) | Qt::TextShowMnemonic;
        return true;
    }
    QStyleOptionButton option;
    option.initFrom(control);
    QStyle::SubElement element;
    if (qobject_cast<const QPushButton*>(control))
        element = QStyle::SE_PushButtonContents;
    else if (qobject_cast<const QCheckBox*>(control))
        element = QStyle::SE_CheckBoxContents;
    else if (qobject_cast<const QRadioButton*>(control))
        element = QStyle::SE_RadioButtonContents;
    else
        return false;
    *box = control->style()->subElementRect(element, &option, control);
    *flags = Qt::AlignCenter | Qt::TextShowMnemonic;
    return !caption(control).isEmpty();
}

} // namespace

std::optional<QFont> within(const QFont& font, const QRect& box, int flags, const QString& text)
{
    if (shows(font, box, flags, text))
        return font;
    QFont smaller = font;
    const bool pixels = font.pixelSize() > 0;
    const double size = pixels ? font.pixelSize() : font.pointSizeF();
    const double floor = size * kFloor;
    // a pixel (or half a point) at a time, from the largest
    for (double s = size - (pixels ? 1 : 0.5); s >= floor && s >= 1; s -= (pixels ? 1 : 0.5)) {
        if (pixels)
            smaller.setPixelSize(int(s));
        else
            smaller.setPointSizeF(s);
        if (shows(smaller, box, flags, text))
            return smaller;
    }
    return std::nullopt;
}

QString caption(const QWidget* control)
{
    if (const auto* label = qobject_cast<const QLabel*>(control))
        return label->text();
    if (const auto* button = qobject_cast<const QAbstractButton*>(control))
        return button->text();
    if (const auto* group = qobject_cast<const QGroupBox*>(control))
        return group->title();
    return {};
}

bool fits(const QWidget* control)
{
    QRect box;
    int flags = 0;
    if (!captionBox(control, &box, &flags))
        return true;
    const QString text = caption(control);
    if (qobject_cast<const QAbstractButton*>(control) && text.contains(u'\n'))
        return false;
    return within(control->font(), box, flags, text).has_value();
}

} // namespace fit
