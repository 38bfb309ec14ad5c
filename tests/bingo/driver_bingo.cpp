// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The random player's Bingo (see support/gamedriver.h): chooses options,
// marks the balls called, claims bingo rightly and wrongly, and after every
// event holds the whole screen against the rules' model (model_bingo.h):
// what the controls heard and the timers that ticked, played on the model,
// must leave the screen, its message boxes and the game's own counts as the
// model has them.

#include "bingo/frmbingo.h"
#include "model_bingo.h"
#include "support/fakeplatform.h"
#include "support/gamedriver.h"
#include "support/screensteps.h"
#include "toolkit/twips.h"
#include "toolkit/widgets.h"

#include <QGroupBox>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <utility>

namespace {

using bingomodel::Input;
using bingomodel::Phase;

// by gametype, 1 to 4
const QStringList kWonBy = {QStringLiteral("Bingo won by Blackout"), QStringLiteral("Bingo won by X-out"),
                            QStringLiteral("Bingo won by 4 Corners"), QStringLiteral("Bingo won by Field Goal")};

class BingoDriver : public randomplayer::ScreenDriver<frmBingo> {
public:
    QStringList messages() const override
    {
        return {bingomodel::kGrizzleWins, bingomodel::kYouWin, bingomodel::kNoCheating};
    }
    QStringList counters() const override { return kWonBy; }
    std::vector<randomplayer::Histogram> histograms() const override { return bingomodel::Bingo::histograms(); }
    QString judge(const std::vector<std::vector<long>>& counts, long) const override
    {
        return bingomodel::Bingo::judge(counts);
    }

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
        // as the player sees the card, whether or not the model follows
        std::array<bool, 26> yours{};
        for (int cell = 1; cell <= 25; ++cell)
            yours[std::size_t(cell)] = bingo.lblNumber[std::size_t(25 + cell)]->isOpaque();
        if (bingomodel::Bingo::complete(bingo.gametype, yours))
            return p.click(bingo.cmdBingo);
        if (r < 3000) {
            for (int cell = 1; cell <= 25; ++cell)
                if (!yours[std::size_t(cell)] && bingo.lblNumber[std::size_t(25 + cell)]->text().toInt() == bingo.curball)
                    return p.click(bingo.lblNumber[std::size_t(25 + cell)]);
        }
        if (r < 3300)
            return p.click(bingo.lblNumber[std::size_t(26 + p.roll(25))]);
        // the next ball, or only Grizzle's next look
        if (!passTime(p, bingo, r < 7000))
            p.click(bingo.cmdStart);
    }

    std::vector<randomplayer::NamedTimer> timers(Form& screen) const override
    {
        frmBingo& bingo = of(screen);
        return {{bingo.tmrBall.get(), "tmrBall"}, {bingo.tmrGrizzle.get(), "tmrGrizzle"}};
    }

    void begin(Form* screen) override
    {
        inputs_.clear();
        atMessages_.clear();
        ticked_ = moved_ = false;
        frmBingo* bingo = of(screen);
        if (!bingo || bingo != bingo_)
            return;
        if (heard_ != bingo) {
            heard_ = bingo;
            listen(*bingo);
        }
        // The screen as each message box shows over it.
        if (bingo->isVisible())
            screenstate::hear(bingo, bingo->app().platform(), [this, bingo](screenstate::Heard heard) {
                atMessages_.push_back({std::move(heard.text), std::move(heard.state),
                                       bingo->tmrBall->isEnabled() || bingo->tmrGrizzle->isEnabled()});
            });
    }

