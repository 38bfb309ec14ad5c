#include "toolkit/controls.h"

#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

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
