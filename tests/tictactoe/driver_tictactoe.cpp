// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The random player's Tic Tac Toe (see support/gamedriver.h): plays free
// cells by mouse and keyboard, restarts, and checks the board, its pictures,
// the scores, Grizzle's one reply to each move and each game's message.

#include "support/fakeplatform.h"
#include "support/gamedriver.h"
#include "tictactoe/frmtictactoe.h"

#include <QPointer>
#include <QPushButton>
#include <algorithm>
#include <array>
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
        atMessages_.clear();
        haveBefore_ = false;
        const frmTicTacToe* ttt = of(screen);
        if (!ttt || ttt != ticTacToe_)
            return;
        scores_ = {ttt->playerscore, ttt->computerscore};
        before_ = ttt->board.cells;
        haveBefore_ = true;
        // The board as it stands when a message box opens: the game clears it
        // once the box is closed.
        if (auto* fake = dynamic_cast<FakePlatform*>(&ttt->app().platform()); fake && ttt->isVisible())
            fake->onMessage = [this, seen = QPointer<const frmTicTacToe>(ttt)](const QString&) {
                if (seen)
                    atMessages_.push_back(seen->board.cells);
            };
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
        if (haveBefore_)
            checkMove(p, ttt->board.cells, messages);
    }

private:
    using Cells = std::array<qint16, 9>;
    // Rows, columns, diagonals; cells 0 to 8.
    static constexpr std::array<std::array<int, 3>, 8> kLines{
        {{0, 1, 2}, {3, 4, 5}, {6, 7, 8}, {0, 3, 6}, {1, 4, 7}, {2, 5, 8}, {0, 4, 8}, {2, 4, 6}}};

    // The message a finished board gives, the player's lines first; none
    // for a game still open.
    static QString verdict(const Cells& c)
    {
        for (const qint16 who : {tictactoe::kPlayer, tictactoe::kComputer})
            for (const auto& l : kLines)
                if (c[std::size_t(l[0])] == who && c[std::size_t(l[1])] == who && c[std::size_t(l[2])] == who)
                    return who == tictactoe::kPlayer ? kYouWin : kGrizzleyWins;
        return std::count(c.begin(), c.end(), tictactoe::kEmpty) ? QString() : kCatsTail;
    }

    // Grizzle's reply: the first free cell that completes two of the
    // player's marks, line by line (first two, last two, outer two); -1 when
    // there is none and any free cell will do.
    static int block(const Cells& c)
    {
        for (const auto& l : kLines)
            for (const auto& [a, b, target] : {l, std::array{l[1], l[2], l[0]}, std::array{l[0], l[2], l[1]}})
                if (c[std::size_t(a)] == tictactoe::kPlayer && c[std::size_t(b)] == tictactoe::kPlayer &&
                    c[std::size_t(target)] == tictactoe::kEmpty)
                    return target;
        return -1;
    }

    // A move of the player's gets one reply, by the rules of the reply, and
    // a finished game the message its board gives; Grizzle opens the next
    // game only when the player's mark ended the last one.
    void checkMove(randomplayer::Player& p, const Cells& after, const QStringList& messages) const
    {
        if (atMessages_.size() != std::size_t(messages.size()) || atMessages_.size() > 1)
            p.fail(QStringLiteral("%1 Tic Tac Toe messages for one event").arg(messages.size()));
        const Cells& played = atMessages_.empty() ? after : atMessages_.front();
        if (played == before_ || std::count(played.begin(), played.end(), tictactoe::kEmpty) == 9)
            return;  // no move, or Restart
        std::vector<int> os, xs;
        for (std::size_t i = 0; i < 9; ++i) {
            if (played[i] == before_[i])
                continue;
            if (before_[i] != tictactoe::kEmpty)
                p.fail(QStringLiteral("Tic Tac Toe cell %1 changed from %2").arg(i + 1).arg(before_[i]));
            (played[i] == tictactoe::kPlayer ? os : xs).push_back(int(i));
        }
        if (os.size() != 1)
            p.fail(QStringLiteral("%1 O placed in one move").arg(os.size()));
        Cells mine = before_;
        mine[std::size_t(os.front())] = tictactoe::kPlayer;
        const bool endedByO = !verdict(mine).isEmpty();
        if (xs.size() != (endedByO ? 0u : 1u))
            p.fail(QStringLiteral("%1 replies to one move").arg(xs.size()));
        if (!endedByO && block(mine) >= 0 && xs.front() != block(mine))
            p.fail(QStringLiteral("Grizzle took cell %1, not %2 which blocks").arg(xs.front() + 1).arg(block(mine) + 1));
        if (!messages.isEmpty() && messages.front() != verdict(played))
            p.fail(QStringLiteral("\"%1\" on a board that gives \"%2\"").arg(messages.front(), verdict(played)));
        if (messages.isEmpty() != verdict(played).isEmpty())
            p.fail(QStringLiteral("a finished game with no message"));
        if (!messages.isEmpty() && std::count(after.begin(), after.end(), tictactoe::kEmpty) != (endedByO ? 8 : 9))
            p.fail(QStringLiteral("the board after a finished game is not a new one"));
    }

    // The visit the rules follow, gone when it ends, and its scores before the event.
    QPointer<const frmTicTacToe> ticTacToe_;
    std::pair<long, long> scores_;
    bool haveBefore_ = false;
    Cells before_{};
    std::vector<Cells> atMessages_;  // the board at each message box of the event
};

const randomplayer::Registration<TicTacToeDriver> registered("cmdTicTacToe");

} // namespace
