// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// News for a screen reader: what happened without the player moving (a card
// played, a ball called, Grizzle's move). A screen only says what to tell.
//
// Orca, the reader of the Linux desktop, speaks what gets the focus (its
// name, role and description) and little else: it drops name and
// description changes of the object in focus, since Qt sends them without the
// new text, and no role of Qt 6.4 makes it read an object that appears. So
// news goes out as focus:
// - where the focus moves in the same turn of the event loop, the news is
//   read after the name of the control that gets it, with its description,
//   until the focus leaves it again;
// - where it stays, the news is the name of a hidden object that a reader
//   finds beside the control in focus and is given the focus as far as a
//   screen reader sees; the keyboard stays where it was. Two such objects take
//   turns, since a reader says nothing when the focus "moves" to the object
//   that has it.
// News said while no window is active (a message box just closed) or while a
// message box opens waits for the focus and goes with it. Everything said in one turn is
// said together, in order: a reader skips a focus event that another follows
// at once.

#include <QObject>
#include <QPointer>
#include <QStringList>
#include <functional>

class QWidget;

namespace announce {

// Sends the news of the run. The toolkit's services own the one there is;
// say() reaches it.
class Announcer : public QObject {
public:
    Announcer();
    ~Announcer() override;
    Announcer(const Announcer&) = delete;
    Announcer& operator=(const Announcer&) = delete;

    void say(const QString& news);

    // Also hands each voice to `listener` as its news is sent to a reader:
    // the tests' stand-in for a reader, since Qt sends nothing where no reader
    // listens (the offscreen platform has none).
    std::function<void(QObject*)> listener;

private:
    void focusChanged(QWidget* old, QWidget* now);
    void endTurnSoon();
    void endTurn();
    void tell(QWidget* control, const QString& news);
    void untell();

    QStringList pending_;
    bool moved_ = false;
    bool armed_ = false;
    bool toldThisTurn_ = false;
    // The control the news of the focus went with, its own description as
    // the news found it and the description the news gave it: the news is
    // taken off only where the screen has not described the control anew.
    QPointer<QWidget> told_;
    QString own_;
    QString written_;
    QStringList news_;
    // The two hidden controls that news is said with, beside the control in
    // focus: a reader ignores an object its parent does not list.
    QPointer<QWidget> voices_[2];
    int next_ = 0;
};

// Tells the player's screen reader `news` (a sentence, such as "Grizzle plays
// 8 of Hearts.") through the run's announcer; without one, nobody hears it.
void say(const QString& news);

// Sets the run's announcer's listener (see Announcer::listener); an empty
// function stops it.
void setListener(std::function<void(QObject*)> listener);

} // namespace announce
