// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The tests' pseudo-language writes each letter of a to z and A to Z as one
// of these, in order (pseudotr, and the language test that reads it back).

#include <QString>

namespace pseudoletters {

inline QString lower()
{
    return QStringLiteral("áƀçďéƒĝĥíĵķĺɱñóþʠŕšţúṽŵẋýž");
}

inline QString upper()
{
    return QStringLiteral("ÁƁÇĎÉƑĜĤÍĴĶĹṀÑÓṖǪŔŠŢÚṼŴẊÝŽ");
}

} // namespace pseudoletters
