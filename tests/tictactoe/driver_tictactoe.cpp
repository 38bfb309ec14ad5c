// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The random player's Tic Tac Toe (see support/gamedriver.h): plays free
// cells by mouse and keyboard and restarts, with the game's model
// (model_tictactoe.h) played beside the screen. After every click, at every
// message box and after every event, the whole screen must be what the
// model says; Grizzle's replies must be the ones his rules allow, and his
// random ones are counted for their chances.

#include "model_tictactoe.h"
#include "support/gamedriver.h"
#include "support/screensteps.h"
#include "tictactoe/frmtictactoe.h"

#include <QPointer>
#include <QPushButton>

namespace {

using screenstate::Press;
using screenstate::State;

class TicTacToeDriver : public randomplayer::ScreenDriver<frmTicTacToe> {
public:
    using Model = tictactoemodel::Model;

    QStringList messages() const override { return Model::messages(); }
    std::vector<randomplayer::Histogram> histograms() const override { return Model::histograms(); }
    QString judge(const std::vector<std::vector<long>>& counts, long) const override { return Model::judge(counts); }

    void act(randomplayer::Player& p, Form& screen) override
    {
        frmTicTacToe& ttt = of(screen);
        const int r = p.roll(100);
        if (r < 3)
            return p.click(ttt.cmdQuit);
        std::vector<QWidget*> free;
        for (int n = 1; n <= 9; ++n)
            if (ttt.Image1[std::size_t(n)]->isEnabled())
                free.push_back(ttt.Image1[std::size_t(n)]);
        if (r < 8 || free.empty())
            return p.click(ttt.cmdRestart);
        if (r < 20)
            return p.key(Qt::Key_Space);  // wherever the keyboard is
        p.click(p.any(free));
    }

    void begin(Form* screen) override
    {
        // The screen as it is when a message box opens: the game clears the
        // board once the box is closed.
        if (screen)
            steps_.begin(screen == visit_ ? screen : nullptr, screen->app().platform());
    }

    void check(randomplayer::Player& p, Form* screen, const QStringList& messages) override
    {
        frmTicTacToe* ttt = of(screen);
        if (!ttt)
            return;
        if (ttt != visit_)
            return startVisit(p, *ttt);
        for (const Press& click : steps_.presses())
            play(p, click);
        if (const QString wrong = steps_.unheard(messages); !wrong.isEmpty())
            p.fail(QStringLiteral("Tic Tac Toe: %1").arg(wrong));
        reader_.read(*ttt, after_);
        compare(p, after_, QStringLiteral("after the event"));
        // The board and scores the game keeps, in the values the rules give them.
        for (int n = 1; n <= 9; ++n)
            if (ttt->board.cells[std::size_t(n - 1)] != model_.at(n))
                p.fail(QStringLiteral("Tic Tac Toe cell %1 holds %2, the rules %3")
                           .arg(n).arg(ttt->board.cells[std::size_t(n - 1)]).arg(model_.at(n)));
        if (ttt->playerscore != model_.score(tictactoemodel::O) ||
            ttt->computerscore != model_.score(tictactoemodel::X))
            p.fail(QStringLiteral("the scores are kept as %1 and %2").arg(ttt->playerscore).arg(ttt->computerscore));
    }

private:
    void startVisit(randomplayer::Player& p, frmTicTacToe& ttt)
    {
        visit_ = &ttt;
        // Connected after the screen's own handlers, so each hears the click's doing.
        for (int n = 1; n <= 9; ++n) {
            QObject::connect(ttt.cellKey[std::size_t(n)], &Label::clicked, &ttt, [this, n] { steps_.press(n); });
            QObject::connect(ttt.Image1[std::size_t(n)], &PictureBox::clicked, &ttt, [this, n] { steps_.press(n); });
        }
        QObject::connect(ttt.cmdRestart, &QPushButton::clicked, &ttt, [this] { steps_.press(0); });
        if (const QString wrong = model_.start(screenstate::read(ttt)); !wrong.isEmpty())
            p.fail(QStringLiteral("Tic Tac Toe opens wrong: %1").arg(wrong));
    }

    // A click on a cell (1 to 9) or Restart (0) played on the model: the
    // player's O on a free cell, then Grizzle's reply, each with the message
    // its board gives.
    void play(randomplayer::Player& p, const Press& click)
    {
        std::size_t heard = 0;
        const auto ends = [&] {
            const QString verdict = model_.verdict();
            if (verdict.isEmpty())
                return;
            if (heard == click.messages.size() || click.messages[heard].text != verdict)
                p.fail(QStringLiteral("the board gives \"%1\", the game shows \"%2\"")
                           .arg(verdict, heard < click.messages.size() ? click.messages[heard].text : QString()));
            compare(p, click.messages[heard++].state, QStringLiteral("while \"%1\" shows").arg(verdict));
            model_.end(verdict);
        };
        if (click.what == 0) {
            model_.restart();
        } else if (model_.at(click.what) == tictactoemodel::Empty) {
            model_.mark(click.what, tictactoemodel::O);
            ends();
            // Grizzle's X shows with the message it gives, else after the click.
            const State& seen = heard < click.messages.size() ? click.messages[heard].state : click.state;
            const std::vector<int> xs = model_.newMarks(seen);
            if (xs.size() != 1)
                p.fail(QStringLiteral("Grizzle made %1 marks in reply to the O on cell %2")
                           .arg(xs.size())
                           .arg(click.what));
            if (const QString wrong = model_.reply(p, xs.front()); !wrong.isEmpty())
                p.fail(wrong);
            model_.mark(xs.front(), tictactoemodel::X);
            ends();
            model_.replied();
        }
        if (heard < click.messages.size())
            p.fail(QStringLiteral("\"%1\" shown where the rules give no message").arg(click.messages[heard].text));
        compare(p, click.state,
                click.what ? QStringLiteral("after a click on cell %1").arg(click.what)
                           : QStringLiteral("after Restart"));
    }

    void compare(randomplayer::Player& p, const State& actual, const QString& when) const
    {
        screenstate::compare(p, model_.shown(), actual, QStringLiteral("Tic Tac Toe ") + when);
    }

    QPointer<frmTicTacToe> visit_;  // the screen the model follows, gone when it ends
    Model model_;
    screenstate::Steps steps_;      // the event's clicks
    screenstate::Reader reader_;
    State after_;                   // the screen after the event
};

const randomplayer::Registration<TicTacToeDriver> registeredTicTacToe("cmdTicTacToe");

} // namespace
