// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "cards/cards.h"

#include <QCoreApplication>

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
    // Whole names, one per face in face order, so a language can name each
    // card as its players do rather than as a rank and a suit.
    static const char* const names[kFaces] = {
        QT_TRANSLATE_NOOP("cards", "Ace of Spades"), QT_TRANSLATE_NOOP("cards", "Ace of Hearts"),
        QT_TRANSLATE_NOOP("cards", "Ace of Diamonds"), QT_TRANSLATE_NOOP("cards", "Ace of Clubs"),
        QT_TRANSLATE_NOOP("cards", "2 of Spades"), QT_TRANSLATE_NOOP("cards", "2 of Hearts"),
        QT_TRANSLATE_NOOP("cards", "2 of Diamonds"), QT_TRANSLATE_NOOP("cards", "2 of Clubs"),
        QT_TRANSLATE_NOOP("cards", "3 of Spades"), QT_TRANSLATE_NOOP("cards", "3 of Hearts"),
        QT_TRANSLATE_NOOP("cards", "3 of Diamonds"), QT_TRANSLATE_NOOP("cards", "3 of Clubs"),
        QT_TRANSLATE_NOOP("cards", "4 of Spades"), QT_TRANSLATE_NOOP("cards", "4 of Hearts"),
        QT_TRANSLATE_NOOP("cards", "4 of Diamonds"), QT_TRANSLATE_NOOP("cards", "4 of Clubs"),
        QT_TRANSLATE_NOOP("cards", "5 of Spades"), QT_TRANSLATE_NOOP("cards", "5 of Hearts"),
        QT_TRANSLATE_NOOP("cards", "5 of Diamonds"), QT_TRANSLATE_NOOP("cards", "5 of Clubs"),
        QT_TRANSLATE_NOOP("cards", "6 of Spades"), QT_TRANSLATE_NOOP("cards", "6 of Hearts"),
        QT_TRANSLATE_NOOP("cards", "6 of Diamonds"), QT_TRANSLATE_NOOP("cards", "6 of Clubs"),
        QT_TRANSLATE_NOOP("cards", "7 of Spades"), QT_TRANSLATE_NOOP("cards", "7 of Hearts"),
        QT_TRANSLATE_NOOP("cards", "7 of Diamonds"), QT_TRANSLATE_NOOP("cards", "7 of Clubs"),
        QT_TRANSLATE_NOOP("cards", "8 of Spades"), QT_TRANSLATE_NOOP("cards", "8 of Hearts"),
        QT_TRANSLATE_NOOP("cards", "8 of Diamonds"), QT_TRANSLATE_NOOP("cards", "8 of Clubs"),
        QT_TRANSLATE_NOOP("cards", "9 of Spades"), QT_TRANSLATE_NOOP("cards", "9 of Hearts"),
        QT_TRANSLATE_NOOP("cards", "9 of Diamonds"), QT_TRANSLATE_NOOP("cards", "9 of Clubs"),
        QT_TRANSLATE_NOOP("cards", "10 of Spades"), QT_TRANSLATE_NOOP("cards", "10 of Hearts"),
        QT_TRANSLATE_NOOP("cards", "10 of Diamonds"), QT_TRANSLATE_NOOP("cards", "10 of Clubs"),
        QT_TRANSLATE_NOOP("cards", "Jack of Spades"), QT_TRANSLATE_NOOP("cards", "Jack of Hearts"),
        QT_TRANSLATE_NOOP("cards", "Jack of Diamonds"), QT_TRANSLATE_NOOP("cards", "Jack of Clubs"),
        QT_TRANSLATE_NOOP("cards", "Queen of Spades"), QT_TRANSLATE_NOOP("cards", "Queen of Hearts"),
        QT_TRANSLATE_NOOP("cards", "Queen of Diamonds"), QT_TRANSLATE_NOOP("cards", "Queen of Clubs"),
        QT_TRANSLATE_NOOP("cards", "King of Spades"), QT_TRANSLATE_NOOP("cards", "King of Hearts"),
        QT_TRANSLATE_NOOP("cards", "King of Diamonds"), QT_TRANSLATE_NOOP("cards", "King of Clubs"),
    };
    return QCoreApplication::translate("cards", names[n - 1]);
}

} // namespace cards