    void check(randomplayer::Player& p, Form* screen, const QStringList& messages) override
    {
        const frmBingo* bingo = of(screen);
        if (!bingo) {
            bingo_ = nullptr;
            return;
        }
        if (bingo_ != bingo) {
            // a new visit, as loaded
            bingo_ = bingo;
            shown_ = screenstate::read(*bingo);
            QStringList panel;
            for (const QWidget* w : bingo->Frame1->findChildren<QWidget*>())
                if (!w->objectName().isEmpty())
                    panel << w->objectName();
            model_.load(p, shown_, panel);
            return checkGame(p, *bingo);
        }
        if (p.lastTick() && !ticked_)
            heardTick(*bingo, p.lastTick());
        reader_.read(*bingo, after_);
        const bingomodel::Sizes sizes{twips::width(bingo), twips::height(bingo), twips::width(bingo->Frame1),
                                      twips::height(bingo->Frame1)};
        // What showed before, changed as the rules change it, is what must show now.
        model_.play(p, inputs_, atMessages_, shown_, after_, sizes);
        screenstate::compare(p, shown_, after_, QStringLiteral("Bingo after the event"));
        std::swap(shown_, after_);
        for (const QString& m : messages)
            if (m == bingomodel::kGrizzleWins || m == bingomodel::kYouWin)
                p.count(kWonBy[model_.gametype() - 1]);
        checkGame(p, *bingo);
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
    // Each click the screen's controls hear, in order; Quit ends the visit.
    void listen(frmBingo& bingo)
    {
        const auto heard = [this](QAbstractButton* button, Input::Kind kind) {
            QObject::connect(button, &QAbstractButton::clicked, button, [this, kind] { inputs_.push_back({kind}); });
        };
        heard(bingo.cmdStart, Input::Start);
        heard(bingo.cmdOptions, Input::Options);
        heard(bingo.cmdOkay, Input::Okay);
        heard(bingo.cmdCancel, Input::Cancel);
        heard(bingo.cmdBingo, Input::Claim);
        for (int cell = 1; cell <= 50; ++cell)
            QObject::connect(bingo.lblNumber[std::size_t(cell)], &Label::clicked, bingo.lblNumber[std::size_t(cell)],
                             [this, cell] { inputs_.push_back({Input::Cell, cell}); });
        const QRadioButton* options[] = {bingo.Option1, bingo.Option2, bingo.Option3, bingo.Option4};
        for (int option = 1; option <= 4; ++option)
            QObject::connect(options[option - 1], &QAbstractButton::toggled, options[option - 1],
                             [this, option](bool on) { inputs_.push_back({Input::Option, option, on}); });
        // the bar moves by the player's hand (an action) or by no one's
        QObject::connect(bingo.scrSpeed, &QAbstractSlider::actionTriggered, bingo.scrSpeed, [this] { moved_ = true; });
        QObject::connect(bingo.scrSpeed, &QAbstractSlider::valueChanged, bingo.scrSpeed,
                         [this](int value) { inputs_.push_back({Input::Speed, value, std::exchange(moved_, false)}); });
    }

    void heardTick(const frmBingo& bingo, const Timer* timer)
    {
        inputs_.push_back({timer == bingo.tmrBall.get() ? Input::BallTick : Input::GrizzleTick});
    }

    // Time passes a tick at a time, so that the model follows each: to the
    // next ball, or to the next tick.
    bool passTime(randomplayer::Player& p, const frmBingo& bingo, bool toBall)
    {
        bool any = false;
        for (int ticks = 0; ticks < 100 && p.passTime(); ++ticks) {
            any = ticked_ = true;
            heardTick(bingo, p.lastTick());
            if (!toBall || p.lastTick() == bingo.tmrBall.get())
                break;
        }
        return any;
    }

    // What the screen keeps out of sight agrees with the model: the pattern
    // in play, the balls called and counted, the last ball, the timers
    // running only in a game under way, at the bar's speed.
    void checkGame(randomplayer::Player& p, const frmBingo& bingo) const
    {
        if (bingo.gametype != model_.gametype())
            p.fail(QStringLiteral("the game plays pattern %1, the options chose %2").arg(bingo.gametype).arg(model_.gametype()));
        if (bingo.curball != model_.curball())
            p.fail(QStringLiteral("the game's last ball is %1, the screen showed %2").arg(bingo.curball).arg(model_.curball()));
        for (int ball = 1; ball <= 75; ++ball)
            if (bingo.balls.ballfree[std::size_t(ball)] == model_.called(ball))
                p.fail(QStringLiteral("ball %1 is %2 in the game's bag").arg(ball).arg(model_.called(ball) ? "free" : "called"));
        if (bingo.balls.ballcount != model_.calls())
            p.fail(QStringLiteral("%1 balls counted, %2 called").arg(bingo.balls.ballcount).arg(model_.calls()));
        const bool running = model_.phase() == Phase::Running;
        if (bingo.tmrBall->isEnabled() != running || bingo.tmrGrizzle->isEnabled() != running)
            p.fail(QStringLiteral("the timers are %1 while the game is %2")
                       .arg(bingo.tmrBall->isEnabled() || bingo.tmrGrizzle->isEnabled() ? "on" : "off",
                            running ? "running" : "stopped"));
        if (bingo.tmrBall->interval() != bingo.scrSpeed->value())
            p.fail(QStringLiteral("a ball every %1 ms, at a call speed of %2").arg(bingo.tmrBall->interval()).arg(bingo.scrSpeed->value()));
    }

    bingomodel::Bingo model_;
    // The visit the model follows, gone when it ends, and its screen as it
    // was after the last event.
    QPointer<const frmBingo> bingo_;
    screenstate::State shown_;
    screenstate::State after_;  // what it shows after the event
    screenstate::Reader reader_;
    QPointer<frmBingo> heard_;  // the screen whose controls are heard
    std::vector<Input> inputs_;  // of this event
    std::deque<bingomodel::AtMessage> atMessages_;
    bool ticked_ = false;  // act let time pass, and heard each tick
    bool moved_ = false;   // the player moved the call speed bar
};

const randomplayer::Registration<BingoDriver> registeredBingo("cmdBingo");

} // namespace
