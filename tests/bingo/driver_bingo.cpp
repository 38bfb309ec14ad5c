// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The random player's Bingo (see support/gamedriver.h): chooses options,
// marks the balls called, claims bingo rightly and wrongly, and checks the
// balls, both cards and the screen's four states.

#include "bingo/bingorules.h"
#include "bingo/frmbingo.h"
#include "support/fakeplatform.h"
#include "support/gamedriver.h"

#include <QGroupBox>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <algorithm>
#include <set>
#include <vector>

namespace {

const QString kGrizzleWins = QStringLiteral("Grizzle Wins! Hit okay to play again.");
const QString kYouWin = QStringLiteral("You Win! Hit okay to play again.");
const QString kNoCheating = QStringLiteral(
    "Heh, no cheating.  You don't have bingo. You know the rules, if you yell bingo and you don't really have it, "
    "you have to start over.  Hit okay to start over.");
// by gametype, 1 to 4
const QStringList kWonBy = {QStringLiteral("Bingo won by Blackout"), QStringLiteral("Bingo won by X-out"),
                            QStringLiteral("Bingo won by 4 Corners"), QStringLiteral("Bingo won by Field Goal")};

class BingoDriver : public randomplayer::ScreenDriver<frmBingo> {
public:
    QStringList messages() const override { return {kGrizzleWins, kYouWin, kNoCheating}; }
    QStringList counters() const override { return kWonBy; }

    // A game under way.
    bool intent(Form& screen) const override { return of(screen).tmrBall->isEnabled(); }

    void act(randomplayer::Player& p, Form& screen) override
    {
        frmBingo& bingo = of(screen);
        const int r = p.roll(10000);
        if (bingo.Frame1->isVisible()) {
            if (r < 3000)
                return p.click(p.any(std::vector<QWidget*>{bingo.Option1, bingo.Option2, bingo.Option3, bingo.Option4}));
            if (r < 3500)
                return p.click(bingo.scrSpeed);
            if (r < 4500 && bingo.cmdCancel->isEnabled())
                return p.click(bingo.cmdCancel);
            return p.click(bingo.cmdOkay);
        }
        if (r < 20)
            return p.click(bingo.cmdQuit);
        if (!bingo.cmdBingo->isEnabled()) {
            if (r < 8000)
                return p.click(bingo.cmdStart);
            return p.click(bingo.lblNumber[std::size_t(26 + p.roll(25))]);
        }
        if (r < 40)
            return p.click(bingo.cmdOptions);
        if (r < 50)
            return p.click(bingo.cmdStart);
        if (r < 60)
            return p.click(bingo.cmdBingo);  // without looking: mostly a false claim
        if (playerHasPattern(bingo))
            return p.click(bingo.cmdBingo);
        if (r < 3000) {
            for (int cell = 26; cell <= 50; ++cell)
                if (!bingo.marked(cell) && bingo.lblNumber[std::size_t(cell)]->text().toInt() == bingo.curball)
                    return p.click(bingo.lblNumber[std::size_t(cell)]);
        }
        if (r < 3300)
            return p.click(bingo.lblNumber[std::size_t(26 + p.roll(25))]);
        // the next ball, or only Grizzle's next look
        if (!p.passTime(r < 7000 ? bingo.tmrBall.get() : nullptr))
            p.click(bingo.cmdStart);
    }

    std::vector<randomplayer::NamedTimer> timers(Form& screen) const override
    {
        frmBingo& bingo = of(screen);
        return {{bingo.tmrBall.get(), "tmrBall"}, {bingo.tmrGrizzle.get(), "tmrGrizzle"}};
    }

    void begin(Form* screen) override
    {
        atMessages_.clear();
        buttons_.clear();
        frmBingo* bingo = of(screen);
        if (!bingo || bingo != bingo_)
            return;
        balls_ = bingo->balls;
        curball_ = bingo->curball;
        gametype_ = bingo->gametype;
        if (watched_ != bingo) {
            // The panel's buttons as they are pressed, by click or by key.
            watched_ = bingo;
            QObject::connect(bingo->cmdOkay, &QPushButton::clicked, bingo, [this] { buttons_.push_back(true); });
            QObject::connect(bingo->cmdCancel, &QPushButton::clicked, bingo, [this] { buttons_.push_back(false); });
        }
        // Both cards as they stand when a message box opens: the game clears
        // them once the box is closed.
        if (auto* fake = dynamic_cast<FakePlatform*>(&bingo->app().platform()); fake && bingo->isVisible())
            fake->onMessage = [this, seen = QPointer<const frmBingo>(bingo)](const QString& text) {
                if (seen)
                    atMessages_.push_back({text, pattern(*seen, 0), pattern(*seen, 25)});
            };
    }

