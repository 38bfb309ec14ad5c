#include "toolkit/widgets.h"

#include "toolkit/twips.h"

#include "toolkit/accessible.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

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
        if ((cell->focusPolicy() & Qt::TabFocus) && cell->isEnabled() && cell->isVisible()) {
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
    accessible::install();
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
