// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Whether a count over a whole play is what the rules' chances make it, for
// the drivers' judgement of their histograms (gamedriver.h).

#include <cmath>

namespace chances {

// Whether `hits` of `trials`, each a hit with chance `p`, lie within six
// standard deviations and one count (plus `slack`, for bins whose chance is
// p only to within a known margin) of the trials' mean. A binomial count
// leaves that band by chance about twice in a thousand million, so the few
// hundred bins of a play never fail by chance at any number of events; a
// chance off by a fifth of itself shows once a bin expects a thousand hits.
inline bool likely(long hits, long trials, double p, double slack = 0)
{
    const double mean = double(trials) * p;
    return std::abs(double(hits) - mean) <= 6 * std::sqrt(mean * (1 - p)) + 1 + slack;
}

} // namespace chances
