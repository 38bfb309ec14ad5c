// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "model_tictactoe.h"

#include "support/chances.h"

#include <algorithm>

namespace tictactoemodel {

namespace {

const QString kYouWin = QStringLiteral("You win. Click okay to start a new game.");
const QString kGrizzleyWins = QStringLiteral("Grizzley wins. Click okay to start a new game.");
const QString kCatsTail = QStringLiteral("Cat's tail. Nobody wins. Click okay to start a new game.");
const QString kYourTurn = QStringLiteral("Your Turn.");

// The lines in the order they are tested: rows, columns, the diagonal from
// the top left, the one from the top right.
constexpr std::array<std::array<int, 3>, 8> kLines{{
    {1, 2, 3}, {4, 5, 6}, {7, 8, 9}, {1, 4, 7}, {2, 5, 8}, {3, 6, 9}, {1, 5, 9}, {3, 5, 7},
}};

// Grizzle's rules in the order he tries them: the player's O on the first
// two cells, the third free, and his X goes there.
constexpr std::array<std::array<int, 3>, 24> kBlocks{{
    {1, 2, 3}, {2, 3, 1}, {1, 3, 2}, {4, 5, 6}, {5, 6, 4}, {4, 6, 5}, {7, 8, 9}, {8, 9, 7},
    {7, 9, 8}, {1, 4, 7}, {4, 7, 1}, {1, 7, 4}, {2, 5, 8}, {5, 8, 2}, {2, 8, 5}, {3, 6, 9},
    {6, 9, 3}, {3, 9, 6}, {1, 5, 9}, {5, 9, 1}, {1, 9, 5}, {3, 5, 7}, {5, 7, 3}, {3, 7, 5},
}};

// Grizzle's random replies, by the number of free cells (k) and the cell.
const QString kFree = QStringLiteral("Tic Tac Toe: cells free at Grizzle's random reply");
const QString kChosen = QStringLiteral("Tic Tac Toe: cells of Grizzle's random reply");
// Those where m free cells would complete a line of his, by k and m.
const QString kCouldWin = QStringLiteral("Tic Tac Toe: random replies that could complete Grizzle's line");
const QString kWon = QStringLiteral("Tic Tac Toe: random replies that completed Grizzle's line");

QString control(const char* array, int index)
{
    return QStringLiteral("%1(%2)").arg(QLatin1String(array)).arg(index);
}

const QString kO = control("imgO", 10);
const QString kX = control("imgX", 0);

QString letter(Mark who)
{
    return who == O ? QStringLiteral("O") : QStringLiteral("X");
}

// The cells a mark of `who` would complete a line with.
std::vector<int> completing(const std::array<Mark, 9>& board, Mark who)
{
    std::vector<int> cells;
    for (const auto& line : kLines)
        for (const int target : line) {
            int own = 0;
            for (const int c : line)
                own += board[std::size_t(c - 1)] == who;
            if (board[std::size_t(target - 1)] == Empty && own == 2 &&
                std::find(cells.begin(), cells.end(), target) == cells.end())
                cells.push_back(target);
        }
    return cells;
}

} // namespace

QString Model::start(const screenstate::State& fresh)
{
    *this = Model();
    fresh_ = shown_ = fresh;
    for (int n = 1; n <= 9; ++n) {
        const screenstate::Control& cell = fresh.at(control("Image1", n));
        if (!cell.enabled || !cell.picture.isEmpty())
            return QStringLiteral("cell %1 is not free at the start").arg(n);
    }
    if (fresh.at(QStringLiteral("scr1")).text != QLatin1String("0") ||
        fresh.at(QStringLiteral("scr2")).text != QLatin1String("0"))
        return QStringLiteral("the scores do not start at 0");
    if (fresh.at(QStringLiteral("lblturn")).shown || !fresh.at(QStringLiteral("lblturn")).text.isEmpty())
        return QStringLiteral("the turn label shows or reads something at the start");
    const screenstate::Control& o = fresh.at(kO);
    const screenstate::Control& x = fresh.at(kX);
    if (o.shown || x.shown || o.picture == x.picture || o.name != letter(O) || x.name != letter(X))
        return QStringLiteral("the marks' hidden pictures are not an O and an X");
    return {};
}

void Model::mark(int cell, Mark who)
{
    board_[std::size_t(cell - 1)] = who;
    // a cell shows a copy of its mark's hidden picture
    screenstate::Control& image = shown_[control("Image1", cell)];
    image.picture = shown_[who == O ? kO : kX].picture;
    image.name = letter(who);
    image.enabled = false;
    // its key names its place, then what it holds
    const QString place = fresh_[control("cellKey", cell)].name.section(QStringLiteral(", "), 0, -2);
    shown_[control("cellKey", cell)].name = place + QStringLiteral(", ") + letter(who);
}

QString Model::verdict() const
{
    for (const Mark who : {O, X})
        for (const auto& line : kLines)
            if (std::all_of(line.begin(), line.end(), [&](int c) { return at(c) == who; }))
                return who == O ? kYouWin : kGrizzleyWins;
    return std::count(board_.begin(), board_.end(), Empty) ? QString() : kCatsTail;
}

void Model::end(const QString& verdict)
{
    restart();
    if (verdict == kYouWin)
        setScore(QStringLiteral("scr1"), ++scores_[O]);
    else if (verdict == kGrizzleyWins)
        setScore(QStringLiteral("scr2"), ++scores_[X]);
}

void Model::setScore(const QString& label, long score)
{
    // plain decimal digits, which the label's spoken name ends with
    const screenstate::Control& was = fresh_[label];
    screenstate::Control& now = shown_[label];
    now.text = QString::number(score);
    if (was.name.endsWith(was.text))
        now.name = was.name.chopped(was.text.size()) + now.text;
}

std::vector<int> Model::newMarks(const screenstate::State& state) const
{
    std::vector<int> cells;
    for (int n = 1; n <= 9; ++n) {
        const auto image = state.find(control("Image1", n));
        if (at(n) == Empty && image != state.end() && !image->second.picture.isEmpty())
            cells.push_back(n);
    }
    return cells;
}

QString Model::reply(randomplayer::Player& player, int cell) const
{
    for (const auto& [a, b, target] : kBlocks)
        if (at(a) == O && at(b) == O && at(target) == Empty)
            return target == cell
                       ? QString()
                       : QStringLiteral("Grizzle took cell %1 where his rules block at %2").arg(cell).arg(target);
    const int k = int(std::count(board_.begin(), board_.end(), Empty));
    for (int n = 1; n <= 9; ++n)
        if (at(n) == Empty)
            player.sample(kFree, (k - 1) * 9 + n - 1);
    player.sample(kChosen, (k - 1) * 9 + cell - 1);
    const std::vector<int> wins = completing(board_, X);
    if (!wins.empty()) {
        const int bin = (k - 1) * 9 + int(wins.size()) - 1;
        player.sample(kCouldWin, bin);
        if (std::find(wins.begin(), wins.end(), cell) != wins.end())
            player.sample(kWon, bin);
    }
    return {};
}

void Model::replied()
{
    // hidden, but read by a screen reader all the same
    screenstate::Control& turn = shown_[QStringLiteral("lblturn")];
    turn.text = turn.name = kYourTurn;
}

void Model::restart()
{
    for (int n = 1; n <= 9; ++n) {
        board_[std::size_t(n - 1)] = Empty;
        shown_[control("Image1", n)] = fresh_[control("Image1", n)];
        shown_[control("cellKey", n)] = fresh_[control("cellKey", n)];
    }
}

QStringList Model::messages()
{
    return {kYouWin, kGrizzleyWins, kCatsTail};
}

std::vector<randomplayer::Histogram> Model::histograms()
{
    return {{kFree, 81}, {kChosen, 81}, {kCouldWin, 81}, {kWon, 81}};
}

QString Model::judge(const std::vector<std::vector<long>>& counts)
{
    // No cell is preferred: with k cells free, each is taken one time in k,
    // and one that completes a line of Grizzle's no more often than another.
    for (int k = 1; k <= 9; ++k)
        for (int n = 1; n <= 9; ++n) {
            const std::size_t bin = std::size_t((k - 1) * 9 + n - 1);
            if (!chances::likely(counts[1][bin], counts[0][bin], 1.0 / k))
                return QStringLiteral("Grizzle's random reply took cell %1 %2 times of %3 with %4 cells free")
                    .arg(n).arg(counts[1][bin]).arg(counts[0][bin]).arg(k);
            if (!chances::likely(counts[3][bin], counts[2][bin], double(n) / k))
                return QStringLiteral("Grizzle's random reply completed his line %1 times of %2 with %3 of %4 "
                                      "free cells completing one")
                    .arg(counts[3][bin]).arg(counts[2][bin]).arg(n).arg(k);
        }
    return {};
}

} // namespace tictactoemodel
