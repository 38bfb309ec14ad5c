// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/announce.h"

#include <QAccessible>
#include <QApplication>
#include <QTimer>
#include <QWidget>

namespace announce {

namespace {

// The run's announcer, while the toolkit's services hold one.
Announcer* current = nullptr;

} // namespace

Announcer::Announcer()
{
    // Sent before Qt tells a reader of the new focus, so the news is there
    // when the reader asks for the description.
    connect(qApp, &QApplication::focusChanged, this, &Announcer::focusChanged);
    current = this;
}

Announcer::~Announcer()
{
    untell();
    for (QPointer<QWidget>& voice : voices_)
        delete voice;
    if (current == this)
        current = nullptr;
}

void Announcer::say(const QString& news)
{
    if (news.isEmpty())
        return;
    QWidget* focus = QApplication::focusWidget();
    if (moved_ && focus) {
        // A reader asks for the description only once this turn is over.
        tell(focus, news);
        return;
    }
    pending_ << news;
    endTurnSoon();
}

void Announcer::focusChanged(QWidget* old, QWidget* now)
{
    // News of this turn follows the focus to where it ends up (a control
    // that is disabled or hidden passes the focus on); older news stays
    // behind with the control it was said on.
    QStringList news;
    if (old && old == told_) {
        if (toldThisTurn_)
            news = news_;
        untell();
    }
    if (!now)
        return;
    moved_ = true;
    endTurnSoon();
    news += pending_;
    pending_.clear();
    if (!news.isEmpty())
        tell(now, news.join(QLatin1Char(' ')));
}

void Announcer::endTurnSoon()
{
    if (!armed_) {
        armed_ = true;
        QTimer::singleShot(0, this, &Announcer::endTurn);
    }
}

void Announcer::endTurn()
{
    armed_ = false;
    moved_ = false;
    toldThisTurn_ = false;
    QWidget* focus = QApplication::focusWidget();
    QWidget* modal = QApplication::activeModalWidget();
    // With no active window (a message box has just closed) or a message
    // box on its way up, the news waits for the focus and goes with it.
    if (pending_.isEmpty() || !QApplication::activeWindow() || (modal && !modal->isAncestorOf(focus)))
        return;
    // Beside the control in focus, so a reader finds no new surroundings
    // to name on the way there and back.
    QWidget* place = focus && focus->parentWidget() ? focus->parentWidget() : QApplication::activeWindow();
    QPointer<QWidget>& voice = voices_[next_];
    next_ = 1 - next_;
    if (!voice || voice->parentWidget() != place) {
        delete voice;
        voice = new QWidget(place);
        voice->setObjectName(QStringLiteral("announcement"));
        voice->hide();
    }
    voice->setAccessibleName(pending_.join(QLatin1Char(' ')));
    pending_.clear();
    // Focus as a reader sees it; the keyboard's focus stays where it is.
    QAccessibleEvent event(voice, QAccessible::Focus);
    QAccessible::updateAccessibility(&event);
    if (listener)
        listener(voice);
}

// The news goes with the control the focus is on, after its own description.
void Announcer::tell(QWidget* control, const QString& news)
{
    if (control != told_) {
        untell();
        told_ = control;
        own_ = control->accessibleDescription();
        news_.clear();
    } else if (control->accessibleDescription() != written_) {
        // described anew by its screen meanwhile: that is its own now
        own_ = control->accessibleDescription();
    }
    news_ << news;
    toldThisTurn_ = true;
    const QString said = news_.join(QLatin1Char(' '));
    written_ = own_.isEmpty() ? said : said + QLatin1Char(' ') + own_;
    control->setAccessibleDescription(written_);
}

void Announcer::untell()
{
    // A screen that described its control anew meanwhile keeps what it said.
    if (told_ && told_->accessibleDescription() == written_)
        told_->setAccessibleDescription(own_);
    told_ = nullptr;
}

void say(const QString& news)
{
    if (current)
        current->say(news);
}

void setListener(std::function<void(QObject*)> listener)
{
    if (current)
        current->listener = std::move(listener);
}

} // namespace announce
