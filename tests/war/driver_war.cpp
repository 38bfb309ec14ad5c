// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The random player's War (see support/gamedriver.h), with the deck options
// it opens: deals, plays rounds to the end of the game, now and then clicks
// or presses on while a card slides, with the game's model (model_war.h)
// played beside the screen. After every press, at the end's message box and
// after every event, the whole screen must be what the model says, and the
// hands, the slide's timer and the chosen back agree with it; the deals and
// the cards drawn are counted for their chances.

#include "cards/frmcardimages.h"
#include "cards/frmdeckoptions.h"
#include "model_war.h"
#include "support/fakeplatform.h"
#include "support/gamedriver.h"
#include "war/frmwar.h"
#include "wardraws.h"

#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>
#include <array>
#include <deque>

namespace {

using warmodel::Press;

const QString kEndedByWar = QStringLiteral("ended by War");

class WarDriver : public randomplayer::ScreenDriver<frmWar> {
public:
    QStringList messages() const override { return warmodel::War::messages(); }
    QStringList counters() const override { return {kEndedByWar}; }
    std::vector<randomplayer::Histogram> histograms() const override { return warmodel::War::histograms(); }
    QString judge(const std::vector<std::vector<long>>& counts, long) const override
    {
        return warmodel::War::judge(counts);
    }

    // A game that can end, dealt.
    bool intent(Form& screen) const override
    {
        const frmWar& war = of(screen);
        return war.deck.yourdealt && canEnd(war.deck);
    }

    void act(randomplayer::Player& p, Form& screen) override
    {
        frmWar& war = of(screen);
        if (frmDeckOptions* dialog = war.app().existing<frmDeckOptions>(); dialog && dialog->isVisible())
            return onDeckOptions(p, *dialog);
        const int r = p.roll(1000);
        // While a card slides the player mostly waits for it to land; now
        // and then they click or press on, which must do nothing.
        if (war.sliding())
            return r < 300 ? clickOn(p, war, r) : land(p, war);
        const QPointer<frmWar> shown = &war;  // Main Menu takes it away
        play(p, war, r);
        // A card set sliding lands in the same event, but one time in ten.
        if (shown && r % 10 != 3)
            land(p, war);
    }

    std::vector<randomplayer::NamedTimer> timers(Form& screen) const override
    {
        return {{of(screen).tmrSlide.get(), "tmrSlide"}};
    }


    void begin(Form* screen) override
    {
        ticks_ = 0;
        heard_.clear();
        hands_.clear();
        frmWar* war = of(screen);
        if (!war || war != visit_)
            return;
        steps_.begin(war, war->app().platform());
        // War's end shows as a card lands, in a tick and not a press.
        screenstate::hear(war, war->app().platform(), [this](screenstate::Heard heard) { heard_.push_back(std::move(heard)); });
        listenToOptions(war->app());
    }

    void check(randomplayer::Player& p, Form* screen, const QStringList&) override
    {
        frmWar* war = of(screen);
        if (!war)
            return;
        if (war != visit_)
            return startVisit(p, *war);
        playEvent(p, *war);
        if (!heard_.empty())
            p.fail(QStringLiteral("War shows \"%1\" where its rules show none").arg(heard_.front().text));
        reader_.read(*war, after_);
        screenstate::compare(p, model_.shown(), after_, QStringLiteral("War after the event"));
        checkHidden(p, *war);
    }

    // The game's end, in the tick that landed the player's card.
    bool ended(randomplayer::Player& p, Form& screen, const QStringList& messages) override
    {
        frmWar& war = of(screen);
        const QString last = messages.isEmpty() ? QString() : messages.last();
        if (&war != visit_ || !this->messages().contains(last))
            return false;
        ++ticks_;
        playEvent(p, war);
        if (!heard_.empty() || model_.sliding())
            p.fail(QStringLiteral("War ended with \"%1\" where its rules go on").arg(last));
        p.count(kEndedByWar);
        return true;
    }

