// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "model_fireice.h"

#include "support/chances.h"

#include <array>
#include <cmath>
#include <numeric>

namespace fireicemodel {

namespace {

const QString kLucky = QStringLiteral("You got lucky punk, Try again, I dare you.");
const QString kLiar = QStringLiteral("Ya big liar!");

// The faces run by rank, the ace first, and within a rank by suit: face n
// is rank (n - 1) / 4 of suit (n - 1) mod 4.
const std::array<const char*, 13> kRanks{"Ace", "2", "3",  "4",    "5",     "6",   "7",
                                         "8",   "9", "10", "Jack", "Queen", "King"};
struct Suit {
    const char* name;
    bool red;  // Fire; a black suit is Ice
};
const std::array<Suit, 4> kSuits{{{"Spades", false}, {"Hearts", true}, {"Diamonds", true}, {"Clubs", false}}};

// The stored places and sizes, in twips.
constexpr double kCardLeft = 1080;
constexpr double kCardWidth = 1065;
constexpr double kGunmanWidth = 1590;
constexpr double kGunmanHeight = 1395;
constexpr double kStep = 200;

const QString kCard = QStringLiteral("imgCard");
const QString kGunman = QStringLiteral("picGuy");

// The gunman's place, by tenths of the room across and then down.
const QString kFaces = QStringLiteral("Fire & Ice: faces shuffled");
const QString kPlaces = QStringLiteral("Fire & Ice: the gunman's place by tenths, across then down");
// Rooms narrower than this are not counted: in one at least this wide, each
// tenth holds a share of the places within 1/1000 of a tenth.
constexpr double kLeastRoom = 1000;

} // namespace

QString Model::start(const screenstate::State& fresh)
{
    *this = Model();
    shown_ = fresh;
    const screenstate::Control& card = fresh.at(kCard);
    if (!card.picture.isEmpty() || card.left != kCardLeft || fresh.at(kGunman).shown)
        return QStringLiteral("a card or the gunman shows at the start");
    setCalling(false);
    return screenstate::diff(shown_, fresh);
}

void Model::setCalling(bool calling)
{
    calling_ = calling;
    shown_[QStringLiteral("cmdFire")].enabled = calling;
    shown_[QStringLiteral("cmdIce")].enabled = calling;
    shown_[QStringLiteral("cmdShuffle")].enabled = !calling;
}

QString Model::shuffle(randomplayer::Player& player, const screenstate::Control& shows)
{
    // Any face, as its picture names it: "face 1" to "face 52".
    bool number = false;
    const int face = shows.picture.section(QLatin1Char(' '), 1).toInt(&number);
    if (!shows.picture.startsWith(QLatin1String("face ")) || !number || face < 1 || face > 52)
        return QStringLiteral("Shuffle shows \"%1\", which is no card's face").arg(shows.picture);
    player.sample(kFaces, face - 1);
    face_ = face;
    screenstate::Control& card = shown_[kCard];
    card.picture = shows.picture;
    card.name = QStringLiteral("%1 of %2").arg(QLatin1String(kRanks[std::size_t((face - 1) / 4)]),
                                               QLatin1String(kSuits[std::size_t((face - 1) % 4)].name));
    card.left = kCardLeft;
    step_ = kStep;
    // a call is possible only while the card moves: one still pending
    // from the last card stops nothing of this one
    moving_ = true;
    stopping_ = false;
    setCalling(true);
    shown_[kGunman].shown = false;
    return {};
}

QString Model::call(bool fire, bool* gunman)
{
    stopping_ = true;
    const bool red = kSuits[std::size_t((face_ - 1) % 4)].red;
    *gunman = fire && red;
    return fire == red ? (fire ? QString() : kLucky) : kLiar;
}

QString Model::place(randomplayer::Player& player, const screenstate::Control& shows, double width, double height)
{
    // anywhere the whole of him is on the screen, at whole twips
    const double across = width - kGunmanWidth;
    const double down = height - kGunmanHeight;
    if (shows.left != std::floor(shows.left) || shows.top != std::floor(shows.top) || shows.left < 0 ||
        shows.top < 0 || shows.left > across || shows.top > down)
        return QStringLiteral("the gunman stands at %1,%2, outside the screen's %3 by %4 twips")
            .arg(shows.left).arg(shows.top).arg(width).arg(height);
    screenstate::Control& gunman = shown_[kGunman];
    gunman.shown = true;
    gunman.left = shows.left;
    gunman.top = shows.top;
    if (across + 1 >= kLeastRoom && down + 1 >= kLeastRoom) {
        player.sample(kPlaces, int(10 * shows.left / (across + 1)));
        player.sample(kPlaces, 10 + int(10 * shows.top / (down + 1)));
    }
    return {};
}

void Model::endCall()
{
    setCalling(false);
}

bool Model::tick(double width)
{
    if (!moving_)
        return false;
    // the turn is tested after the move, so the card may pass an edge by a step
    double& left = shown_[kCard].left;
    left += step_;
    const bool turns = left >= width - kCardWidth || left < 0;
    if (turns)
        step_ = -step_;
    if (stopping_)
        moving_ = stopping_ = false;
    return turns;
}

QStringList Model::messages()
{
    return {kLucky, kLiar};
}

std::vector<randomplayer::Histogram> Model::histograms()
{
    return {{kFaces, 52}, {kPlaces, 20}};
}

QString Model::judge(const std::vector<std::vector<long>>& counts)
{
    // Every face has the same chance, and the gunman every place.
    const std::vector<long>& faces = counts[0];
    const long shuffles = std::accumulate(faces.begin(), faces.end(), 0L);
    for (std::size_t n = 0; n < faces.size(); ++n)
        if (!chances::likely(faces[n], shuffles, 1.0 / 52))
            return QStringLiteral("%1 of %2 shuffles drew %3 of %4")
                .arg(faces[n]).arg(shuffles)
                .arg(QLatin1String(kRanks[n / 4]), QLatin1String(kSuits[n % 4].name));
    const std::vector<long>& places = counts[1];
    const long gunmen = std::accumulate(places.begin(), places.begin() + 10, 0L);
    for (std::size_t b = 0; b < places.size(); ++b)
        if (!chances::likely(places[b], gunmen, 0.1, 1 / kLeastRoom))
            return QStringLiteral("%1 of %2 gunmen stood in tenth %3 %4")
                .arg(places[b]).arg(gunmen).arg(b % 10 + 1)
                .arg(b < 10 ? QStringLiteral("across") : QStringLiteral("down"));
    return {};
}

} // namespace fireicemodel
