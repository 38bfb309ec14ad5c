// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The random player's War (see support/gamedriver.h), with the deck options
// it opens: deals, plays rounds to the end of the game, and checks that
// every card is in one hand or in play, that each round goes as its cards,
// its result and its piles show it, and that nothing the player does while
// a card slides changes the game.

#include "cards/frmcardimages.h"
#include "cards/frmdeckoptions.h"
#include "support/fakeplatform.h"
#include "support/gamedriver.h"
#include "war/frmwar.h"
#include "wardraws.h"

#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <algorithm>
#include <array>

namespace {

const QString kGrizzleOut = QStringLiteral("Grizzle is out of cards, You win!");
const QString kYouOut = QStringLiteral("You're out of cards, Grizzle wins!");
const QString kEndedByWar = QStringLiteral("ended by War");

class WarDriver : public randomplayer::ScreenDriver<frmWar> {
public:
    QStringList messages() const override { return {kGrizzleOut, kYouOut}; }
    QStringList counters() const override { return {kEndedByWar}; }

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

    // The round as the screen shows it before the event; while a card
    // slides, as it showed before the play that started the slide.
    void begin(Form* screen) override
    {
        war_ = of(screen);
        sliding_ = war_ && war_->sliding();
        if (sliding_)
            game_ = game(war_->deck);
        else if (war_)
            before_ = shown(*war_);
    }

    void check(randomplayer::Player& p, Form* screen, const QStringList& messages) override
    {
        checkDeckOptions(p);
        for (const QString& m : messages)
            if (m == kGrizzleOut || m == kYouOut)
                p.fail(QStringLiteral("War said \"%1\" and went on").arg(m));
        const frmWar* war = of(screen);
        if (sliding_ && (!war_ || p.lastTick() != war_->tmrSlide.get()))
            checkIgnored(p, war);
        if (war) {
            checkWar(p, *war);
            if (war == war_)
                checkRound(p, *war);
        }
    }

