// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "notes.h"

#include <cstdio>
#include <cstdlib>
#include <sstream>

namespace music {

void fail(const std::string& what)
{
    std::fprintf(stderr, "musicgen: %s\n", what.c_str());
    std::exit(1);
}

namespace {

int parseLength(const std::string& text)
{
    static const std::map<char, int> base{{'w', 4 * kTicks}, {'h', 2 * kTicks}, {'q', kTicks},
                                          {'e', kTicks / 2}, {'s', kTicks / 4}};
    if (text.empty() || !base.count(text[0]) || text.size() > 2 || (text.size() == 2 && text[1] != '.'))
        fail("bad length '" + text + "'");
    const int ticks = base.at(text[0]);
    return text.size() == 2 ? ticks * 3 / 2 : ticks;
}

} // namespace

std::vector<Token> tokenize(const std::string& text)
{
    std::vector<Token> tokens;
    std::istringstream in(text);
    int length = kTicks;
    for (std::string word; in >> word;) {
        const auto colon = word.find(':');
        if (colon != std::string::npos)
            length = parseLength(word.substr(colon + 1));
        Token token{{}, length};
        std::istringstream items(word.substr(0, colon));
        for (std::string item; std::getline(items, item, '+');)
            token.items.push_back(item);
        tokens.push_back(token);
    }
    return tokens;
}

int pitch(const std::string& name)
{
    static const int steps[] = {9, 11, 0, 2, 4, 5, 7};  // A B C D E F G
    if (name.size() < 2 || name[0] < 'A' || name[0] > 'G')
        fail("bad pitch '" + name + "'");
    int semitone = steps[name[0] - 'A'];
    std::size_t i = 1;
    if (name[i] == '#' || name[i] == 'b')
        semitone += name[i++] == '#' ? 1 : -1;
    if (i + 1 != name.size() || name[i] < '0' || name[i] > '8')
        fail("bad pitch '" + name + "'");
    return 12 * (name[i] - '0' + 1) + semitone;
}

Chord chord(const std::string& symbol)
{
    const int root = pitch(symbol.substr(0, symbol[1] == '#' || symbol[1] == 'b' ? 2 : 1) + "0") % 12;
    const std::string quality = symbol.substr(symbol[1] == '#' || symbol[1] == 'b' ? 2 : 1);
    static const std::map<std::string, std::vector<int>> qualities{
        {"", {0, 4, 7}},       {"m", {0, 3, 7}},      {"7", {0, 4, 7, 10}},
        {"m7", {0, 3, 7, 10}}, {"maj7", {0, 4, 7, 11}}, {"dim", {0, 3, 6}}};
    if (!qualities.count(quality))
        fail("bad chord '" + symbol + "'");
    return {root, qualities.at(quality)};
}

const std::map<std::string, int> kDrums{
    {"kick", 36}, {"rim", 37},   {"snare", 38}, {"clap", 39},    {"floor", 41},   {"hat", 42},
    {"pedal", 44}, {"tomlo", 45}, {"open", 46},  {"tomhi", 50},   {"crash", 49},   {"ride", 51},
    {"tamb", 54}, {"bongo", 60}, {"mute", 62},  {"conga", 63},   {"congalo", 64}, {"shaker", 70},
    {"clave", 75}};

} // namespace music
