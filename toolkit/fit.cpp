// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/fit.h"

#include <QCheckBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QHash>
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

// A caption asked about: the font (with the resolution of the device it is
// for, which its metrics follow), the box, the flags and the text.
struct Asked {
    QFont font;
    qreal dpi;
    QRect box;
    int flags;
    QString text;
    bool operator==(const Asked&) const = default;
};

size_t qHash(const Asked& asked, size_t seed)
{
    return qHashMulti(seed, asked.font, asked.dpi, asked.box, asked.flags, asked.text);
}

// The captions' answers: a caption is measured once, not at each of its
// paints (a card sliding over a label repaints it every step). Captions
// change with the language and the zoom, so the answers start afresh
// once there are this many.
constexpr qsizetype kRemembered = 512;

std::optional<QFont> measured(const QFont& font, const QRect& box, int flags, const QString& text)
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

} // namespace

std::optional<QFont> within(const QFont& font, const QRect& box, int flags, const QString& text)
{
    thread_local QHash<Asked, std::optional<QFont>> answers;
    Asked asked{font, QFontMetricsF(font).fontDpi(), box, flags, text};
    if (const auto known = answers.constFind(asked); known != answers.cend())
        return *known;
    if (answers.size() >= kRemembered)
        answers.clear();
    const std::optional<QFont> answer = measured(font, box, flags, text);
    answers.insert(std::move(asked), answer);
    return answer;
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
