// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The pages of the help and the view that shows them. A page is rich text
// for a player with pictures drawn by the games' own art code; the view
// draws each picture from its vectors at the frame's zoom and the screen's
// pixel density, so it is as crisp as the screens are, and follows every
// zoom change with its text.

#include "toolkit/picture.h"

#include <QTextBrowser>
#include <QTextObjectInterface>
#include <initializer_list>
#include <vector>

struct HelpPage {
    QString id;      // its address, help:ID; links to it read <a href="help:ID">
    QString title;   // its heading, and what the player calls it
    QString screen;  // the name of the form it explains, if any
    QString html;    // the body under the heading
    std::vector<Picture> pictures;

    // The markup that shows the picture with its description beneath it as
    // its caption, which is also what a screen reader reads for it; the page
    // keeps the picture.
    QString figure(const Picture& picture);

    // A block of a page's text (a paragraph, an item, a heading) inside its
    // tag. A heading has a blank line before it, which the view reads as a
    // space at the end of the block above, as the pages always had.
    static QString block(const char* tag, const QString& text);

    // What every game's page says, in this order, each part under its
    // heading: the goal in one sentence, how to play, how Grizzle plays, how
    // it ends, the buttons and keys, and tips. `keys` are the items of the
    // game's own buttons and keys; the keys every screen takes follow them.
    struct Outline {
        QString goal;
        QString play;
        QString grizzle;
        QString end;
        QString keys;
        QString tips;
    };
    static QString outline(const Outline& parts);

    // The items of the keys that work on every screen: F1, Esc, F10, zoom.
    static QString windowKeys();
};

// A page's texts in the reader's language, each a QT_TRANSLATE_NOOP of the
// page's own translation context.
struct HelpWords {
    const char* context;

    QString text(const char* source) const;
    // The text inside its tag (HelpPage::block).
    QString block(const char* tag, const char* source) const;
    // The texts as the items of a list, and a list, "ul" or "ol", of them.
    QString items(std::initializer_list<const char*> sources) const;
    QString list(const char* tag, std::initializer_list<const char*> sources) const;
};

class HelpView : public QTextBrowser, public QTextObjectInterface {
    Q_OBJECT
    Q_INTERFACES(QTextObjectInterface)
public:
    explicit HelpView(QWidget* parent);

    void setPages(std::vector<HelpPage> pages);
    const std::vector<HelpPage>& pages() const { return pages_; }
    // The page of that id, or none.
    const HelpPage* page(const QString& id) const;
    // Shows the page; an id that names no page changes nothing.
    void showPage(const QString& id);
    // The id of the page on show.
    QString pageId() const;

    static QUrl address(const QString& id);

    // The pictures' place in the text: each <img src> names a picture's key.
    QSizeF intrinsicSize(QTextDocument* document, int position, const QTextFormat& format) override;
    void drawObject(QPainter* painter, const QRectF& rect, QTextDocument* document, int position,
                    const QTextFormat& format) override;
    // The picture an image of the text shows: empty where the key is unknown.
    Picture picture(const QString& key) const;

protected:
    QVariant loadResource(int type, const QUrl& name) override;
    bool event(QEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    std::vector<HelpPage> pages_;
};