    // Each end of a game, which play reaches only in a deal without a king
    // on both sides: Grizzle dealt only the card it plays and losing it, or
    // the player left with one card that loses.
    std::vector<Step> visitSteps() const override
    {
        // A round of Grizzle's card against yours; the player's hand only
        // yours when `lastOfYours`: a win of the whole game, its loss, a tie.
        const auto round = [](war::Card grizzles, war::Card yours, bool lastOfYours) {
            return [=](Form& screen, FakePlatform& platform, const std::function<void()>&) {
                frmWar& war = of(screen);
                platform.script(dealing(lastOfYours ? std::vector<war::Card>{grizzles, {3, 1}}
                                                    : std::vector<war::Card>{grizzles}));
                platform.script(drawing({grizzles}));
                war.cmdStart_Click();
                tickOut(*war.tmrSlide);
                if (lastOfYours) {
                    war.deck.yourcards = war::Hand();
                    war.deck.yourcards.put(yours);
                }
                platform.script(drawing({yours}));
                war.picYourCards_Click();
                tickOut(*war.tmrSlide);
            };
        };
        return {round({2, 1}, {9, 1}, false), round({9, 2}, {5, 1}, true), round({7, 1}, {7, 2}, false)};
    }

private:
    void startVisit(randomplayer::Player& p, frmWar& war)
    {
        visit_ = &war;
        // Connected after the screen's own handlers, so each hears the press's doing.
        const auto heard = [this, &war](auto* control, auto signal, Press what) {
            QObject::connect(control, signal, &war, [this, what] { press(what); });
        };
        heard(war.cmdStart, &QPushButton::clicked, Press::Start);
        heard(war.picYourCards, &PictureBox::clicked, Press::Pile);
        heard(war.cmdContinue, &QPushButton::clicked, Press::Continue);
        heard(war.cmDeckOptions, &QPushButton::clicked, Press::DeckOptions);
        heard(war.cmdQuit, &QPushButton::clicked, Press::Quit);
        model_.start(p, screenstate::read(war));
    }

    // The deck options dialog's presses, once it is there; it outlives War's visits.
    void listenToOptions(App& app)
    {
        frmDeckOptions* dialog = app.existing<frmDeckOptions>();
        if (!dialog || dialog == options_)
            return;
        options_ = dialog;
        QObject::connect(dialog->cmdOkay, &QPushButton::clicked, dialog, [this] { press(Press::Okay); });
        for (std::size_t i = 0; i < dialog->Optcard.size(); ++i)
            QObject::connect(dialog->Optcard[i], &QRadioButton::clicked, dialog,
                             [this, i] { press(int(Press::Option) + int(i)); });
    }

    // A press, with the hands as it left them: the deal is the one thing
    // the screen does not show.
    void press(int what)
    {
        if (!visit_)
            return;
        hands_.push_back(hands(visit_->deck));
        steps_.press(what);
    }

    static warmodel::Hands hands(const war::WarDeck& deck)
    {
        warmodel::Hands h;
        for (int card = 0; card < 48; ++card) {
            const war::Card c{card / 4 + 2, card % 4 + 1};
            h.grizzles[std::size_t(card)] = deck.dealercards.holds(c);
            h.yours[std::size_t(card)] = deck.yourcards.holds(c);
        }
        return h;
    }

    // The event's presses on the model, each compared with the screen it
    // left, then the slide's ticks.
    void playEvent(randomplayer::Player& p, const frmWar& war)
    {
        const std::vector<screenstate::Press>& presses = steps_.presses();
        for (std::size_t i = 0; i < presses.size(); ++i) {
            const int what = std::min(presses[i].what, int(Press::Option));
            model_.press(p, Press(what), presses[i].what - what, presses[i].state, hands_[i]);
            screenstate::compare(p, model_.shown(), presses[i].state, QStringLiteral("War after a press"));
        }
        hands_.clear();
        for (int tick = ticks_ ? ticks_ : p.lastTick() == war.tmrSlide.get(); tick > 0; --tick)
            model_.tick(p, heard_);
    }

