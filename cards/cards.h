// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Card identity shared by every card game: a value 2 to 14 (11 jack, 12 queen,
// 13 king, 14 ace), a suit 1 to 4 (spades, hearts, diamonds, clubs) and the
// face number 1 to 52 that indexes the face pictures.

#include <QString>

namespace cards {

inline constexpr int kFaces = 52;
inline constexpr int kBacks = 5;

enum Suit { Spades = 1, Hearts = 2, Diamonds = 3, Clubs = 4 };

// Faces run by rank with the ace first, spades to clubs within a rank:
// 1..4 are the aces, 5..8 the twos, 49..52 the kings.
// Rank 1 (ace) to 13 (king) of face n; 0 when n is not a face number.
int rankOfFace(int n);
// Suit 1 to 4 of face n; 0 when n is not a face number.
int suitOfFace(int n);
// Face number of a card value 2 to 14 and suit 1 to 4; 0 for any other pair.
int faceNumber(int value, int suit);

// The card of face n as the player names it: "Ace of Spades", "10 of Clubs",
// "Queen of Hearts", in the player's language; empty when n is not a face
// number.
QString faceName(int n);

constexpr bool isRed(int suit) { return suit == Hearts || suit == Diamonds; }

} // namespace cards
