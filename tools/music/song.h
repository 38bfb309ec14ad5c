// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a song is: its parts and sections, each written in the note language
// (see notes.h). A song is its sections played in the order of its form; the
// last bar holds the final chord.

#include <map>
#include <string>

namespace music {

struct Part {
    int program;   // General MIDI, counted from 0
    int velocity;
    double gate;   // how much of its length a note sounds
    int pan;       // 0 left .. 127 right
    std::string pattern;  // one bar, for harmony and bass
};

struct Section {
    std::string chords;
    std::string melody;
};

struct Song {
    const char* file;
    const char* title;
    int bpm;
    int beats;   // per bar
    bool swing;  // off-beat eighths played late, two thirds into the beat
    Part lead, harmony, bass;
    std::string drums;  // one bar; empty for none
    std::string fill;   // the last bar of each section but the last
    std::map<char, Section> sections;
    std::string form;
};

} // namespace music