    // What the screen keeps out of sight agrees with the model: the hands,
    // the slide's timer running only while a card slides, the back and the
    // deck options.
    void checkHidden(randomplayer::Player& p, const frmWar& war) const
    {
        const warmodel::Hands now = hands(war.deck);
        if (now.grizzles != model_.hands().grizzles || now.yours != model_.hands().yours)
            p.fail(QStringLiteral("War's hands are not the ones its rules have dealt and played"));
        if (war.tmrSlide->isEnabled() != model_.sliding())
            p.fail(model_.sliding() ? QStringLiteral("War's card stands still while it should slide")
                                    : QStringLiteral("War's slide timer runs on after the card has landed"));
        const int back = war.app().existing<frmCardImages>()->cardtype;
        if (back != model_.back())
            p.fail(QStringLiteral("the card back is %1, the deck options chose %2").arg(back).arg(model_.back()));
        if (const frmDeckOptions* dialog = options_) {
            bool right = dialog->isVisible() == model_.optionsOpen() && dialog->isEnabled() == model_.optionsOpen();
            for (std::size_t i = 0; i < dialog->Optcard.size(); ++i)
                right = right && dialog->Optcard[i]->isChecked() == (int(i) == model_.option());
            if (!right)
                p.fail(QStringLiteral("the deck options are not as their rules say, Optcard(%1) chosen")
                           .arg(model_.option()));
        }
    }

    static void play(randomplayer::Player& p, frmWar& war, int r)
    {
        if (!war.deck.yourdealt) {
            if (r < 900)
                return p.click(war.cmdStart);
            return p.click(r < 950 ? war.cmDeckOptions : static_cast<QWidget*>(war.picYourCards));
        }
        // A game where both sides hold a king never ends: the player gives
        // up on it soon, and plays one that can end to its end.
        if (r < (canEnd(war.deck) ? 1 : 50))
            return p.click(war.cmdQuit);
        if (r < 70)
            return p.click(war.cmDeckOptions);
        const bool keyboard = r % 5 == 0;
        if (war.cmdContinue->isVisible())
            return keyboard ? p.key(Qt::Key_Return) : p.click(war.cmdContinue);
        keyboard ? p.key(Qt::Key_Space) : p.click(war.picYourCards);
    }

    // A click on the pile or a button, or Space where the keyboard is.
    static void clickOn(randomplayer::Player& p, frmWar& war, int r)
    {
        const std::array<QWidget*, 4> controls{war.picYourCards, war.cmdStart, war.cmDeckOptions, war.cmdQuit};
        if (r % 5 == 4)
            return p.key(Qt::Key_Space);
        p.click(controls[std::size_t(r % 5)]);
    }

    // Time passes until the card has landed, each tick of the slide counted.
    void land(randomplayer::Player& p, const frmWar& war)
    {
        while (war.sliding() && p.passTime(war.tmrSlide.get()))
            ticks_ += p.lastTick() == war.tmrSlide.get();
    }

    static bool canEnd(const war::WarDeck& deck)
    {
        int grizzles = 0;
        for (int suit = 1; suit <= war::kSuits; ++suit) {
            const war::Card king{war::kHighValue, suit};
            if (deck.dealercards.holds(king) || (!deck.yourcards.holds(king) && deck.dealervalue == war::kHighValue &&
                                                  deck.dealersuit == suit))
                ++grizzles;
        }
        return grizzles == 0 || grizzles == war::kSuits;
    }

    static void onDeckOptions(randomplayer::Player& p, frmDeckOptions& dialog)
    {
        if (p.roll(10) < 6)
            return p.click(dialog.Optcard[std::size_t(p.roll(int(dialog.Optcard.size())))]);
        p.click(dialog.cmdOkay);
    }

    QPointer<frmWar> visit_;  // the screen the model follows, gone when it ends
    QPointer<frmDeckOptions> options_;  // the dialog whose presses are heard
    warmodel::War model_;
    screenstate::Steps steps_;  // the event's presses
    screenstate::Reader reader_;
    screenstate::State after_;  // the screen after the event
    std::vector<warmodel::Hands> hands_;  // after each of them
    std::deque<screenstate::Heard> heard_;  // message boxes not yet accounted for
    int ticks_ = 0;  // the slide's ticks the player waited for in the event
};

const randomplayer::Registration<WarDriver> registeredWar("cmdWar");

} // namespace
