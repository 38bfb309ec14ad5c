#include "shell/toolkit.h"

#include <QGroupBox>
#include <QHash>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionFrame>
#include <cmath>

namespace twips {

namespace {
constexpr char kRectProperty[] = "twipsRect";
constexpr char kFrameProperty[] = "twipsFrameMargins";
} // namespace

int toPixels(double twips)
{
    return int(std::lround(twips / kPerPixel));
}

Rect rect(const QWidget* widget)
{
    const QVariant stored = widget->property(kRectProperty);
    if (stored.isValid()) {
        const QRectF r = stored.toRectF();
        return {r.x(), r.y(), r.width(), r.height()};
    }
    const QRect g = widget->geometry();
    return {g.x() * kPerPixel, g.y() * kPerPixel, g.width() * kPerPixel, g.height() * kPerPixel};
}

void setRect(QWidget* widget, const Rect& r)
{
    widget->setProperty(kRectProperty, QRectF(r.left, r.top, r.width, r.height));
    // Edges are converted, not sizes, so neighbouring controls never gain a gap.
    const int x = toPixels(r.left);
    const int y = toPixels(r.top);
    const QMargins frame = widget->property(kFrameProperty).value<QMargins>();
    widget->setGeometry(x, y,
                        std::max(0, toPixels(r.left + r.width) - x) + frame.left() + frame.right(),
                        std::max(0, toPixels(r.top + r.height) - y) + frame.top() + frame.bottom());
}

double left(const QWidget* widget) { return rect(widget).left; }
double top(const QWidget* widget) { return rect(widget).top; }
double width(const QWidget* widget) { return rect(widget).width; }
double height(const QWidget* widget) { return rect(widget).height; }

void setLeft(QWidget* widget, double value)
{
    Rect r = rect(widget);
    r.left = value;
    setRect(widget, r);
}

void setTop(QWidget* widget, double value)
{
    Rect r = rect(widget);
    r.top = value;
    setRect(widget, r);
}

void setWidth(QWidget* widget, double value)
{
    Rect r = rect(widget);
    r.width = value;
    setRect(widget, r);
}

void setHeight(QWidget* widget, double value)
{
    Rect r = rect(widget);
    r.height = value;
    setRect(widget, r);
}

} // namespace twips

namespace fonts {

QString substitute(const QString& family)
{
    // Metric-compatible faces where the screens name a plain face, faces
    // of the same spirit for its display faces.
    static const QHash<QString, QString> map = {
        {"MS Sans Serif", "Liberation Sans"},
        {"Arial Rounded MT Bold", "Liberation Sans"},
        {"Courier New", "Liberation Mono"},
        {"Standout", "Leckerli One"},
        {"Jester", "Cabin Sketch"},
        {"Challenge Extra Bold", "Lobster Two"},
        {"Wide Latin", "DejaVu Serif"},
    };
    return map.value(family, family);
}

QFont font(const QString& family, double points, int style)
{
    QFont f;
    // A missing face falls back to DejaVu Sans, then to whatever fontconfig offers.
    f.setFamilies({substitute(family), QStringLiteral("DejaVu Sans")});
    f.setPixelSize(int(std::lround(points * 96.0 / 72.0)));
    f.setBold(style & Bold);
    f.setItalic(style & Italic);
    if (family == QLatin1String("Wide Latin")) {
        // Wide Latin is an extended fat face: a heavy serif drawn half as wide again.
        f.setWeight(QFont::Black);
        f.setStretch(150);
    }
    return f;
}

QFont standard()
{
    return font(QStringLiteral("MS Sans Serif"), 8.25);
}

} // namespace fonts

// --- Picture ---------------------------------------------------------------

struct Picture::Data {
    QString key;
    QSize size;
    Draw draw;
    // The last rendering, reused while the device pixel ratio stays the same.
    QPixmap cache;
};

Picture::Picture(QString key, QSize size, Draw draw)
    : data_(std::make_shared<Data>(Data{std::move(key), size, std::move(draw), {}}))
{
}

QString Picture::key() const
{
    return data_ ? data_->key : QString();
}

QSize Picture::size() const
{
    return data_ ? data_->size : QSize();
}

