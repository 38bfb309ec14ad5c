// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/helpview.h"

#include "toolkit/fonts.h"
#include "toolkit/twips.h"

#include <QAbstractTextDocumentLayout>
#include <QCoreApplication>
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

QString HelpPage::outline(const Outline& parts)
{
    const struct {
        const char* heading;
        QString body;
    } sections[] = {
        //: A heading of every game's help page: what the player tries to do.
        {QT_TRANSLATE_NOOP("helpview", "Goal"), block("p", parts.goal)},
        //: A heading of every game's help page.
        {QT_TRANSLATE_NOOP("helpview", "How to play"), parts.play},
        //: A heading of every game's help page: what the computer opponent does.
        {QT_TRANSLATE_NOOP("helpview", "How Grizzle plays"), parts.grizzle},
        //: A heading of every game's help page: how a game ends, and what then.
        {QT_TRANSLATE_NOOP("helpview", "How it ends"), parts.end},
        //: A heading of every game's help page: the screen's buttons and the keyboard's keys.
        {QT_TRANSLATE_NOOP("helpview", "Buttons and keys"),
         QStringLiteral("<ul>\n%1%2</ul>\n").arg(parts.keys, windowKeys())},
        //: A heading of every game's help page: advice for playing well.
        {QT_TRANSLATE_NOOP("helpview", "Tips"), parts.tips},
    };
    const HelpWords words{"helpview"};
    QString html;
    for (const auto& section : sections)
        html += words.block("h2", section.heading) + section.body;
    return html;
}

QString HelpPage::windowKeys()
{
    return HelpWords{"helpview"}.items({
        //: Keys as this language's keyboards name them.
        QT_TRANSLATE_NOOP("helpview", "F1 opens the help for the screen on show. Esc closes it again."),
        QT_TRANSLATE_NOOP("helpview", "F10 opens the menus at the top of the window."),
        //: Keys as this language's keyboards name them.
        QT_TRANSLATE_NOOP("helpview", "Ctrl+Plus and Ctrl+Minus make everything bigger or smaller. Ctrl+0 goes back "
                                      "to the normal size."),
    });
}

QString HelpWords::text(const char* source) const
{
    return QCoreApplication::translate(context, source);
}

QString HelpWords::block(const char* tag, const char* source) const
{
    return HelpPage::block(tag, text(source));
}

QString HelpWords::items(std::initializer_list<const char*> sources) const
{
    QString html;
    for (const char* source : sources)
        html += block("li", source);
    return html;
}

QString HelpWords::list(const char* tag, std::initializer_list<const char*> sources) const
{
    return QStringLiteral("<%1>\n%2</%1>\n").arg(QLatin1String(tag), items(sources));
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
