#include "toolkit/widgets.h"

#include "toolkit/twips.h"

#include <QMouseEvent>
#include <QPainter>
#include <cmath>

// --- ClickSource -------------------------------------------------------------

ClickSource::ClickSource(QWidget* control) : QObject(control), control_(control)
{
    control->installEventFilter(this);
}

bool ClickSource::eventFilter(QObject*, QEvent* event)
{
    // Filters see the events of a disabled control too; it raises none.
    if (!control_->isEnabled())
        return false;
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        pressed_ = static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton;
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
    default:
        return false;
    }
}

// --- Label -------------------------------------------------------------------

Label::Label(QWidget* parent) : QLabel(parent)
{
    setTextFormat(Qt::PlainText);
    setWordWrap(true);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setOpaque(false);
    connect(new ClickSource(this), &ClickSource::clicked, this, &Label::clicked);
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
    setLineWidth(1);
}

void Label::fitOnOneLine()
{
    setWordWrap(false);
    QFont f = font();
    while (f.pixelSize() > 6 && QFontMetrics(f).horizontalAdvance(text()) > width())
        f.setPixelSize(f.pixelSize() - 1);
    setFont(f);
}

// --- PictureBox --------------------------------------------------------------

PictureBox::PictureBox(QWidget* parent, Border border) : QWidget(parent), border_(border)
{
    connect(new ClickSource(this), &ClickSource::clicked, this, &PictureBox::clicked);
}

void PictureBox::setPicture(const Picture& picture)
{
    picture_ = picture;
    update();
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
    if (backColor_.isValid())
        painter.fillRect(rect(), backColor_);
    int inset = 0;
    if (border_ == Border::Sunken) {
        // the classic two-pixel sunken edge
        const QRect r = rect();
        painter.setPen(QColor(128, 128, 128));
        painter.drawLine(r.topLeft(), r.topRight());
        painter.drawLine(r.topLeft(), r.bottomLeft());
        painter.setPen(QColor(255, 255, 255));
        painter.drawLine(r.bottomLeft(), r.bottomRight());
        painter.drawLine(r.topRight(), r.bottomRight());
        painter.setPen(QColor(64, 64, 64));
        painter.drawLine(r.left() + 1, r.top() + 1, r.right() - 1, r.top() + 1);
        painter.drawLine(r.left() + 1, r.top() + 1, r.left() + 1, r.bottom() - 1);
        painter.setPen(QColor(212, 208, 200));
        painter.drawLine(r.left() + 1, r.bottom() - 1, r.right() - 1, r.bottom() - 1);
        painter.drawLine(r.right() - 1, r.top() + 1, r.right() - 1, r.bottom() - 1);
        inset = 2;
    } else if (border_ == Border::Single) {
        painter.setPen(Qt::black);
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
        inset = 1;
    }
    painter.setClipRect(rect().adjusted(inset, inset, -inset, -inset));
    picture_.paint(painter, QPointF(inset, inset));
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
    painter.setPen(QPen(color_, 1));
    if (kind_ == Kind::Rectangle) {
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
        return;
    }
    const QPointF origin(twips::toPixels(twips::left(this)), twips::toPixels(twips::top(this)));
    const auto toLocal = [&](QPointF p) {
        return QPointF(twips::toPixels(p.x()), twips::toPixels(p.y())) - origin;
    };
    painter.drawLine(toLocal(line_.p1()), toLocal(line_.p2()));
}