QImage Picture::render(qreal devicePixelRatio) const
{
    if (!data_)
        return {};
    QImage image(data_->size * devicePixelRatio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(devicePixelRatio);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    data_->draw(painter);
    return image;
}

void Picture::paint(QPainter& painter, QPointF topLeft) const
{
    if (!data_)
        return;
    const qreal dpr = painter.device() ? painter.device()->devicePixelRatioF() : 1.0;
    if (data_->cache.isNull() || !qFuzzyCompare(data_->cache.devicePixelRatioF(), dpr))
        data_->cache = QPixmap::fromImage(render(dpr));
    painter.drawPixmap(topLeft, data_->cache);
}

// --- Label -----------------------------------------------------------------

namespace {

// A click is a left-button press and release, both on the control.
bool completesClick(const QWidget* control, const QMouseEvent* release, bool& pressed)
{
    const bool click = pressed && release->button() == Qt::LeftButton &&
                       control->rect().contains(release->position().toPoint());
    pressed = false;
    return click;
}

} // namespace

Label::Label(QWidget* parent) : QLabel(parent)
{
    setTextFormat(Qt::PlainText);
    setWordWrap(true);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setOpaque(false);
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

void Label::mousePressEvent(QMouseEvent* event)
{
    pressed_ = event->button() == Qt::LeftButton;
}

void Label::mouseReleaseEvent(QMouseEvent* event)
{
    if (completesClick(this, event, pressed_))
        emit clicked();
}

// --- PictureBox ------------------------------------------------------------

PictureBox::PictureBox(QWidget* parent, Border border) : QWidget(parent), border_(border)
{
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

void PictureBox::mousePressEvent(QMouseEvent* event)
{
    pressed_ = event->button() == Qt::LeftButton;
}

void PictureBox::mouseReleaseEvent(QMouseEvent* event)
{
    if (completesClick(this, event, pressed_))
        emit clicked();
}

// --- Shape ---------------------------------------------------------------

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

// --- factories -------------------------------------------------------------

namespace controls {

namespace {

template <class W>
W* named(W* widget, const QString& name, const QString& caption, const twips::Rect& rect)
{
    widget->setObjectName(name);
    widget->setAccessibleName(caption.isEmpty() ? name : plainCaption(caption));
    twips::setRect(widget, rect);
    return widget;
}

} // namespace

QString plainCaption(const QString& caption)
{
    QString plain;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == QLatin1Char('&') && i + 1 < caption.size())
            ++i;
        else if (caption[i] == QLatin1Char('&'))
            continue;
        plain += caption[i];
    }
    return plain;
}

QPushButton* commandButton(QWidget* parent, const QString& name, const QString& caption,
                           const twips::Rect& rect)
{
    return named(new QPushButton(caption, parent), name, caption, rect);
}

Label* label(QWidget* parent, const QString& name, const QString& caption, const twips::Rect& rect)
{
    auto* l = new Label(parent);
    l->setText(caption);
    return named(l, name, caption, rect);
}

QRadioButton* optionButton(QWidget* parent, const QString& name, const QString& caption,
                           const twips::Rect& rect)
{
    return named(new QRadioButton(caption, parent), name, caption, rect);
}

QGroupBox* frame(QWidget* parent, const QString& name, const QString& caption, const twips::Rect& rect)
{
    return named(new QGroupBox(caption, parent), name, caption, rect);
}

PictureBox* pictureBox(QWidget* parent, const QString& name, const twips::Rect& rect)
{
    auto* box = new PictureBox(parent, PictureBox::Border::Sunken);
    box->setBackColor(QColor(212, 208, 200));
    return named(box, name, QString(), rect);
}

PictureBox* image(QWidget* parent, const QString& name, const twips::Rect& rect, PictureBox::Border border)
{
    return named(new PictureBox(parent, border), name, QString(), rect);
}

QScrollBar* hScrollBar(QWidget* parent, const QString& name, const twips::Rect& rect)
{
    return named(new QScrollBar(Qt::Horizontal, parent), name, QString(), rect);
}

Shape* line(QWidget* parent, const QString& name, double x1, double y1, double x2, double y2)
{
    auto* shape = new Shape(parent, Shape::Kind::Line);
    shape->setObjectName(name);
    shape->setLine(x1, y1, x2, y2);
    return shape;
}

Shape* rectangle(QWidget* parent, const QString& name, const twips::Rect& rect)
{
    return named(new Shape(parent, Shape::Kind::Rectangle), name, QString(), rect);
}

QString indexed(const QString& name, int index)
{
    return QStringLiteral("%1(%2)").arg(name).arg(index);
}

void setBackColor(QWidget* widget, const QColor& color)
{
    QPalette p = widget->palette();
    p.setColor(QPalette::Window, color);
    widget->setPalette(p);
    widget->setAutoFillBackground(true);
}

} // namespace controls
