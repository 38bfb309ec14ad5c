// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The random player's Coin Flip (see support/gamedriver.h): calls Heads or
// Tails, and checks that each call shows a side and gives one point to
// whoever the coin proves right.

#include "coinflip/frmcoinflip.h"
#include "support/gamedriver.h"

#include <QPointer>
#include <QPushButton>
#include <vector>

namespace {

class CoinFlipDriver : public randomplayer::ScreenDriver<frmCoinFlip> {
public:
    QStringList counters() const override { return {QStringLiteral("a right call"), QStringLiteral("a wrong call")}; }

    void act(randomplayer::Player& p, Form& screen) override
    {
        frmCoinFlip& game = of(screen);
        const int r = p.roll(100);
        p.click(r < 5 ? game.cmdQuit : r < 55 ? game.cmdHeads : game.cmdTails);
    }

    void begin(Form* screen) override
    {
        frmCoinFlip* game = of(screen);
        calls_.clear();
        before_ = game ? game->score : coinflip::Score{};
        // the calls as the buttons hear them, by click or by key (a double
        // click is two), each with the side its toss showed: heard after the
        // screen's own handler
        if (game && game != watched_) {
            watched_ = game;
            for (QPushButton* call : {game->cmdHeads, game->cmdTails})
                QObject::connect(call, &QPushButton::clicked, game, [this, game, call] {
                    calls_.push_back({controls::plainCaption(call->text()), game->imgCoin->picture().description()});
                });
        }
    }

    void check(randomplayer::Player& p, Form* screen, const QStringList&) override
    {
        const frmCoinFlip* game = of(screen);
        if (!game || calls_.empty())
            return;
        coinflip::Score expected = before_;
        for (const Call& call : calls_) {
            const bool right = call.side == call.called;
            p.count(right ? QStringLiteral("a right call") : QStringLiteral("a wrong call"));
            (right ? expected.yours : expected.grizzles) += 1;
        }
        const QString shown = QStringLiteral("You %1, Grizzle %2").arg(expected.yours).arg(expected.grizzles);
        if (game->score != expected || game->lblScore->text() != shown)
            p.fail(QStringLiteral("%1 call(s), the last %2 on a coin showing %3, score %4")
                       .arg(calls_.size())
                       .arg(calls_.back().called, calls_.back().side, game->lblScore->text()));
    }

private:
    QPointer<frmCoinFlip> watched_;  // the screen whose calls are heard
    struct Call {
        QString called;
        QString side;  // the side the coin showed after the call
    };
    std::vector<Call> calls_;        // the calls of this event
    coinflip::Score before_;         // before the event: the score
};

const randomplayer::Registration<CoinFlipDriver> registeredCoinFlip("cmdCoinFlip");

} // namespace
