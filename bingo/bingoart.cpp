#include "bingo/bingoart.h"

#include <QPainter>
#include <QRadialGradient>

namespace bingoart {

namespace {

void drawBall(QPainter& painter)
{
    const QRectF all(0, 0, 150, 150);
    painter.fillRect(all, Qt::white);

    // a soft shadow under the ball grounds it on the white
    QRadialGradient shadow(QPointF(79, 142), 60);
    shadow.setColorAt(0, QColor(0, 0, 0, 60));
    shadow.setColorAt(1, QColor(0, 0, 0, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(shadow);
    painter.drawEllipse(QPointF(79, 142), 58, 7);

    // light from the upper left: the focal point sits off centre
    const QRectF sphere(6, 4, 136, 136);
    QRadialGradient shade(sphere.center(), 68, QPointF(50, 40));
    shade.setColorAt(0, QColor(250, 250, 250));
    shade.setColorAt(0.35, QColor(205, 205, 208));
    shade.setColorAt(0.8, QColor(130, 130, 134));
    shade.setColorAt(1, QColor(80, 80, 84));
    painter.setBrush(shade);
    painter.setPen(QPen(QColor(70, 70, 74), 1.2));
    painter.drawEllipse(sphere);

    QRadialGradient glint(QPointF(46, 36), 22);
    glint.setColorAt(0, QColor(255, 255, 255, 235));
    glint.setColorAt(1, QColor(255, 255, 255, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(glint);
    painter.drawEllipse(QPointF(46, 36), 22, 16);
}

} // namespace

Picture ball()
{
    return Picture(QStringLiteral("bingo-ball"), QSize(150, 150), drawBall);
}

} // namespace bingoart
