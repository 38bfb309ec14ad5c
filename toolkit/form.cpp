// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/form.h"

#include "toolkit/classic.h"
#include "toolkit/keyboard.h"

#include <QApplication>
#include <QLinearGradient>
#include <QPainter>

namespace {
// The dialog frame in twips: a border of three one-pixel lines at 100 %, and
// an 18-pixel caption bar above the client area.
constexpr int kLine = 15;
constexpr int kBorder = 3 * kLine;
constexpr int kCaption = 18 * kLine;
} // namespace

Form::Form(App& app, const QString& name, const QString& title, QWidget* parent)
    : QWidget(parent), app_(app), client_(this)
{
    setObjectName(name);
    setAccessibleName(title);
    // A loaded form stays hidden until its Visible is set.
    hide();
    fonts::setStandard(this);
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        if (now && isAncestorOf(now))
            lastFocus_ = now;
    });
}

QWidget* Form::firstFocus()
{
    return nextFocus(this, this);
}

void Form::focusFirst()
{
    if (QWidget* first = firstFocus())
        first->setFocus(Qt::OtherFocusReason);
}

void Form::restoreFocus()
{
    if (lastFocus_ && canTakeFocus(lastFocus_))
        lastFocus_->setFocus(Qt::OtherFocusReason);
    else
        focusFirst();
}

void Form::setDialogFrame(const QString& caption)
{
    frameCaption_ = caption;
    if (client_ == this) {
        // A dialog keeps the keyboard while it is open.
        keepTabWithin(this);
        client_ = new QWidget(this);
        client_->setObjectName(objectName() + QStringLiteral(".client"));
        client_->setAutoFillBackground(true);
    }
    twips::setFrameMargins(this, QMargins(kBorder, kBorder + kCaption, kBorder, kBorder));
    placeClient();
}

void Form::placeClient()
{
    if (client_ != this)
        client_->setGeometry(rect().marginsRemoved(twips::frameMargins(this)));
}

void Form::setBackColor(const QColor& color)
{
    controls::setBackColor(client_, color);
}

void Form::paintEvent(QPaintEvent*)
{
    if (client_ == this)
        return;
    QPainter painter(this);
    const QRect r = rect();
    const QMargins frame = twips::frameMargins(this);
    const int line = twips::lineWidth(kLine);
    painter.fillRect(r, classic::kFace);
    classic::paintEdge(painter, r, line, line, classic::kLight, true);
    classic::paintEdge(painter, r, 0, line, classic::kDarkShadow, false);
    classic::paintEdge(painter, r, line, line, classic::kShadow, false);

    const QRect bar(frame.left(), frame.left(), r.width() - frame.left() - frame.right(),
                    frame.top() - frame.left() - line);
    QLinearGradient gradient(bar.topLeft(), bar.topRight());
    gradient.setColorAt(0, QColor(10, 36, 106));
    gradient.setColorAt(1, QColor(166, 202, 240));
    painter.fillRect(bar, gradient);
    painter.setFont(fonts::zoomed(QStringLiteral("MS Sans Serif"), 8.25, fonts::Bold));
    painter.setPen(Qt::white);
    const int pad = twips::toPixels(4 * kLine);
    painter.drawText(bar.adjusted(pad, 0, -pad, 0), Qt::AlignVCenter | Qt::AlignLeft, frameCaption_);
}

void Form::resizeEvent(QResizeEvent*)
{
    placeClient();
}

bool Form::event(QEvent* event)
{
    // The frame's margins change with the zoom even where the size would not.
    if (event->type() == twips::zoomChangeEvent())
        placeClient();
    return QWidget::event(event);
}
