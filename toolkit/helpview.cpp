// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/helpview.h"

#include "toolkit/fonts.h"
#include "toolkit/twips.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QWheelEvent>

namespace {
const QString kScheme = QStringLiteral("help");
// Room around the text, in twips.
constexpr double kMargin = 180;
} // namespace

QString HelpPage::block(const char* tag, const QString& text)
{
    return QStringLiteral("%1<%2>%3</%2>\n")
        .arg(qstrcmp(tag, "h2") == 0 ? QStringLiteral("\n") : QString(), QLatin1String(tag), text);
}

QString HelpPage::figure(const Picture& picture)
{
    pictures.push_back(picture);
    return QStringLiteral("<img src=\"%1\"><br><i>%2</i>")
        .arg(picture.key().toHtmlEscaped(), picture.description().toHtmlEscaped());
}

HelpView::HelpView(QWidget* parent) : QTextBrowser(parent)
{
    // Text a little larger than the screens' own, at the frame's zoom.
    fonts::set(this, "MS Sans Serif", 10);
    document()->setDocumentMargin(twips::toPixels(kMargin));
    // Every picture of the text is one of the pages', drawn here.
    document()->documentLayout()->registerHandler(QTextFormat::ImageObject, this);
}

void HelpView::setPages(std::vector<HelpPage> pages)
{
    pages_ = std::move(pages);
}

const HelpPage* HelpView::page(const QString& id) const
{
    for (const HelpPage& p : pages_)
        if (p.id == id)
            return &p;
    return nullptr;
}

QUrl HelpView::address(const QString& id)
{
    QUrl url;
    url.setScheme(kScheme);
    url.setPath(id);
    return url;
}

void HelpView::showPage(const QString& id)
{
    if (page(id))
        setSource(address(id));
}

QString HelpView::pageId() const
{
    return source().scheme() == kScheme ? source().path() : QString();
}

QVariant HelpView::loadResource(int type, const QUrl& name)
{
    // Pages live in the program; nothing is ever fetched.
    const HelpPage* p = name.scheme() == kScheme ? page(name.path()) : nullptr;
    if (type != QTextDocument::HtmlResource || !p)
        return {};
    return QStringLiteral("<h1>%1</h1>%2").arg(p->title.toHtmlEscaped(), p->html);
}

Picture HelpView::picture(const QString& key) const
{
    for (const HelpPage& p : pages_)
        for (const Picture& picture : p.pictures)
            if (picture.key() == key)
                return picture;
    return {};
}

QSizeF HelpView::intrinsicSize(QTextDocument*, int, const QTextFormat& format)
{
    return QSizeF(picture(format.toImageFormat().name()).size()) * twips::zoom();
}

void HelpView::drawObject(QPainter* painter, const QRectF& rect, QTextDocument*, int, const QTextFormat& format)
{
    // Rendered afresh for the zoom and the density of the screen drawn on.
    picture(format.toImageFormat().name()).paint(*painter, rect.topLeft(), twips::zoom());
}

bool HelpView::event(QEvent* event)
{
    // The font has followed the zoom already; the pictures' sizes follow it here.
    if (event->type() == twips::zoomChangeEvent()) {
        document()->setDocumentMargin(twips::toPixels(kMargin));
        document()->markContentsDirty(0, document()->characterCount());
    }
    return QTextBrowser::event(event);
}

void HelpView::wheelEvent(QWheelEvent* event)
{
    // The text's size follows the frame's zoom alone, not a wheel of its own.
    if (event->modifiers() & Qt::ControlModifier)
        return event->accept();
    QTextBrowser::wheelEvent(event);
}
