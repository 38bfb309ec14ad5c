// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/widgets.h"

#include "toolkit/accessible.h"
#include "toolkit/fonts.h"
#include "toolkit/twips.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMetaMethod>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace {

// The classic lines are one pixel at 100 %; at any zoom they are never thinner.
int hairline()
{
    return std::max(1, twips::toPixels(twips::kPerPixel));
}

} // namespace

// --- ClickSource -------------------------------------------------------------

ClickSource::ClickSource(QWidget* control) : QObject(control), control_(control)
{
    control->installEventFilter(this);
}

bool ClickSource::reachable() const
{
    if (!control_->isEnabled() || !control_->isVisible())
        return false;
    // A click lands on whatever lies in front; the keyboard reaches no further.
    QWidget* window = control_->window();
    const QWidget* hit = window->childAt(control_->mapTo(window, control_->rect().center()));
    return hit == control_ || control_->isAncestorOf(hit);
}

bool ClickSource::eventFilter(QObject*, QEvent* event)
{
    // Filters see the events of a disabled control too; it raises none.
    if (!control_->isEnabled())
        return false;
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        pressed_ = static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton;
        return true;
    case QEvent::MouseButtonDblClick:
        // The second press of a double-click: Click was raised for the first.
        pressed_ = false;
        return true;
    case QEvent::MouseButtonRelease: {
        const auto* release = static_cast<QMouseEvent*>(event);
        const bool click = pressed_ && release->button() == Qt::LeftButton &&
                           control_->rect().contains(release->position().toPoint());
        pressed_ = false;
        if (click)
            emit clicked();
        return true;
    }
    case QEvent::KeyPress: {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool press = key->key() == Qt::Key_Space || key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        if (!press || (key->modifiers() & ~Qt::KeypadModifier))
            return false;
        if (!key->isAutoRepeat() && reachable())
            emit clicked();
        return true;
    }
    default:
        return false;
    }
}

// --- FocusFrame --------------------------------------------------------------

FocusFrame::FocusFrame(QWidget* control) : QObject(control), control_(control)
{
    showFocusFromFirstKey();
    control->installEventFilter(this);
}

bool FocusFrame::eventFilter(QObject*, QEvent* event)
{
    if (event->type() != QEvent::Paint || !control_->hasFocus() ||
        !control_->window()->testAttribute(Qt::WA_KeyboardFocusChange))
        return false;
    // The control paints itself first; the frame goes over its art.
    static_cast<QObject*>(control_)->event(event);
    QPainter painter(control_);
    const QRect r = control_->rect();
    // About a twenty-fourth of the shorter side, never under two pixels:
    // black, yellow and black again show on any colour of art, yellow too.
    const int outer = std::max(2, int(std::lround(std::min(r.width(), r.height()) / 24.0)));
    const int inner = std::max(1, outer / 2);
    const auto ring = [&](const QColor& color, qreal inset, int width) {
        const qreal at = inset + width / 2.0;
        painter.setPen(QPen(color, width, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        painter.drawRect(QRectF(r).adjusted(at, at, -at, -at));
    };
    ring(Qt::black, 0, outer);
    ring(QColor(255, 220, 0), outer, inner);
    ring(Qt::black, outer + inner, 1);
    return true;
}

namespace {

// Qt marks a window whose focus the player moved with Tab; any key counts here.
class FocusCues : public QObject {
protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress || !watched->isWidgetType())
            return false;
        QWidget* window = static_cast<QWidget*>(watched)->window();
        if (!window->testAttribute(Qt::WA_KeyboardFocusChange)) {
            window->setAttribute(Qt::WA_KeyboardFocusChange);
            if (QWidget* focus = window->focusWidget())
                focus->update();
        }
        return false;
    }
};

} // namespace

void showFocusFromFirstKey()
{
    static FocusCues* const cues = [] {
        auto* filter = new FocusCues;
        filter->setParent(QCoreApplication::instance());
        QCoreApplication::instance()->installEventFilter(filter);
        return filter;
    }();
    Q_UNUSED(cues);
}

bool canTakeFocus(const QWidget* control)
{
    return (control->focusPolicy() & Qt::TabFocus) && control->isEnabled() && control->isVisible();
}

// --- ArrowKeys ---------------------------------------------------------------

ArrowKeys::ArrowKeys(std::vector<QWidget*> cells, int columns)
    : QObject(cells.front()), cells_(std::move(cells)), columns_(columns)
{
    for (QWidget* cell : cells_)
        cell->installEventFilter(this);
}

bool ArrowKeys::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    int dx = 0, dy = 0;
    switch (static_cast<QKeyEvent*>(event)->key()) {
    case Qt::Key_Left: dx = -1; break;
    case Qt::Key_Right: dx = 1; break;
    case Qt::Key_Up: dy = -1; break;
    case Qt::Key_Down: dy = 1; break;
    default: return false;
    }
    const auto at = std::find(cells_.begin(), cells_.end(), watched);
    if (at == cells_.end())
        return false;
    const int index = int(at - cells_.begin());
    const int rows = (int(cells_.size()) + columns_ - 1) / columns_;
    for (int column = index % columns_ + dx, row = index / columns_ + dy;
         column >= 0 && column < columns_ && row >= 0 && row < rows; column += dx, row += dy) {
        const std::size_t next = std::size_t(row * columns_ + column);
        if (next >= cells_.size())
            break;
        QWidget* cell = cells_[next];
        if (canTakeFocus(cell)) {
            cell->setFocus(Qt::TabFocusReason);
            break;
        }
    }
    return true;
}

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
    setLineWidth(hairline());
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

// --- paintEdge ---------------------------------------------------------------


void paintEdge(QPainter& painter, const QRect& r, int inset, int width, const QColor& color, bool topLeft)
{
    if (width <= 0)
        return;
    const QRect in = r.adjusted(inset, inset, -inset, -inset);
    if (topLeft) {
        painter.fillRect(in.left(), in.top(), in.width(), width, color);
        painter.fillRect(in.left(), in.top(), width, in.height(), color);
    } else {
        painter.fillRect(in.left(), in.bottom() - width + 1, in.width(), width, color);
        painter.fillRect(in.right() - width + 1, in.top(), width, in.height(), color);
    }
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
    accessible::install();
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
        const int outer = hairline();
        const int inner = inset - outer;
        paintEdge(painter, r, 0, outer, QColor(128, 128, 128), true);
        paintEdge(painter, r, 0, outer, QColor(255, 255, 255), false);
        paintEdge(painter, r, outer, inner, QColor(64, 64, 64), true);
        paintEdge(painter, r, outer, inner, QColor(212, 208, 200), false);
    } else if (border_ == Border::Single) {
        paintEdge(painter, r, 0, inset, Qt::black, true);
        paintEdge(painter, r, 0, inset, Qt::black, false);
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
    const int pen = hairline();
    if (kind_ == Kind::Rectangle) {
        const QRect r = rect();
        paintEdge(painter, r, 0, pen, color_, true);
        paintEdge(painter, r, 0, pen, color_, false);
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
