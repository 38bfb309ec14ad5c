// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/widgets.h"

#include "toolkit/accessible.h"
#include "toolkit/classic.h"
#include "toolkit/fonts.h"
#include "toolkit/keyboard.h"
#include "toolkit/twips.h"

#include <QMetaMethod>
#include <QPainter>
#include <algorithm>
#include <cmath>

// --- Label -------------------------------------------------------------------

Label::Label(QWidget* parent) : QLabel(parent)
{
    setTextFormat(Qt::PlainText);
    setWordWrap(true);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setOpaque(false);
    connect(new ClickSource(this), &ClickSource::clicked, this, &Label::clicked);
    new FocusFrame(this);
}

void Label::setOpaque(bool opaque)
{
    setAutoFillBackground(opaque);
    update();
}

void Label::setBackColor(const QColor& color)
{
    QPalette p = palette();
    p.setColor(QPalette::Window, color);
    setPalette(p);
}

QColor Label::backColor() const
{
    return palette().color(QPalette::Window);
}

void Label::setForeColor(const QColor& color)
{
    QPalette p = palette();
    p.setColor(QPalette::WindowText, color);
    setPalette(p);
}

void Label::setBorder(bool single)
{
    setFrameShape(single ? QFrame::Box : QFrame::NoFrame);
    setLineWidth(twips::lineWidth());
}

void Label::fitOnOneLine()
{
    fitted_ = true;
    setWordWrap(false);
    QFont f = font();
    while (f.pixelSize() > 6 && QFontMetrics(f).horizontalAdvance(text()) > width())
        f.setPixelSize(f.pixelSize() - 1);
    setFont(f);
}

bool Label::event(QEvent* event)
{
    if (event->type() == twips::zoomChangeEvent()) {
        if (frameShape() == QFrame::Box)
            setBorder(true);
        if (fitted_) {
            // from the full size again: the font the label would have unfitted
            if (fonts::points(this) > 0)
                fonts::rezoom(this);
            else
                setFont(QFont());
            fitOnOneLine();
        }
    }
    return QLabel::event(event);
}

// --- PictureBox --------------------------------------------------------------

namespace {
// The classic borders: a sunken edge of two lines, a single line; each line
// one pixel wide at 100 %.
double borderTwips(PictureBox::Border border)
{
    switch (border) {
    case PictureBox::Border::Sunken: return 2 * twips::kPerPixel;
    case PictureBox::Border::Single: return twips::kPerPixel;
    case PictureBox::Border::None: break;
    }
    return 0;
}

} // namespace

PictureBox::PictureBox(QWidget* parent, Border border) : QWidget(parent), border_(border)
{
    // Its controls are placed inside the border, in the client area.
    twips::setClientInset(this, borderTwips(border));
    connect(new ClickSource(this), &ClickSource::clicked, this, &PictureBox::clicked);
    new FocusFrame(this);
}

void PictureBox::setPicture(const Picture& picture)
{
    const bool renamed = accessibleName().isEmpty() && picture.description() != picture_.description();
    picture_ = picture;
    update();
    if (renamed)
        accessible::nameChanged(this);
}

bool PictureBox::pressable() const
{
    return isSignalConnected(QMetaMethod::fromSignal(&PictureBox::clicked));
}

void PictureBox::setBackColor(const QColor& color)
{
    backColor_ = color;
    update();
}

void PictureBox::refresh()
{
    repaint();
}

void PictureBox::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QRect r = rect();
    if (backColor_.isValid())
        painter.fillRect(r, backColor_);
    const int inset = twips::clientInset(this);
    if (border_ == Border::Sunken) {
        // the classic sunken edge: a grey and white outer line, a dark and light inner one
        const int outer = twips::lineWidth();
        const int inner = inset - outer;
        classic::paintEdge(painter, r, 0, outer, classic::kShadow, true);
        classic::paintEdge(painter, r, 0, outer, classic::kLight, false);
        classic::paintEdge(painter, r, outer, inner, classic::kDarkShadow, true);
        classic::paintEdge(painter, r, outer, inner, classic::kFace, false);
    } else if (border_ == Border::Single) {
        classic::paintEdge(painter, r, 0, inset, Qt::black, true);
        classic::paintEdge(painter, r, 0, inset, Qt::black, false);
    }
    painter.setClipRect(r.adjusted(inset, inset, -inset, -inset));
    picture_.paint(painter, QPointF(inset, inset), twips::zoom());
}

// --- Shape -------------------------------------------------------------------

Shape::Shape(QWidget* parent, Kind kind) : QWidget(parent), kind_(kind)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Shape::setLine(double x1, double y1, double x2, double y2)
{
    line_ = QLineF(x1, y1, x2, y2);
    // the widget spans the line's box, one pixel more each way for the pen
    const double pad = twips::kPerPixel;
    twips::setRect(this, {std::min(x1, x2) - pad, std::min(y1, y2) - pad, std::abs(x2 - x1) + 2 * pad,
                          std::abs(y2 - y1) + 2 * pad});
    update();
}

void Shape::setColor(const QColor& color)
{
    color_ = color;
    update();
}

void Shape::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const int pen = twips::lineWidth();
    if (kind_ == Kind::Rectangle) {
        const QRect r = rect();
        classic::paintEdge(painter, r, 0, pen, color_, true);
        classic::paintEdge(painter, r, 0, pen, color_, false);
        return;
    }
    painter.setPen(QPen(color_, pen, Qt::SolidLine, Qt::SquareCap));
    const QPointF origin(twips::toPixels(twips::left(this)), twips::toPixels(twips::top(this)));
    // The pen covers whole pixels: an odd width is centred on the middle of
    // the pixel the line runs through, an even one on its edge.
    const QPointF middle(pen % 2 ? 0.5 : 0, pen % 2 ? 0.5 : 0);
    const auto toLocal = [&](QPointF p) {
        return QPointF(twips::toPixels(p.x()), twips::toPixels(p.y())) - origin + middle;
    };
    painter.drawLine(toLocal(line_.p1()), toLocal(line_.p2()));
}
