// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/frmhelp.h"

#include "platform/appinfo.h"
#include "platform/logging.h"
#include "shell/frmmain.h"
#include "shell/help.h"
#include "toolkit/fonts.h"
#include "toolkit/twips.h"
#include "toolkit/windowkeys.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QScreen>
#include <QSignalBlocker>
#include <algorithm>

namespace {
// The window's size at 100 %, in pixels.
constexpr QSize kSize(600, 480);
} // namespace

frmHelp::frmHelp(frmMain& frame) : QMainWindow(&frame), frame_(frame), atFull_(kSize)
{
    setObjectName(QStringLiteral("frmHelp"));
    setWindowTitle(tr("%1 Help").arg(QString::fromUtf8(appinfo::kTitle)));
    setWindowIcon(frame.windowIcon());

    auto* body = new QWidget(this);
    setCentralWidget(body);
    lstPages = new QListWidget(body);
    lstPages->setObjectName(QStringLiteral("lstPages"));
    //: the list of the help's pages
    lstPages->setAccessibleName(tr("Pages"));
    fonts::set(lstPages, "MS Sans Serif", 10);
    txtPage = new HelpView(body);
    txtPage->setObjectName(QStringLiteral("txtPage"));
    txtPage->setPages(help::pages());
    for (const HelpPage& page : txtPage->pages())
        (new QListWidgetItem(page.title, lstPages))->setData(Qt::UserRole, page.id);
    auto* layout = new QHBoxLayout(body);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(lstPages);
    layout->addWidget(txtPage, 1);
    setTabOrder(lstPages, txtPage);
    fitList();

    connect(lstPages, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0)
            txtPage->showPage(lstPages->item(row)->data(Qt::UserRole).toString());
    });
    connect(txtPage, &QTextBrowser::sourceChanged, this, &frmHelp::pageShown);

    windowkeys::escCloses(this);
    // The frame's zoom keys work here too, and this window follows them.
    frame.addZoomKeys(this);

    fitToZoom();
}

void frmHelp::showPage(const QString& id)
{
    // where there is no such page, the contents, which lead to every page
    const bool known = txtPage->page(id);
    if (!known)
        qCInfo(lcHelp, "there is no help page \"%s\": the contents are shown", qUtf8Printable(id));
    txtPage->showPage(known ? id : QString::fromLatin1(help::kContents));
    if (!placed_) {
        placeBesideFrame();
        placed_ = true;
    }
    show();
    raise();
    activateWindow();
    txtPage->setFocus(Qt::OtherFocusReason);
}

void frmHelp::pageShown(const QUrl& address)
{
    // The address it was given: the view's own source may not have changed yet.
    const QString id = address.path();
    for (int row = 0; row < lstPages->count(); ++row) {
        if (lstPages->item(row)->data(Qt::UserRole).toString() != id)
            continue;
        const QSignalBlocker quiet(lstPages);
        lstPages->setCurrentRow(row);
        txtPage->setAccessibleName(lstPages->item(row)->text());
    }
}

void frmHelp::fitList()
{
    lstPages->setSpacing(twips::toPixels(45));
    lstPages->setFixedWidth(lstPages->sizeHintForColumn(0) + 2 * lstPages->frameWidth() +
                            twips::toPixels(2 * 120));
}

void frmHelp::placeBesideFrame()
{
    QScreen* screen = frame_.screen();
    if (!screen)
        return;
    const QRect room = screen->availableGeometry();
    const QRect beside = frame_.frameGeometry();
    int left = beside.right() + 1;
    if (left + width() > room.right() + 1)
        left = beside.left() - width() >= room.left() ? beside.left() - width() : room.right() + 1 - width();
    move(left, std::clamp(beside.top(), room.top(), std::max(room.top(), room.bottom() + 1 - height())));
}

bool frmHelp::event(QEvent* event)
{
    if (event->type() == twips::zoomChangeEvent()) {
        fitToZoom();
        fitList();
    }
    return QMainWindow::event(event);
}

void frmHelp::fitToZoom()
{
    // The window grows and shrinks with its text, as far as the screen goes.
    QSize wanted = (atFull_ * twips::zoom()).toSize();
    if (const QScreen* s = screen())
        wanted = wanted.boundedTo(s->availableGeometry().size());
    asked_ = wanted;
    resize(wanted);
}

void frmHelp::resizeEvent(QResizeEvent* event)
{
    if (size() != asked_)
        atFull_ = QSizeF(size()) / twips::zoom();
    QMainWindow::resizeEvent(event);
}