    bool ended(randomplayer::Player& p, Form& screen, const QStringList& messages) override
    {
        const QString last = messages.isEmpty() ? QString() : messages.last();
        if (last != kGrizzleOut && last != kYouOut)
            return false;
        const war::WarDeck& d = of(screen).deck;
        const bool right = last == kGrizzleOut ? d.dealercards.count() == 0
                                               : d.yourcards.count() == 0 && d.dealercards.count() > 0;
        if (!right)
            p.fail(QStringLiteral("War ended with \"%1\" and hands of %2 and %3 cards")
                       .arg(last)
                       .arg(d.dealercards.count())
                       .arg(d.yourcards.count()));
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

    static void land(randomplayer::Player& p, const frmWar& war)
    {
        while (war.sliding() && p.passTime(war.tmrSlide.get())) {
        }
    }

    // What the player sees of a round: the cards left in each pile, as their
    // names say, and whether the round is settled.
    struct Shown {
        int yours = 0;
        int grizzles = 0;
        bool settled = false;
    };

    // Both hands and the cards in play.
    static std::array<int, 6> game(const war::WarDeck& d)
    {
        return {d.yourcards.count(), d.dealercards.count(), d.yourvalue, d.yoursuit, d.dealervalue, d.dealersuit};
    }

    // An event other than the slide's tick, while a card slid: the game is
    // as it was, the card still on its way, War on show and no dialog open.
    void checkIgnored(randomplayer::Player& p, const frmWar* war) const
    {
        const frmDeckOptions* dialog = p.app().existing<frmDeckOptions>();
        if (!war || war != war_ || !war->sliding() || game(war->deck) != game_ || (dialog && dialog->isVisible()))
            p.fail(QStringLiteral("War acted on the player while a card slid"));
    }

    static int pileCount(const QWidget* pile)
    {
        static const QRegularExpression count(QStringLiteral(", (\\d+) cards?$"));
        const QRegularExpressionMatch m = count.match(pile->accessibleName());
        return m.hasMatch() ? m.captured(1).toInt() : -1;
    }

    static Shown shown(const frmWar& war)
    {
        return {pileCount(war.picYourCards), pileCount(war.picDealerCards), war.cmdContinue->isVisible()};
    }

    // The value of the card a picture shows, from its description ("10 of
    // Clubs", "King of Hearts"); 0 for none.
    static int shownValue(const PictureBox* card)
    {
        const QString rank = card->picture().description().section(QLatin1Char(' '), 0, 0);
        static const QStringList courts{QStringLiteral("Jack"), QStringLiteral("Queen"), QStringLiteral("King"),
                                        QStringLiteral("Ace")};
        if (courts.contains(rank))
            return 11 + int(courts.indexOf(rank));
        return rank.toInt();
    }

    // A round settled by this event: the cards shown decide it, the winner
    // takes both, a tie sends each card back to its own hand.
    void checkRound(randomplayer::Player& p, const frmWar& war) const
    {
        const Shown now = shown(war);
        const war::WarDeck& d = war.deck;
        if (d.yourdealt && (now.yours != d.yourcards.count() || now.grizzles != d.dealercards.count()))
            p.fail(QStringLiteral("the piles are named with %1 and %2 cards, the hands hold %3 and %4")
                       .arg(now.yours)
                       .arg(now.grizzles)
                       .arg(d.yourcards.count())
                       .arg(d.dealercards.count()));
        if (!now.settled || before_.settled || before_.yours < 0)
            return;
        const int yours = shownValue(war.piccard2), grizzles = shownValue(war.piccard1);
        if (yours != d.yourvalue || grizzles != d.dealervalue)
            p.fail(QStringLiteral("the cards show %1 and %2, the round compared %3 and %4")
                       .arg(yours)
                       .arg(grizzles)
                       .arg(d.yourvalue)
                       .arg(d.dealervalue));
        // Grizzle's card was out before the player played.
        const int gain = yours > grizzles ? 1 : yours < grizzles ? -1 : 0;
        const QString winner = gain > 0 ? QStringLiteral("You!") : gain < 0 ? QStringLiteral("Grizzle!")
                                                                             : QStringLiteral("Both of you!");
        if (war.lblWinner->text() != winner || now.yours != before_.yours + gain ||
            now.grizzles != before_.grizzles + 1 - gain)
            p.fail(QStringLiteral("%1 against %2 shows \"%3\" and piles of %4 and %5 cards, from %6 and %7")
                       .arg(yours)
                       .arg(grizzles)
                       .arg(war.lblWinner->text())
                       .arg(now.yours)
                       .arg(now.grizzles)
                       .arg(before_.yours)
                       .arg(before_.grizzles + 1));
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

    // The deck options are War's, and the card back they choose is everyone's.
    static void checkDeckOptions(randomplayer::Player& p)
    {
        const App& app = p.app();
        const frmCardImages& images = *app.existing<frmCardImages>();
        if (images.cardtype < 0 || images.cardtype > 4)
            p.fail(QStringLiteral("card back %1").arg(images.cardtype));
        const frmDeckOptions* dialog = app.existing<frmDeckOptions>();
        if (!dialog)
            return;
        if (std::count_if(dialog->Optcard.begin(), dialog->Optcard.end(), [](QRadioButton* o) { return o->isChecked(); }) != 1)
            p.fail(QStringLiteral("not exactly one card back chosen"));
        const frmWar* war = app.existing<frmWar>();
        if (dialog->isVisible() && (!war || war->isEnabled() || !dialog->isEnabled()))
            p.fail(QStringLiteral("the deck options are open, and War is not waiting for them"));
        if (!dialog->isVisible() && war && !war->isEnabled())
            p.fail(QStringLiteral("War is disabled with the deck options closed"));
    }

    static void checkWar(randomplayer::Player& p, const frmWar& war)
    {
        const war::WarDeck& d = war.deck;
        // the controls' own Enabled: the screen waits while the deck options are open
        const auto enabled = [&war](const QWidget* w) { return w->isEnabledTo(&war); };
        frmCardImages& images = *war.app().existing<frmCardImages>();
        const Picture back = images.PictureClip1(images.cardtype);
        if (war.picYourCards->picture() != back || war.picDealerCards->picture() != back)
            p.fail(QStringLiteral("a War pile does not show the chosen back"));
        if (!d.yourdealt) {
            if (d.yourcards.count() || d.dealercards.count() || war.piccard1->isVisible() || war.piccard2->isVisible() ||
                enabled(war.cmdQuit) || !enabled(war.cmdStart))
                p.fail(QStringLiteral("War is not as loaded before Start"));
            return;
        }
        std::vector<war::Card> inPlay;
        for (int value = war::kLowValue; value <= war::kHighValue; ++value) {
            for (int suit = 1; suit <= war::kSuits; ++suit) {
                const war::Card c{value, suit};
                const bool grizzles = d.dealercards.holds(c), yours = d.yourcards.holds(c);
                if (grizzles && yours)
                    p.fail(QStringLiteral("the %1 of suit %2 is in both hands").arg(value).arg(suit));
                if (!grizzles && !yours)
                    inPlay.push_back(c);
            }
        }
        const war::Card grizzles{d.dealervalue, d.dealersuit};
        // Start and Main Menu change once Grizzle's first card has landed.
        if (!war.sliding() && (enabled(war.cmdStart) || !enabled(war.cmdQuit)))
            p.fail(QStringLiteral("War's Start or Main Menu is wrong after the deal"));
        // Between rounds Grizzle's card is out, and the player's while it
        // slides; once the round is settled and shown, every card is back in
        // a hand.
        const bool settled = war.cmdContinue->isVisible();
        const bool yoursSlides = war.sliding() && war.piccard2->isVisible();
        std::vector<war::Card> out{grizzles};
        if (yoursSlides)
            out.push_back({d.yourvalue, d.yoursuit});
        if (settled ? !inPlay.empty() : !std::is_permutation(inPlay.begin(), inPlay.end(), out.begin(), out.end()))
            p.fail(QStringLiteral("%1 of the 48 cards are in neither hand %2")
                       .arg(inPlay.size())
                       .arg(settled ? QStringLiteral("after the round") : QStringLiteral("with Grizzle's card out")));
        if (!settled) {
            if (!war.lblWinner->text().isEmpty() || (war.piccard2->isVisible() && !yoursSlides))
                p.fail(QStringLiteral("the last round's result still shows"));
            if (!war.piccard1->isVisible() ||
                war.piccard1->picture() != images.cardpicture(qint16(grizzles.value), qint16(grizzles.suit)) ||
                !enabled(war.picYourCards))
                p.fail(QStringLiteral("Grizzle's card in play is not shown as it should be"));
            return;
        }
        if (!war.piccard2->isVisible() || enabled(war.picYourCards) || war.lblWinner->text().isEmpty())
            p.fail(QStringLiteral("the settled round shows \"%1\"").arg(war.lblWinner->text()));
    }

    QPointer<const frmWar> war_;  // the screen before the event
    Shown before_;
    bool sliding_ = false;        // a card slid before the event
    std::array<int, 6> game_{};   // the game then
};

const randomplayer::Registration<WarDriver> registered("cmdWar");

} // namespace
