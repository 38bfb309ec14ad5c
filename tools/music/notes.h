// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The small note language the songs are written in, one string per part:
//   melody  "E5:q G5:e A5:e r:h"   a pitch (C4 is middle C, # and b allowed)
//                                   or r for a rest, then a length:
//                                   w h q e s (whole .. sixteenth), "." dots it;
//                                   without ":" the previous length goes on;
//                                   "+" joins notes into one chord
//   chords  "C Am F,G G7"          one symbol per bar, "," splits a bar evenly
//   pattern "1:q 5:q 3+5+8:e"      one bar of accompaniment: 1 3 5 7 are the
//                                   chord's root, third, fifth and seventh,
//                                   8 the root an octave up, c the whole chord,
//                                   a the semitone below the next chord's root
//   drums   "kick+hat:e hat"       General MIDI drum names, see kDrums

#include <map>
#include <string>
#include <vector>

namespace music {

inline constexpr int kTicks = 480;  // per quarter note

// A mistake in a song or a failed write: the build must stop, not ship a
// half-written track.
[[noreturn]] void fail(const std::string& what);

struct Token {
    std::vector<std::string> items;  // pitches, degrees or drum names
    int length;                      // ticks
};

std::vector<Token> tokenize(const std::string& text);

// The MIDI key of a name such as "C#4".
int pitch(const std::string& name);

struct Chord {
    int root;                    // pitch class 0..11
    std::vector<int> intervals;  // root, third, fifth, seventh (if any)
};

Chord chord(const std::string& symbol);

extern const std::map<std::string, int> kDrums;

} // namespace music
