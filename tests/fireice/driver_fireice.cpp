// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The random player's Fire & Ice (see support/gamedriver.h): shuffles, lets
// the card slide, calls Fire or Ice, with the game's model
// (model_fireice.h) played beside the screen. After every press, at every
// message box and after every event, the whole screen must be what the
// model says; the cards shuffled and the gunman's places are counted for
// their chances.

#include "fireice/frmfireice.h"
#include "model_fireice.h"
#include "support/fakeplatform.h"
#include "support/gamedriver.h"
#include "support/screensteps.h"

#include <QPointer>
#include <QPushButton>

namespace {

const QString kTurned = QStringLiteral("Fire & Ice: the card turned at an edge");
using screenstate::Press;
using screenstate::State;

class FireIceDriver : public randomplayer::ScreenDriver<FrmFireIce> {
public:
    using Model = fireicemodel::Model;

    QStringList messages() const override { return Model::messages(); }
    QStringList counters() const override { return {kTurned}; }
    std::vector<randomplayer::Histogram> histograms() const override { return Model::histograms(); }
    QString judge(const std::vector<std::vector<long>>& counts, long) const override { return Model::judge(counts); }

    void act(randomplayer::Player& p, Form& screen) override
    {
        FrmFireIce& fireice = of(screen);
        const int r = p.roll(100);
        if (fireice.cmdShuffle->isEnabled())
            return p.click(r < 8 ? fireice.cmdReturn : fireice.cmdShuffle);
        // now and then the player watches the card to an edge and back
        for (int watch = r < 6 ? 40 : r < 50 ? 1 : 0; watch > 0 && p.passTime(); --watch)
            ++ticks_;
        if (ticks_ == 0)
            p.click(r < 75 ? fireice.cmdFire : fireice.cmdIce);
    }

    std::vector<randomplayer::NamedTimer> timers(Form& screen) const override
    {
        return {{of(screen).tmrMovement.get(), "tmrMovement"}};
    }

    void begin(Form* screen) override
    {
        ticks_ = 0;
        // The screen as it is when a message box opens: the call is not over yet.
        if (screen)
            steps_.begin(screen == visit_ ? screen : nullptr, screen->app().platform());
    }

    void check(randomplayer::Player& p, Form* screen, const QStringList& messages) override
    {
        FrmFireIce* fireice = of(screen);
        if (!fireice)
            return;
        if (fireice != visit_)
            return startVisit(p, *fireice);
        for (const Press& press : steps_.presses())
            play(p, *fireice, press);
        if (const QString wrong = steps_.unheard(messages); !wrong.isEmpty())
            p.fail(QStringLiteral("Fire & Ice: %1").arg(wrong));
        // the ticks the player watched, or time's passing by itself
        for (int tick = ticks_ ? ticks_ : p.lastTick() == fireice->tmrMovement.get(); tick > 0; --tick)
            if (model_.tick(twips::width(fireice)))
                p.count(kTurned);
        reader_.read(*fireice, after_);
        compare(p, after_, QStringLiteral("after the event"));
        // what must stop has stopped: no tick moves a card that stands
        if (fireice->tmrMovement->isEnabled() != model_.moving())
            p.fail(model_.moving() ? QStringLiteral("the card stands still while it should slide")
                                   : QStringLiteral("the card's timer runs on after its stop"));
    }

    // Every card of the pack once, as play shows only some: each one
    // shuffled, then called Fire, which a red card answers with the gunman.
    std::vector<Step> visitSteps() const override
    {
        return {[](Form& screen, FakePlatform& platform, const std::function<void()>& look) {
            FrmFireIce& fireice = of(screen);
            for (int card = 1; card <= 52; ++card) {
                platform.script({rndFor(card, 1, 52)});
                fireice.cmdShuffle_Click();
                look();
                fireice.cmdFire_Click();
                look();
            }
        }};
    }

private:
    enum Button { Shuffle, Fire, Ice };

    void startVisit(randomplayer::Player& p, FrmFireIce& fireice)
    {
        visit_ = &fireice;
        // Connected after the screen's own handlers, so each hears the press's doing.
        QObject::connect(fireice.cmdShuffle, &QPushButton::clicked, &fireice, [this] { steps_.press(Shuffle); });
        QObject::connect(fireice.cmdFire, &QPushButton::clicked, &fireice, [this] { steps_.press(Fire); });
        QObject::connect(fireice.cmdIce, &QPushButton::clicked, &fireice, [this] { steps_.press(Ice); });
        if (const QString wrong = model_.start(screenstate::read(fireice)); !wrong.isEmpty())
            p.fail(QStringLiteral("Fire & Ice opens wrong: %1").arg(wrong));
    }

    // A press of Shuffle, Fire or Ice played on the model: a new card, or a
    // call with its answer.
    void play(randomplayer::Player& p, const FrmFireIce& fireice, const Press& press)
    {
        const bool shuffle = press.what == Shuffle;
        const QString pressed = shuffle               ? QStringLiteral("Shuffle")
                                : press.what == Fire ? QStringLiteral("Fire")
                                                     : QStringLiteral("Ice");
        if (shuffle == model_.calling())
            p.fail(QStringLiteral("%1 took a press while its rules disable it").arg(pressed));
        QString message;  // the rules' answer to a call
        bool gunman = false;
        if (shuffle) {
            if (const QString wrong = model_.shuffle(p, press.state.at(QStringLiteral("imgCard"))); !wrong.isEmpty())
                p.fail(wrong);
        } else {
            message = model_.call(press.what == Fire, &gunman);
        }
        QStringList shown;
        for (const screenstate::Heard& heard : press.messages)
            shown << heard.text;
        if (shown != (message.isEmpty() ? QStringList() : QStringList{message}))
            p.fail(QStringLiteral("%1 on the %2 shows \"%3\", the rules \"%4\"")
                       .arg(pressed, model_.shown().at(QStringLiteral("imgCard")).name, shown.join(u'|'), message));
        if (!message.isEmpty())
            compare(p, press.messages.front().state, QStringLiteral("while \"%1\" shows").arg(message));
        if (gunman)
            if (const QString wrong = model_.place(p, press.state.at(QStringLiteral("picGuy")), twips::width(&fireice),
                                                   twips::height(&fireice));
                !wrong.isEmpty())
                p.fail(wrong);
        if (!shuffle)
            model_.endCall();
        compare(p, press.state, QStringLiteral("after %1").arg(pressed));
    }

    void compare(randomplayer::Player& p, const State& actual, const QString& when) const
    {
        screenstate::compare(p, model_.shown(), actual, QStringLiteral("Fire & Ice ") + when);
    }

    QPointer<FrmFireIce> visit_;  // the screen the model follows, gone when it ends
    Model model_;
    screenstate::Steps steps_;    // the event's presses
    screenstate::Reader reader_;
    State after_;                 // the screen after the event
    int ticks_ = 0;               // the movement's ticks the player watched in the event
};

const randomplayer::Registration<FireIceDriver> registeredFireIce("cmdFireIce");

} // namespace
