// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "cards/cards.h"

namespace cards {

namespace {
bool isFace(int n) { return n >= 1 && n <= kFaces; }
} // namespace

int rankOfFace(int n)
{
    return isFace(n) ? (n - 1) / 4 + 1 : 0;
}

int suitOfFace(int n)
{
    return isFace(n) ? (n - 1) % 4 + 1 : 0;
}

int faceNumber(int value, int suit)
{
    if (value < 2 || value > 14 || suit < Spades || suit > Clubs)
        return 0;
    // the ace is valued highest in play but its faces come first
    return value == 14 ? suit : 4 * (value - 1) + suit;
}

QString faceName(int n)
{
    if (!isFace(n))
        return {};
    static const char* const courts[] = {"Jack", "Queen", "King"};
    static const char* const suits[] = {"Spades", "Hearts", "Diamonds", "Clubs"};
    const int rank = rankOfFace(n);
    const QString name = rank == 1 ? QStringLiteral("Ace")
                         : rank > 10 ? QString::fromLatin1(courts[rank - 11])
                                     : QString::number(rank);
    return QStringLiteral("%1 of %2").arg(name, QLatin1String(suits[suitOfFace(n) - 1]));
}

} // namespace cards
