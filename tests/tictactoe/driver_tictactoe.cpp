// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The random player's Tic Tac Toe (see support/gamedriver.h): plays free
// cells by mouse and keyboard, restarts, and checks the board, its pictures
// and the scores.

#include "support/gamedriver.h"
#include "tictactoe/frmtictactoe.h"

#include <QPointer>
#include <QPushButton>
#include <cstdlib>

namespace {

const QString kYouWin = QStringLiteral("You win. Click okay to start a new game.");
const QString kGrizzleyWins = QStringLiteral("Grizzley wins. Click okay to start a new game.");
const QString kCatsTail = QStringLiteral("Cat's tail. Nobody wins. Click okay to start a new game.");

class TicTacToeDriver : public randomplayer::ScreenDriver<frmTicTacToe> {
public:
    QStringList messages() const override { return {kYouWin, kGrizzleyWins, kCatsTail}; }

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
        if (const frmTicTacToe* ttt = of(screen); ttt && ttt == ticTacToe_)
            scores_ = {ttt->playerscore, ttt->computerscore};
    }

    void check(randomplayer::Player& p, Form* screen, const QStringList& messages) override
    {
        const frmTicTacToe* ttt = of(screen);
        if (!ttt)
            return;
        if (ticTacToe_ != ttt) {
            // a new visit
            ticTacToe_ = ttt;
            scores_ = {0, 0};
        }
        int os = 0, xs = 0;
        for (int n = 1; n <= 9; ++n) {
            const PictureBox* image = ttt->Image1[std::size_t(n)];
            const bool free = image->isEnabledTo(ttt);
            const Picture& shown = image->picture();
            const qint16 v = ttt->board(n);
            const bool right = (v == tictactoe::kEmpty && free && shown.isNull()) ||
                               (v == tictactoe::kPlayer && !free && shown == ttt->imgO->picture()) ||
                               (v == tictactoe::kComputer && !free && shown == ttt->imgX->picture());
            if (!right)
                p.fail(QStringLiteral("Tic Tac Toe cell %1 holds %2 but shows otherwise").arg(n).arg(v));
            os += v == tictactoe::kPlayer;
            xs += v == tictactoe::kComputer;
        }
        if (tictactoe::outcome(ttt->board) != tictactoe::Outcome::None)
            p.fail(QStringLiteral("a finished Tic Tac Toe game stays on the board"));
        if (std::abs(os - xs) > 1)
            p.fail(QStringLiteral("%1 O against %2 X").arg(os).arg(xs));
        const long wins = messages.count(kYouWin);
        const long losses = messages.count(kGrizzleyWins);
        if (ttt->playerscore != scores_.first + wins || ttt->computerscore != scores_.second + losses ||
            ttt->scr1->text() != QString::number(ttt->playerscore) ||
            ttt->scr2->text() != QString::number(ttt->computerscore))
            p.fail(QStringLiteral("the scores read %1 and %2").arg(ttt->scr1->text(), ttt->scr2->text()));
    }

private:
    // The visit the rules follow, gone when it ends, and its scores before the event.
    QPointer<const frmTicTacToe> ticTacToe_;
    std::pair<long, long> scores_;
};

const randomplayer::Registration<TicTacToeDriver> registered("cmdTicTacToe");

} // namespace
