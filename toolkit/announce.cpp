// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/announce.h"

#include <QAccessible>
#include <QApplication>
#include <QPointer>
#include <QTimer>
#include <QWidget>

namespace {

class Announcer : public QObject {
public:
    Announcer()
    {
        setParent(QCoreApplication::instance());
        // Sent before Qt tells a reader of the new focus, so the news is
        // there when the reader asks for the description.
        connect(qApp, &QApplication::focusChanged, this, &Announcer::focusChanged);
    }

    void say(const QString& news)
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

private:
    void focusChanged(QWidget* old, QWidget* now)
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

    void endTurnSoon()
    {
        if (!armed_) {
            armed_ = true;
            QTimer::singleShot(0, this, &Announcer::endTurn);
        }
    }

    void endTurn()
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

public:
    std::function<void(QObject*)> listener;

private:

    // The news goes with the control the focus is on, after its own description.
    void tell(QWidget* control, const QString& news)
    {
        if (control != told_) {
            untell();
            told_ = control;
            own_ = control->accessibleDescription();
            news_.clear();
        }
        news_ << news;
        toldThisTurn_ = true;
        const QString said = news_.join(QLatin1Char(' '));
        control->setAccessibleDescription(own_.isEmpty() ? said : said + QLatin1Char(' ') + own_);
    }

    void untell()
    {
        if (told_)
            told_->setAccessibleDescription(own_);
        told_ = nullptr;
    }

    QStringList pending_;
    bool moved_ = false;
    bool armed_ = false;
    bool toldThisTurn_ = false;
    QPointer<QWidget> told_;
    QString own_;
    QStringList news_;
    QPointer<QWidget> voices_[2];
    int next_ = 0;
};

Announcer& announcer()
{
    static Announcer* const instance = new Announcer;
    return *instance;
}

} // namespace

namespace announce {

void install()
{
    announcer();
}

void say(const QString& news)
{
    announcer().say(news);
}

void setListener(std::function<void(QObject*)> listener)
{
    announcer().listener = std::move(listener);
}

} // namespace announce
