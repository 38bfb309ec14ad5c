// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the game's icon for the desktop's icon theme, drawn from the vector
// icon of the menu: a PNG for each size asked for and a scalable SVG.
//
//   icongen OUTDIR APP-ID SIZE...
//
// makes OUTDIR/hicolor/SIZExSIZE/apps/APP-ID.png for each SIZE and
// OUTDIR/hicolor/scalable/apps/APP-ID.svg.

#include "shell/art.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <cstdio>
#include <cstdlib>

namespace {

QString number(qreal value)
{
    return QString::number(value, 'g', 6);
}

// The path as SVG path data; a subpath that ends where it began is closed,
// so its outline has no seam.
QString pathData(const QPainterPath& path)
{
    QString d;
    QPointF start;
    for (int i = 0; i < path.elementCount(); ++i) {
        const QPainterPath::Element e = path.elementAt(i);
        const QString point = number(e.x) + QLatin1Char(' ') + number(e.y);
        switch (e.type) {
        case QPainterPath::MoveToElement:
            d += QLatin1Char('M') + point;
            start = e;
            break;
        case QPainterPath::LineToElement:
            d += QLatin1Char('L') + point;
            break;
        case QPainterPath::CurveToElement:
            d += QLatin1Char('C') + point;
            break;
        case QPainterPath::CurveToDataElement:
            d += QLatin1Char(' ') + point;
            break;
        }
        const bool subpathEnds = i + 1 == path.elementCount()
                                 || path.elementAt(i + 1).type == QPainterPath::MoveToElement;
        if (subpathEnds && e.type != QPainterPath::MoveToElement && QPointF(e) == start)
            d += QLatin1Char('Z');
    }
    return d;
}

QByteArray svg(const QList<art::Shape>& shapes)
{
    QString text = QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                                  "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%1\" height=\"%1\" "
                                  "viewBox=\"0 0 %1 %1\">\n")
                       .arg(art::kIconGrid);
    for (const art::Shape& shape : shapes) {
        text += QStringLiteral("  <path fill=\"%1\"").arg(shape.fill.name());
        if (shape.path.fillRule() == Qt::OddEvenFill)
            text += QStringLiteral(" fill-rule=\"evenodd\"");
        if (shape.pen.style() != Qt::NoPen)
            text += QStringLiteral(" stroke=\"%1\" stroke-width=\"%2\"")
                        .arg(shape.pen.color().name(), number(shape.pen.widthF()));
        text += QStringLiteral(" d=\"%1\"/>\n").arg(pathData(shape.path));
    }
    text += QStringLiteral("</svg>\n");
    return text.toUtf8();
}

bool write(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return QDir().mkpath(QFileInfo(path).path()) && file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 4) {
        std::fprintf(stderr, "usage: icongen OUTDIR APP-ID SIZE...\n");
        return 2;
    }
    const QDir theme(QDir(QString::fromLocal8Bit(argv[1])).filePath(QStringLiteral("hicolor")));
    const QString name = QString::fromLocal8Bit(argv[2]);
    const QList<art::Shape> shapes = art::iconShapes();
    bool ok = write(theme.filePath(QStringLiteral("scalable/apps/%1.svg").arg(name)), svg(shapes));
    for (int i = 3; i < argc; ++i) {
        const int size = std::atoi(argv[i]);
        const QString path = theme.filePath(QStringLiteral("%1x%1/apps/%2.png").arg(size).arg(name));
        ok = ok && size > 0 && QDir().mkpath(QFileInfo(path).path()) && art::iconImage(size).save(path);
    }
    if (!ok) {
        std::fprintf(stderr, "icongen: cannot write the icons into %s\n", argv[1]);
        return 1;
    }
    return 0;
}
