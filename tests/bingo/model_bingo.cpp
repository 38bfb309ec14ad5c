// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "model_bingo.h"

#include "support/chances.h"
#include "support/screensteps.h"

#include <QRegularExpression>
#include <algorithm>
#include <numeric>
#include <set>
#include <utility>

namespace bingomodel {

const QString kGrizzleWins = QStringLiteral("Grizzle Wins! Hit okay to play again.");
const QString kYouWin = QStringLiteral("You Win! Hit okay to play again.");
const QString kNoCheating = QStringLiteral(
    "Heh, no cheating.  You don't have bingo. You know the rules, if you yell bingo and you don't really have it, "
    "you have to start over.  Hit okay to start over.");

namespace {

using randomplayer::Player;
using screenstate::State;

// The columns of a card and of the balls: the letter over each, its numbers.
struct Column {
    QChar letter;
    int low, high;
};
constexpr Column kColumns[] = {{'B', 1, 15}, {'I', 16, 30}, {'N', 31, 45}, {'G', 46, 60}, {'O', 61, 75}};
constexpr int kBalls = 75;
constexpr int kCells = 25;     // on each card, along the rows
constexpr int kFreeSpace = 13;  // the centre of a card
constexpr int kPlayer = 25;    // the player's cells follow Grizzle's

// The cells that must all be marked, by gametype (1 to 4), as drawn on a card.
constexpr std::array<std::array<const char*, 5>, 4> kPatterns{{
    {"XXXXX", "XXXXX", "XXXXX", "XXXXX", "XXXXX"},  // Blackout: every cell, the free space too
    {"X...X", ".X.X.", ".....", ".X.X.", "X...X"},  // X-out: both diagonals but the free space
    {"X...X", ".....", ".....", ".....", "X...X"},  // 4 Corners
    {"X...X", "X...X", "XXXXX", "..X..", "..X.."},  // Field Goal: a goal post
}};

const QColor kYellow(255, 255, 0);  // a marked cell's background

// What the counts over a whole play are about.
const QString kCardNumbers = QStringLiteral("Bingo: a card's number by its row");
const QString kCalls = QStringLiteral("Bingo: the balls called");
const QString kEarlyCalls = QStringLiteral("Bingo: the first balls of a game");
// A game ends sooner or later by what its balls were, and so the balls of
// the columns its pattern needs come up more often in all: the columns'
// shares are counted on each game's first calls only, which no game outlives.
constexpr int kEarly = 4;

int column(int cell) { return (cell - 1) % 5; }
int row(int cell) { return (cell - 1) % kCells / 5; }
bool freeSpace(int cell) { return (cell - 1) % kCells + 1 == kFreeSpace; }
QString cellName(int cell) { return QStringLiteral("lblNumber(%1)").arg(cell); }
QString textOf(const State& shown, const QString& name)
{
    const auto it = shown.find(name);
    return it == shown.end() ? QString() : it->second.text;
}

QString ballText(int ball)
{
    for (const Column& c : kColumns)
        if (ball >= c.low && ball <= c.high)
            return c.letter + QString::number(ball);
    return {};
}


} // namespace

void Bingo::load(Player& p, const State& shown, const QStringList& panel)
{
    *this = Bingo();
    panel_ = panel;
    options_[1] = true;
    State expected = shown;
    for (int cell = 1; cell <= 2 * kCells; ++cell)
        marks_[std::size_t(cell)] = freeSpace(cell);
    dealPending_ = true;
    adopt(p, shown, expected);
    expected[QStringLiteral("lblBall")].text.clear();
    expected[QStringLiteral("scrSpeed")].text = QStringLiteral("2000");
    for (int option = 1; option <= 4; ++option)
        expected[QStringLiteral("Option%1").arg(option)].checked = options_[std::size_t(option)];
    setPhase(Phase::Setup, expected);
    screenstate::compare(p, expected, shown, QStringLiteral("Bingo as it loads"));
}

void Bingo::play(Player& p, const std::vector<Input>& inputs, std::deque<AtMessage> messages, State& expected,
                 const State& after, const Sizes& sizes)
{
    messages_ = std::move(messages);
    dealtBefore_ = numbers_;
    for (const Input& input : inputs)
        step(p, input, expected, sizes);
    if (!messages_.empty())
        p.fail(QStringLiteral("\"%1\" shows where the rules show none").arg(messages_.front().text.left(40)));
    adopt(p, after, expected);
}

void Bingo::guard(Player& p, bool allowed, const char* what) const
{
    if (!allowed)
        p.fail(QStringLiteral("%1 while the game is %2")
                   .arg(QLatin1String(what), QStringList{"set up", "running", "paused", "over"}[int(phase_)]));
}

void Bingo::step(Player& p, const Input& input, State& expected, const Sizes& sizes)
{
    const bool panel = phase_ == Phase::Setup || phase_ == Phase::Paused;
    switch (input.kind) {
    case Input::BallTick:
        guard(p, phase_ == Phase::Running, "tmrBall ticks");
        return call();
    case Input::GrizzleTick:
        guard(p, phase_ == Phase::Running, "tmrGrizzle ticks");
        lookForGrizzle(expected);
        if (!hasPattern(0))
            return;
        message(p, kGrizzleWins, expected);
        setPhase(Phase::Over, expected);
        return restart(expected);
    case Input::Start:
        guard(p, phase_ == Phase::Running || phase_ == Phase::Over, "Restart is pressed");
        restart(expected);
        call();
        return setPhase(Phase::Running, expected);
    case Input::Options:
        guard(p, phase_ == Phase::Running, "Options is pressed");
        setPhase(Phase::Paused, expected);
        expected[QStringLiteral("Frame1")].left = (sizes.width - sizes.panelWidth) / 2;
        expected[QStringLiteral("Frame1")].top = (sizes.height - sizes.panelHeight) / 2;
        return;
    case Input::Okay: {
        guard(p, panel, "Okay is pressed");
        cancelable_ = true;
        const auto first = std::find(options_.begin() + 1, options_.end(), true);
        if (first != options_.end())
            gametype_ = int(first - options_.begin());
        setPhase(Phase::Running, expected);
        return restart(expected);
    }
    case Input::Cancel:
        guard(p, phase_ == Phase::Paused, "Cancel is pressed");
        return setPhase(Phase::Running, expected);
    case Input::Claim: {
        guard(p, phase_ == Phase::Running, "B I N G O is pressed");
        const bool won = hasPattern(kPlayer);
        message(p, won ? kYouWin : kNoCheating, expected);
        setPhase(won ? Phase::Over : Phase::Running, expected);
        return restart(expected);
    }
    case Input::Cell:
        if (input.value <= kPlayer)
            p.fail(QStringLiteral("Grizzle's cell %1 takes a click through lblBlocker").arg(input.value));
        return setMark(input.value, !marked(input.value), expected);
    case Input::Option:
        guard(p, panel, "an option button changes");
        options_[std::size_t(input.value)] = input.on;
        expected[QStringLiteral("Option%1").arg(input.value)].checked = input.on;
        return;
    case Input::Speed:
        guard(p, panel, "the call speed changes");
        if (!input.on || input.value < 2000 || input.value > 10000)
            p.fail(QStringLiteral("the call speed is set to %1 ms, %2").arg(input.value)
                       .arg(input.on ? "outside 2000 to 10000" : "with no one moving the bar"));
        expected[QStringLiteral("scrSpeed")].text = QString::number(input.value);
        return;
    }
}

// What is enabled and shown in each state: the timers (which the driver
// checks), Options and B I N G O while running, Restart while running or
// over, the panel while setting up or paused, Cancel once Okay was pressed.
void Bingo::setPhase(Phase phase, State& expected)
{
    phase_ = phase;
    const bool running = phase == Phase::Running;
    const bool panel = phase == Phase::Setup || phase == Phase::Paused;
    expected[QStringLiteral("cmdOptions")].enabled = running;
    expected[QStringLiteral("cmdBingo")].enabled = running;
    expected[QStringLiteral("cmdStart")].enabled = running || phase == Phase::Over;
    expected[QStringLiteral("Frame1")].shown = panel;
    for (const QString& name : panel_)
        expected[name].shown = panel;
    expected[QStringLiteral("cmdCancel")].enabled = cancelable_;
}

// While a message box shows, the game stands still.
void Bingo::halt(State& expected) const
{
    for (const char* name : {"cmdOptions", "cmdBingo", "cmdStart"})
        expected[QLatin1String(name)].enabled = false;
}

// The message box `text` shows over the screen as the rules have it now.
void Bingo::message(Player& p, const QString& text, State& expected)
{
    halt(expected);
    if (messages_.empty())
        p.fail(QStringLiteral("\"%1\" does not show").arg(text.left(40)));
    const AtMessage m = messages_.front();
    messages_.pop_front();
    if (m.text != text)
        p.fail(QStringLiteral("\"%1\" shows where the rules show \"%2\"").arg(m.text.left(40), text.left(40)));
    if (m.timers)
        p.fail(QStringLiteral("a timer runs while \"%1\" shows").arg(text.left(40)));
    adopt(p, m.shown, expected);
    screenstate::compare(p, expected, m.shown, QStringLiteral("Bingo while \"%1\" shows").arg(text.left(40)));
}

// New cards, marked at their centres only, and no ball called; the last
// ball still shows. Restart is enabled.
void Bingo::restart(State& expected)
{
    called_.fill(false);
    calls_ = 0;
    ballPending_ = false;
    dealPending_ = true;
    for (int cell = 1; cell <= 2 * kCells; ++cell)
        setMark(cell, freeSpace(cell), expected);
    expected[QStringLiteral("cmdStart")].enabled = true;
}

// A ball not called before in this game; none once all have been.
void Bingo::call()
{
    if (calls_ + int(ballPending_) < kBalls)
        ballPending_ = true;
}

// Grizzle marks the ball that shows: in the first column, B to O, that
// holds it outside the free space, every cell that holds it.
void Bingo::lookForGrizzle(State& expected)
{
    if (curball_ == 0)
        return;
    for (int c = 0; c < 5; ++c) {
        bool found = false;
        for (int cell = c + 1; cell <= kCells; cell += 5)
            if (!freeSpace(cell) && number(cell) == curball_) {
                setMark(cell, true, expected);
                found = true;
            }
        if (found)
            return;
    }
}

bool Bingo::hasPattern(int offset) const
{
    std::array<bool, kCells + 1> card{};
    std::copy_n(marks_.begin() + offset + 1, kCells, card.begin() + 1);
    return complete(gametype_, card);
}

bool Bingo::complete(int gametype, const std::array<bool, 26>& marked)
{
    if (gametype < 1 || gametype > int(kPatterns.size()))
        return false;
    const auto& pattern = kPatterns[std::size_t(gametype - 1)];
    for (int cell = 1; cell <= kCells; ++cell)
        if (pattern[std::size_t(row(cell))][column(cell)] == 'X' && !marked[std::size_t(cell)])
            return false;
    return true;
}

void Bingo::setMark(int cell, bool on, State& expected)
{
    marks_[std::size_t(cell)] = on;
    writeCell(cell, expected);
}

// A cell shows its number, yellow when marked, and a reader calls it by its
// column and number ("N 40"), or "Free space", and ", marked".
void Bingo::writeCell(int cell, State& expected) const
{
    screenstate::Control& c = expected[cellName(cell)];
    const QString caption = freeSpace(cell) ? QStringLiteral("FS") : QString::number(number(cell));
    if (!dealPending_)
        c.text = caption;
    const QString name = freeSpace(cell) ? QStringLiteral("Free space")
                                         : QStringLiteral("%1 %2").arg(QString(kColumns[column(cell)].letter), c.text);
    c.name = marked(cell) ? name + QStringLiteral(", marked") : name;
    c.back = marked(cell) ? kYellow : QColor();
}

void Bingo::adopt(Player& p, const State& shown, State& expected)
{
    if (dealPending_) {
        readCard(p, shown, 0);
        readCard(p, shown, kPlayer);
        dealPending_ = false;
        for (int cell = 1; cell <= 2 * kCells; ++cell)
            writeCell(cell, expected);
    }
    if (ballPending_)
        readBall(p, shown, expected);
}

// A card dealt: each column five different numbers of its own fifteen, but
// N, which has four around the free space; a new deal, not the card before.
void Bingo::readCard(Player& p, const State& shown, int offset)
{
    std::array<std::set<int>, 5> columns;
    for (int cell = offset + 1; cell <= offset + kCells; ++cell) {
        const QString caption = textOf(shown, cellName(cell));
        if (freeSpace(cell)) {
            numbers_[std::size_t(cell)] = 0;
            if (caption != QLatin1String("FS"))
                p.fail(QStringLiteral("the free space %1 reads \"%2\"").arg(cell).arg(caption));
            continue;
        }
        const Column& c = kColumns[column(cell)];
        bool number = false;
        const int n = caption.toInt(&number);
        if (!number || QString::number(n) != caption || n < c.low || n > c.high ||
            !columns[std::size_t(column(cell))].insert(n).second)
            p.fail(QStringLiteral("cell %1 of column %2 reads \"%3\"").arg(cell).arg(c.letter).arg(caption));
        numbers_[std::size_t(cell)] = n;
        p.sample(kCardNumbers, (n - 1) * 5 + row(cell));
    }
    if (std::equal(numbers_.begin() + offset + 1, numbers_.begin() + offset + kCells + 1, dealtBefore_.begin() + offset + 1))
        p.fail(QStringLiteral("the card of cells %1 to %2 is dealt again as it was").arg(offset + 1).arg(offset + kCells));
}

// The ball called shows by its column's letter and its number, and was not
// called before in this game.
void Bingo::readBall(Player& p, const State& shown, State& expected)
{
    ballPending_ = false;
    const QString text = textOf(shown, QStringLiteral("lblBall"));
    static const QRegularExpression digits(QStringLiteral("(\\d+)$"));
    const int ball = digits.match(text).captured(1).toInt();
    if (ball < 1 || ball > kBalls)
        p.fail(QStringLiteral("the ball called reads \"%1\"").arg(text));
    if (std::exchange(called_[std::size_t(ball)], true))
        p.fail(QStringLiteral("ball %1 is called a second time in one game").arg(ball));
    curball_ = ball;
    p.sample(kCalls, ball - 1);
    if (++calls_ <= kEarly)
        p.sample(kEarlyCalls, ball - 1);
    screenstate::Control& c = expected[QStringLiteral("lblBall")];
    c.text = ballText(ball);
    c.name = c.text;
}

std::vector<randomplayer::Histogram> Bingo::histograms()
{
    return {{kCardNumbers, kBalls * 5}, {kCalls, kBalls}, {kEarlyCalls, kBalls}};
}

// What the rules' chances make the counts, judged by chances::likely (a tail
// of one in a thousand million at the count seen, so never by chance): each
// cell of a card holds each number of its column alike, one time in fifteen
// (N's centre none); nothing tells the balls of one column apart, so each
// is one in fifteen of its column's calls; and each of a game's first balls
// is any of the 75 alike, a fifth of them of each column. The calls of one
// game are drawn without putting back, which only narrows their spread.
QString Bingo::judge(const std::vector<std::vector<long>>& counts)
{
    const auto sum = [](const std::vector<long>& bins, int from, int to) {
        return std::accumulate(bins.begin() + from, bins.begin() + to, 0L);
    };
    const std::vector<long>& numbers = counts[0];
    const long cards = sum(numbers, 0, int(numbers.size())) / (kCells - 1);
    for (int bin = 0; bin < int(numbers.size()); ++bin) {
        const int n = bin / 5 + 1;
        const bool centre = n >= kColumns[2].low && n <= kColumns[2].high && bin % 5 == 2;
        if (!chances::likely(numbers[std::size_t(bin)], cards, centre ? 0 : 1.0 / 15))
            return QStringLiteral("%1 shows in row %2 of %3 cards %4 times").arg(n).arg(bin % 5 + 1).arg(cards)
                .arg(numbers[std::size_t(bin)]);
    }
    const std::vector<long>& calls = counts[1];
    const std::vector<long>& early = counts[2];
    for (const Column& c : kColumns) {
        const long ofColumn = sum(calls, c.low - 1, c.high);
        for (int ball = c.low; ball <= c.high; ++ball)
            if (!chances::likely(calls[std::size_t(ball - 1)], ofColumn, 1.0 / 15))
                return QStringLiteral("ball %1 is %2 of the %3 calls of %4").arg(ball)
                    .arg(calls[std::size_t(ball - 1)]).arg(ofColumn).arg(c.letter);
        if (!chances::likely(sum(early, c.low - 1, c.high), sum(early, 0, kBalls), 0.2))
            return QStringLiteral("%1 of %2 of a game's first %3 balls are %4s").arg(sum(early, c.low - 1, c.high))
                .arg(sum(early, 0, kBalls)).arg(kEarly).arg(c.letter);
    }
    return {};
}

} // namespace bingomodel
