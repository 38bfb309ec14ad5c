// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The random player's Fire & Ice (see support/gamedriver.h): shuffles, lets
// the card slide, calls Fire or Ice, and checks the buttons, the card, the
// gunman and each call's outcome.

#include "fireice/frmfireice.h"
#include "support/fakeplatform.h"
#include "support/gamedriver.h"

#include <QPointer>
#include <QPushButton>
#include <vector>

namespace {

const QString kLucky = QStringLiteral("You got lucky punk, Try again, I dare you.");
const QString kLiar = QStringLiteral("Ya big liar!");

class FireIceDriver : public randomplayer::ScreenDriver<FrmFireIce> {
public:
    QStringList messages() const override
    {
        return {kLucky, kLiar};
    }

    void act(randomplayer::Player& p, Form& screen) override
    {
        FrmFireIce& fireice = of(screen);
        const int r = p.roll(100);
        if (fireice.cmdShuffle->isEnabled())
            return p.click(r < 8 ? fireice.cmdReturn : fireice.cmdShuffle);
        if (r < 50 && p.passTime())
            return;
        p.click(r < 75 ? fireice.cmdFire : fireice.cmdIce);
    }

    void begin(Form* screen) override
    {
        FrmFireIce* fireice = of(screen);
        calls_.clear();
        calling_ = fireice && fireice->cmdFire->isEnabled();
        card_ = fireice ? fireice->imgCard->picture().description() : QString();
        // The calls as the buttons hear them, by click or by key.
        if (fireice && fireice != watched_) {
            watched_ = fireice;
            QObject::connect(fireice->cmdFire, &QPushButton::clicked, fireice, [this] { calls_.push_back(true); });
            QObject::connect(fireice->cmdIce, &QPushButton::clicked, fireice, [this] { calls_.push_back(false); });
        }
    }

    std::vector<randomplayer::NamedTimer> timers(Form& screen) const override
    {
        return {{of(screen).tmrMovement.get(), "tmrMovement"}};
    }

    void check(randomplayer::Player& p, Form* screen, const QStringList& messages) override
    {
        const FrmFireIce* fireice = of(screen);
        if (!fireice)
            return;
        const bool calling = fireice->cmdFire->isEnabled();
        if (calls_.size() > 1)
            p.fail(QStringLiteral("%1 calls on one card").arg(calls_.size()));
        if (calling_ && !calls_.empty())
            checkCall(p, *fireice, calls_.front(), messages);
        if (fireice->cmdIce->isEnabled() != calling || fireice->cmdShuffle->isEnabled() == calling)
            p.fail(QStringLiteral("Fire & Ice's buttons disagree"));
        if (calling && !fireice->tmrMovement->isEnabled())
            p.fail(QStringLiteral("a call is open but the card stands still"));
        const double left = twips::left(fireice->imgCard);
        if (left < -200 || left >= twips::width(fireice))
            p.fail(QStringLiteral("the card has left the screen at %1").arg(left));
        const QWidget* guy = fireice->picGuy;
        if (guy->isVisible() && (twips::left(guy) < 0 || twips::top(guy) < 0 ||
                                 twips::left(guy) + twips::width(guy) > twips::width(fireice) ||
                                 twips::top(guy) + twips::height(guy) > twips::height(fireice)))
            p.fail(QStringLiteral("the gunman stands outside the screen"));
    }

    // Every card of the pack once, as play shows only some: each one
    // shuffled, then called Fire.
    std::vector<Step> visitSteps() const override
    {
        return {[](Form& screen, FakePlatform& platform, const std::function<void()>& look) {
            FrmFireIce& fireice = of(screen);
            for (int card = 1; card <= 52; ++card) {
                platform.script({rndFor(card, 1, 52)});
                fireice.cmdShuffle_Click();
                look();
                fireice.cmdFire_Click();
            }
        }};
    }

private:
    // The call just made against the card it was made on, as its picture
    // names it: Fire for hearts and diamonds, Ice for clubs and spades.
    void checkCall(randomplayer::Player& p, const FrmFireIce& fireice, bool fire, const QStringList& messages) const
    {
        if (fireice.imgCard->picture().description() != card_)
            p.fail(QStringLiteral("the %1 turned into the %2 on a call")
                       .arg(card_, fireice.imgCard->picture().description()));
        const QString suit = card_.section(QLatin1Char(' '), -1);
        const bool red = suit == QLatin1String("Hearts") || suit == QLatin1String("Diamonds");
        const QStringList expected = fire == red ? (fire ? QStringList() : QStringList{kLucky}) : QStringList{kLiar};
        if (fireice.cmdFire->isEnabled() || messages != expected || fireice.picGuy->isVisible() != (fire && red))
            p.fail(QStringLiteral("%1 on the %2 says \"%3\"%4")
                       .arg(fire ? QStringLiteral("Fire") : QStringLiteral("Ice"), card_, messages.join(u'|'),
                            fireice.picGuy->isVisible() ? QStringLiteral(" with the gunman") : QString()));
    }

    QPointer<FrmFireIce> watched_;  // the screen whose calls are heard
    std::vector<bool> calls_;       // the calls of this event, true for Fire
    bool calling_ = false;          // before the event: a call is open
    QString card_;                  // before the event: the card shown
};

const randomplayer::Registration<FireIceDriver> registered("cmdFireIce");

} // namespace
