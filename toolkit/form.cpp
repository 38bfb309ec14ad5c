#include "toolkit/form.h"

#include "toolkit/accessible.h"

#include <QApplication>
#include <QLinearGradient>
#include <QPainter>

namespace {
constexpr int kBorder = 3;
constexpr int kCaption = 18;

bool canTakeFocus(const QWidget* w)
{
    return (w->focusPolicy() & Qt::TabFocus) && w->isEnabled() && w->isVisible();
}
} // namespace

Form::Form(App& app, const QString& name, const QString& title, QWidget* parent)
    : QWidget(parent), app_(app), client_(this)
{
    accessible::install();
    showFocusFromFirstKey();
    setObjectName(name);
    setAccessibleName(title);
    // A loaded form stays hidden until its Visible is set.
    hide();
    setFont(fonts::standard());
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        if (now && isAncestorOf(now))
            lastFocus_ = now;
    });
}

QWidget* Form::firstFocus()
{
    for (QWidget* w = nextInFocusChain(); w != this; w = w->nextInFocusChain())
        if (isAncestorOf(w) && canTakeFocus(w))
            return w;
    return nullptr;
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
        client_ = new QWidget(this);
        client_->setObjectName(objectName() + QStringLiteral(".client"));
        client_->setAutoFillBackground(true);
    }
    client_->move(kBorder, kBorder + kCaption);
    twips::setFrameMargins(this, QMargins(kBorder, kBorder + kCaption, kBorder, kBorder));
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
    painter.fillRect(r, QColor(212, 208, 200));
    painter.setPen(Qt::white);
    painter.drawLine(r.left() + 1, r.top() + 1, r.right() - 1, r.top() + 1);
    painter.drawLine(r.left() + 1, r.top() + 1, r.left() + 1, r.bottom() - 1);
    painter.setPen(QColor(64, 64, 64));
    painter.drawLine(r.left(), r.bottom(), r.right(), r.bottom());
    painter.drawLine(r.right(), r.top(), r.right(), r.bottom());
    painter.setPen(QColor(128, 128, 128));
    painter.drawLine(r.left() + 1, r.bottom() - 1, r.right() - 1, r.bottom() - 1);
    painter.drawLine(r.right() - 1, r.top() + 1, r.right() - 1, r.bottom() - 1);

    const QRect bar(kBorder, kBorder, r.width() - 2 * kBorder, kCaption - 1);
    QLinearGradient gradient(bar.topLeft(), bar.topRight());
    gradient.setColorAt(0, QColor(10, 36, 106));
    gradient.setColorAt(1, QColor(166, 202, 240));
    painter.fillRect(bar, gradient);
    QFont f = fonts::standard();
    f.setBold(true);
    painter.setFont(f);
    painter.setPen(Qt::white);
    painter.drawText(bar.adjusted(4, 0, -4, 0), Qt::AlignVCenter | Qt::AlignLeft, frameCaption_);
}

void Form::resizeEvent(QResizeEvent*)
{
    if (client_ != this)
        client_->resize(size() - QSize(2 * kBorder, 2 * kBorder + kCaption));
}
