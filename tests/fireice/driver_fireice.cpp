// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The random player's Fire & Ice (see support/gamedriver.h): shuffles, lets
// the card slide, calls Fire or Ice, and checks the buttons, the card and
// the gunman.

#include "fireice/frmfireice.h"
#include "support/gamedriver.h"

#include <QPushButton>

namespace {

class FireIceDriver : public randomplayer::ScreenDriver<FrmFireIce> {
public:
    QStringList messages() const override
    {
        return {QStringLiteral("You got lucky punk, Try again, I dare you."), QStringLiteral("Ya big liar!")};
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

    std::vector<randomplayer::NamedTimer> timers(Form& screen) const override
    {
        return {{of(screen).tmrMovement.get(), "tmrMovement"}};
    }

    void check(randomplayer::Player& p, Form* screen, const QStringList&) override
    {
        const FrmFireIce* fireice = of(screen);
        if (!fireice)
            return;
        const bool calling = fireice->cmdFire->isEnabled();
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
};

const randomplayer::Registration<FireIceDriver> registered("cmdFireIce");

} // namespace
