// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Whether a count over a whole play is what the rules' chances make it, for
// the drivers' judgement of their histograms (gamedriver.h).

#include <algorithm>
#include <cmath>

namespace chances {

// The chance that `trials` trials, each a hit with chance `p`, give `hits`
// hits or a count still farther from their mean on the same side: the
// binomial tail, summed term by term from `hits` outwards.
inline double tail(long hits, long trials, double p)
{
    if (p <= 0 || p >= 1)
        return hits == (p <= 0 ? 0 : trials) ? 1 : 0;
    const double n = double(trials);
    const bool above = double(hits) > n * p;
    double k = double(hits);
    double term = std::exp(std::lgamma(n + 1) - std::lgamma(k + 1) - std::lgamma(n - k + 1) + k * std::log(p) +
                           (n - k) * std::log1p(-p));
    double sum = 0;
    while (term > sum * 1e-17) {
        sum += term;
        term *= above ? (n - k) / (k + 1) * p / (1 - p) : k / (n - k + 1) * (1 - p) / p;
        k += above ? 1 : -1;
    }
    return sum;
}

// Whether `hits` of `trials`, each a hit with chance `p` (to within
// `margin`, for bins whose chance is known only that closely), could come
// by chance: their tail is at least one in a thousand million. A play's few
// hundred bins then fail by chance less than once in a million plays, at
// any number of events; a face of 52 never drawn fails from 1,070
// shuffles on, and a chance off by a fifth once its bin expects about a
// thousand hits.
inline bool likely(long hits, long trials, double p, double margin = 0)
{
    const double nearest = double(hits) > double(trials) * p ? p + margin : p - margin;
    return tail(hits, trials, std::clamp(nearest, 0.0, 1.0)) >= 1e-9;
}

} // namespace chances