    void check(randomplayer::Player& p, Form* screen, const QStringList& messages) override
    {
        const frmBingo* bingo = of(screen);
        if (!bingo)
            return;
        for (const QString& m : messages)
            if (m == kGrizzleWins || m == kYouWin)
                p.count(kWonBy[bingo->gametype - 1]);
        checkBingo(p, *bingo);
        if (p.lastTick() == bingo->tmrGrizzle.get() && !messages.contains(kGrizzleWins))
            checkGrizzleMarked(p, *bingo);
        if (bingo == watched_)
            checkClaims(p, *bingo);
    }

    // What a game takes long to reach: every message box, and the options
    // opened again during a game, with Cancel to go back to it.
    std::vector<Step> visitSteps() const override
    {
        const Step claims = [](Form& screen, FakePlatform&, const std::function<void()>& look) {
            frmBingo& bingo = of(screen);
            bingo.joined(0);  // no ball has that number
            bingo.cmdOkay_Click();
            bingo.cmdOptions_Click();
            look();
            bingo.cmdCancel_Click();
            bingo.cmdBingo_Click();  // without the pattern
            for (std::size_t cell = 26; cell <= 50; ++cell)
                if (!bingo.marked(int(cell)))
                    bingo.lblNumber_Click(int(cell));
            bingo.cmdBingo_Click();
        };
        const Step grizzleWins = [](Form& screen, FakePlatform& platform, const std::function<void()>&) {
            frmBingo& bingo = of(screen);
            bingo.cmdOkay_Click();
            for (int ball = 0; ball < 2 * bingo::kBalls && platform.messages.isEmpty(); ++ball) {
                tick(*bingo.tmrBall);
                tick(*bingo.tmrGrizzle);
            }
        };
        return {claims, grizzleWins};
    }

private:
    struct AtMessage {
        QString text;
        bool grizzles, yours;  // each card holds the pattern
    };

    static bool pattern(const frmBingo& bingo, int offset)
    {
        std::array<bool, bingo::kCardCells> marks{};
        for (int cell = 1; cell <= bingo::kCardCells; ++cell)
            marks[std::size_t(cell - 1)] = bingo.marked(offset + cell);
        return bingo::hasPattern(bingo.gametype, marks);
    }

    // A claim wins with the pattern and is refused without it; Grizzle wins
    // with the pattern, on the look that completes it; Okay plays the chosen
    // pattern, Cancel keeps the last.
    void checkClaims(randomplayer::Player& p, const frmBingo& bingo) const
    {
        for (const AtMessage& m : atMessages_) {
            const bool right = m.text == kYouWin       ? m.yours
                               : m.text == kNoCheating ? !m.yours
                                                       : m.grizzles;
            if (!right)
                p.fail(QStringLiteral("\"%1\" with the pattern on %2").arg(m.text.left(20),
                       m.yours ? QStringLiteral("the player's card") : QStringLiteral("no player's card")));
        }
        if (pattern(bingo, 0))
            p.fail(QStringLiteral("Grizzle's card holds the pattern, and Grizzle has not won"));
        if (buttons_.size() > 1)
            p.fail(QStringLiteral("the options closed %1 times in one event").arg(buttons_.size()));
        if (buttons_.empty())
            return;
        const QRadioButton* options[] = {bingo.Option1, bingo.Option2, bingo.Option3, bingo.Option4};
        const qint16 chosen = buttons_.front() ? qint16(std::find_if(std::begin(options), std::end(options),
                                                                     [](const QRadioButton* o) { return o->isChecked(); }) -
                                                        std::begin(options) + 1)
                                               : gametype_;
        if (bingo.gametype != chosen)
            p.fail(QStringLiteral("%1 leaves pattern %2, not %3")
                       .arg(buttons_.front() ? QStringLiteral("Okay") : QStringLiteral("Cancel"))
                       .arg(bingo.gametype)
                       .arg(chosen));
    }

    // Grizzle's look marks the ball that shows wherever it is on his card.
    static void checkGrizzleMarked(randomplayer::Player& p, const frmBingo& bingo)
    {
        for (int cell = 1; cell <= bingo::kCardCells; ++cell)
            if (bingo.lblNumber[std::size_t(cell)]->text() == QString::number(bingo.curball) && !bingo.marked(cell))
                p.fail(QStringLiteral("Grizzle looked and left ball %1 unmarked on his card").arg(bingo.curball));
    }

    static bool playerHasPattern(const frmBingo& bingo)
    {
        std::array<bool, bingo::kCardCells> marks{};
        for (int cell = 1; cell <= bingo::kCardCells; ++cell)
            marks[std::size_t(cell - 1)] = bingo.marked(25 + cell);
        return bingo::hasPattern(bingo.gametype, marks);
    }

