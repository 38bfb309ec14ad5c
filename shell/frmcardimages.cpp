#include "shell/frmcardimages.h"

#include <QPainter>

frmCardImages::frmCardImages(App& app, QWidget* parent) : Form(app, QStringLiteral("frmCardImages"), parent)
{
    setWindowTitle(QStringLiteral("Form2"));
}

Picture frmCardImages::Image1(int n) const
{
    if (n < 1 || n > 52)
        return {};
    return Picture(QStringLiteral("face %1").arg(n), QSize(71, 96), [n](QPainter& p) {
        p.setPen(Qt::black);
        p.setBrush(Qt::white);
        p.drawRoundedRect(QRectF(0.5, 0.5, 70, 95), 4, 4);
        p.drawText(QRectF(0, 0, 71, 96), Qt::AlignCenter, QString::number(n));
    });
}

Picture frmCardImages::PictureClip1(int k) const
{
    if (k < 0 || k > 4)
        return {};
    return Picture(QStringLiteral("back %1").arg(k), QSize(k == 2 ? 72 : 71, 96), [](QPainter& p) {
        p.setPen(Qt::black);
        p.setBrush(QColor(0, 0, 128));
        p.drawRoundedRect(QRectF(0.5, 0.5, 70, 95), 4, 4);
    });
}

Picture frmCardImages::cardpicture(qint16 value, qint16 suit) const
{
    if (value < 2 || value > 14 || suit < 1 || suit > 4)
        return {};
    return Image1(value == 14 ? suit : 4 * (value - 1) + suit);
}