    void checkBingo(randomplayer::Player& p, const frmBingo& bingo)
    {
        if (bingo_ != &bingo) {
            // a new visit, as loaded
            bingo_ = &bingo;
            balls_ = bingo.balls;
            curball_ = bingo.curball;
            carried_ = 0;
            shown_.clear();
        }
        const bool timers = bingo.tmrBall->isEnabled() && bingo.tmrGrizzle->isEnabled();
        const bool noTimers = !bingo.tmrBall->isEnabled() && !bingo.tmrGrizzle->isEnabled();
        const bool play = bingo.cmdOptions->isEnabled() && bingo.cmdBingo->isEnabled();
        const bool noPlay = !bingo.cmdOptions->isEnabled() && !bingo.cmdBingo->isEnabled();
        const bool panel = bingo.Frame1->isVisible();
        const bool start = bingo.cmdStart->isEnabled();
        const bool known = (noTimers && noPlay && !start && panel) || (timers && play && start && !panel) ||
                           (noTimers && noPlay && start && !panel);
        if (!known)
            p.fail(QStringLiteral("Bingo is in none of its four states"));

        const bingo::BallBag& bag = bingo.balls;
        std::set<int> called, before;
        for (int b = 1; b <= bingo::kBalls; ++b) {
            if (!bag.ballfree[std::size_t(b)])
                called.insert(b);
            if (!balls_.ballfree[std::size_t(b)])
                before.insert(b);
        }
        if (int(called.size()) != bag.ballcount)
            p.fail(QStringLiteral("%1 balls counted, %2 called").arg(bag.ballcount).arg(called.size()));
        if (!std::includes(called.begin(), called.end(), before.begin(), before.end())) {
            carried_ = curball_;  // a new game: the last ball of the old one still shows
            shown_.clear();
        }
        // Each ball that shows is a new one of this game, and counted.
        if (bingo.curball != curball_) {
            if (!shown_.insert(bingo.curball).second)
                p.fail(QStringLiteral("ball %1 shows a second time in one game").arg(bingo.curball));
            if (bag.ballcount < int(shown_.size()))
                p.fail(QStringLiteral("%1 balls shown in this game, %2 counted").arg(shown_.size()).arg(bag.ballcount));
        }
        if (bingo.curball != curball_ && !called.count(bingo.curball))
            p.fail(QStringLiteral("ball %1 shows but was not called").arg(bingo.curball));
        if (bingo.curball && bingo.lblBall->text() != bingo::ballText(bingo.curball))
            p.fail(QStringLiteral("the ball reads %1 for %2").arg(bingo.lblBall->text()).arg(bingo.curball));

        // Grizzle marks only what was called: in this game, or the last ball
        // of the game before, which still shows when a new one starts.
        if (!bingo.marked(bingo::kCentre))
            p.fail(QStringLiteral("Grizzle's free space is not marked"));
        for (int cell = 1; cell <= bingo::kCardCells; ++cell) {
            if (cell == bingo::kCentre || !bingo.marked(cell))
                continue;
            const int n = bingo.lblNumber[std::size_t(cell)]->text().toInt();
            if (!called.count(n) && n != bingo.curball && n != carried_)
                p.fail(QStringLiteral("Grizzle marked %1, which was not called").arg(n));
        }
        for (int offset : {0, 25}) {
            for (int column = 0; column < 5; ++column) {
                std::set<int> numbers;
                for (int row = 0; row < 5; ++row) {
                    const QString caption = bingo.lblNumber[std::size_t(offset + 5 * row + column + 1)]->text();
                    if (column == 2 && row == 2) {
                        if (caption != QLatin1String("FS"))
                            p.fail(QStringLiteral("a centre reads %1").arg(caption));
                        continue;
                    }
                    const int n = caption.toInt();
                    if (n < 15 * column + 1 || n > 15 * column + 15 || !numbers.insert(n).second)
                        p.fail(QStringLiteral("a card's column holds %1").arg(caption));
                }
            }
        }
        if (!bingo.lblBlocker->isVisible())
            p.fail(QStringLiteral("Grizzle's card is open to clicks"));
    }

    // The visit the rules follow, gone when it ends, and what they compare with.
    QPointer<const frmBingo> bingo_;
    bingo::BallBag balls_;
    qint16 curball_ = 0;
    int carried_ = 0;
    qint16 gametype_ = 0;
    QPointer<frmBingo> watched_;      // the screen whose buttons are heard
    std::vector<bool> buttons_;       // Okay (true) and Cancel of this event
    std::vector<AtMessage> atMessages_;
    std::set<int> shown_;  // the balls shown in this game
};

const randomplayer::Registration<BingoDriver> registered("cmdBingo");

} // namespace
