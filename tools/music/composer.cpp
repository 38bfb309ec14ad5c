// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "composer.h"

#include "notes.h"

#include <algorithm>
#include <sstream>
#include <string>
#include <tuple>

namespace music {

namespace {

struct Event {
    int tick;
    int order;  // at one tick: meta and set-up first, note-offs before note-ons
    std::vector<std::uint8_t> bytes;
};

class Track {
public:
    explicit Track(const std::string& name) { meta(0, 0x03, name); }

    void meta(int tick, std::uint8_t type, const std::string& data)
    {
        std::vector<std::uint8_t> bytes{0xFF, type};
        appendLength(bytes, data.size());
        bytes.insert(bytes.end(), data.begin(), data.end());
        events_.push_back({tick, 0, bytes});
    }
    void setup(int channel, int program, int pan)
    {
        const auto ch = std::uint8_t(channel);
        events_.push_back({0, 1, {std::uint8_t(0xC0 | ch), std::uint8_t(program)}});
        events_.push_back({0, 1, {std::uint8_t(0xB0 | ch), 7, 100}});                // volume
        events_.push_back({0, 1, {std::uint8_t(0xB0 | ch), 10, std::uint8_t(pan)}}); // pan
        events_.push_back({0, 1, {std::uint8_t(0xB0 | ch), 91, 48}});               // reverb
    }
    void note(int channel, int start, int length, int key, int velocity)
    {
        if (key < 0 || key > 127 || length <= 0)
            fail("note out of range");
        const auto ch = std::uint8_t(channel);
        const auto v = std::uint8_t(std::clamp(velocity, 1, 127));
        events_.push_back({start, 3, {std::uint8_t(0x90 | ch), std::uint8_t(key), v}});
        events_.push_back({start + length, 2, {std::uint8_t(0x80 | ch), std::uint8_t(key), 0}});
    }

    std::vector<std::uint8_t> chunk(int endTick)
    {
        std::stable_sort(events_.begin(), events_.end(),
                         [](const Event& a, const Event& b) { return std::tie(a.tick, a.order) < std::tie(b.tick, b.order); });
        std::vector<std::uint8_t> body;
        int now = 0;
        for (const Event& e : events_) {
            appendLength(body, std::size_t(e.tick - now));
            body.insert(body.end(), e.bytes.begin(), e.bytes.end());
            now = e.tick;
        }
        appendLength(body, std::size_t(std::max(0, endTick - now)));
        body.insert(body.end(), {0xFF, 0x2F, 0x00});  // end of track
        std::vector<std::uint8_t> out{'M', 'T', 'r', 'k'};
        appendBig(out, body.size(), 4);
        out.insert(out.end(), body.begin(), body.end());
        return out;
    }

    static void appendBig(std::vector<std::uint8_t>& out, std::size_t value, int bytes)
    {
        for (int i = bytes - 1; i >= 0; --i)
            out.push_back(std::uint8_t(value >> (8 * i)));
    }

private:
    // MIDI's variable-length quantity: seven bits a byte, high bit = more.
    static void appendLength(std::vector<std::uint8_t>& out, std::size_t value)
    {
        std::uint8_t groups[5];
        int n = 0;
        do {
            groups[n++] = std::uint8_t(value & 0x7F);
            value >>= 7;
        } while (value);
        while (n--)
            out.push_back(std::uint8_t(groups[n] | (n ? 0x80 : 0)));
    }

    std::vector<Event> events_;
};

// Repeatable small variations of loudness, so the parts do not sound
// mechanical.
class Humanizer {
public:
    explicit Humanizer(unsigned seed) : state_(seed) {}
    int vary(int velocity)
    {
        state_ = state_ * 1664525u + 1013904223u;
        return velocity + int(state_ >> 29) - 4;
    }

private:
    unsigned state_;
};

// Where the chords fall: the start tick and symbol of each.
struct Harmony {
    std::vector<std::pair<int, Chord>> changes;

    const Chord& at(int tick) const
    {
        const Chord* current = &changes.front().second;
        for (const auto& [start, c] : changes)
            if (start <= tick)
                current = &c;
        return *current;
    }
};

// The lowest key of pitch class pc at or above floor.
int above(int floor, int pc)
{
    return floor + ((pc - floor % 12) % 12 + 12) % 12;
}

std::vector<int> degreeKeys(const std::string& degree, const Chord& c, const Harmony& harmony, int endTick, int floor)
{
    const int root = above(floor, c.root);
    const auto tone = [&](std::size_t i) { return root + c.intervals[std::min(i, c.intervals.size() - 1)]; };
    if (degree == "1") return {root};
    if (degree == "3") return {tone(1)};
    if (degree == "5") return {tone(2)};
    if (degree == "7") return {c.intervals.size() > 3 ? tone(3) : root + 12};
    if (degree == "8") return {root + 12};
    if (degree == "a") return {above(floor, (harmony.at(endTick).root + 11) % 12)};
    if (degree == "c") {
        std::vector<int> keys;
        for (int interval : c.intervals)
            keys.push_back(above(floor, (c.root + interval) % 12));
        return keys;
    }
    fail("bad degree '" + degree + "'");
}

class Composer {
public:
    explicit Composer(const Song& song) : song_(song), bar_(song.beats * kTicks) {}

    std::vector<std::uint8_t> midi()
    {
        Track conductor(song_.title);
        const int tempo = 60000000 / song_.bpm;  // microseconds a quarter
        conductor.meta(0, 0x51, std::string{char(tempo >> 16), char(tempo >> 8), char(tempo)});
        conductor.meta(0, 0x58, std::string{char(song_.beats), 2, 24, 8});

        Track lead("Melody"), harmony("Chords"), bass("Bass"), drums("Drums");
        lead.setup(0, song_.lead.program, song_.lead.pan);
        harmony.setup(1, song_.harmony.program, song_.harmony.pan);
        bass.setup(2, song_.bass.program, song_.bass.pan);

        int bar = 0;
        for (std::size_t s = 0; s < song_.form.size(); ++s) {
            const auto found = song_.sections.find(song_.form[s]);
            if (found == song_.sections.end())
                fail(std::string(song_.file) + ": no section " + song_.form[s]);
            const Section& section = found->second;
            const Harmony chords = harmonyOf(section.chords, bar);
            const int bars = countBars(section.chords);
            const bool last = s + 1 == song_.form.size();

            melody(lead, section.melody, bar * bar_, bars * bar_);
            for (int b = 0; b < bars; ++b) {
                const int start = (bar + b) * bar_;
                if (last && b == bars - 1) {
                    ending(harmony, bass, drums, chords, start);
                    continue;
                }
                accompany(harmony, 1, song_.harmony, chords, start, 55);
                accompany(bass, 2, song_.bass, chords, start, 36);
                const bool fillBar = b == bars - 1 && !song_.fill.empty();
                if (!song_.drums.empty())
                    drumBar(drums, fillBar ? song_.fill : song_.drums, start);
            }
            bar += bars;
        }
        const int end = bar * bar_ + kTicks;  // a beat of release after the last bar

        std::vector<std::uint8_t> out{'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 1};
        std::vector<std::vector<std::uint8_t>> chunks{conductor.chunk(end), lead.chunk(end), harmony.chunk(end),
                                                      bass.chunk(end)};
        if (!song_.drums.empty())
            chunks.push_back(drums.chunk(end));
        Track::appendBig(out, chunks.size(), 2);
        Track::appendBig(out, kTicks, 2);
        for (const auto& c : chunks)
            out.insert(out.end(), c.begin(), c.end());
        return out;
    }

private:
    static int countBars(const std::string& chords)
    {
        std::istringstream in(chords);
        int n = 0;
        for (std::string word; in >> word;)
            ++n;
        return n;
    }

    Harmony harmonyOf(const std::string& text, int firstBar) const
    {
        Harmony h;
        std::istringstream in(text);
        int bar = firstBar;
        for (std::string word; in >> word; ++bar) {
            std::vector<std::string> parts;
            std::istringstream split(word);
            for (std::string symbol; std::getline(split, symbol, ',');)
                parts.push_back(symbol);
            for (std::size_t i = 0; i < parts.size(); ++i)
                h.changes.push_back({bar * bar_ + int(i) * bar_ / int(parts.size()), chord(parts[i])});
        }
        return h;
    }

    // Swing moves an off-beat eighth to two thirds of the beat.
    int swung(int tick) const
    {
        return song_.swing && tick % kTicks == kTicks / 2 ? tick + kTicks / 6 : tick;
    }

    void play(Track& track, int channel, const Part& part, int start, int length, int key)
    {
        const int on = swung(start);
        const int off = swung(start + length);
        track.note(channel, on, std::max(1, int((off - on) * part.gate)), key, humanizer_.vary(part.velocity));
    }

    void melody(Track& track, const std::string& text, int start, int length)
    {
        int at = start;
        for (const Token& t : tokenize(text)) {
            for (const std::string& item : t.items)
                if (item != "r")
                    play(track, 0, song_.lead, at, t.length, pitch(item));
            at += t.length;
        }
        if (at - start != length)
            fail(std::string(song_.file) + ": a melody lasts " + std::to_string(at - start) + " ticks, its bars " +
                 std::to_string(length));
    }

    void accompany(Track& track, int channel, const Part& part, const Harmony& chords, int start, int floor)
    {
        int at = start;
        for (const Token& t : tokenize(part.pattern)) {
            for (const std::string& item : t.items)
                if (item != "r")
                    for (int key : degreeKeys(item, chords.at(at), chords, at + t.length, floor))
                        play(track, channel, part, at, t.length, key);
            at += t.length;
        }
        if (at - start != bar_)
            fail(std::string(song_.file) + ": a pattern does not fill its bar");
    }

    void drumBar(Track& track, const std::string& pattern, int start)
    {
        int at = start;
        for (const Token& t : tokenize(pattern)) {
            for (const std::string& item : t.items) {
                const auto drum = kDrums.find(item);
                if (drum == kDrums.end())
                    fail("bad drum '" + item + "'");
                const int accent = at == start ? 14 : 0;
                const int on = swung(at);
                track.note(9, on, kTicks / 4, drum->second, humanizer_.vary(84 + accent));
            }
            at += t.length;
        }
        if (at - start != bar_)
            fail(std::string(song_.file) + ": a drum bar does not fill its bar");
    }

    void ending(Track& harmony, Track& bass, Track& drums, const Harmony& chords, int start)
    {
        const Chord& c = chords.at(start);
        for (int key : degreeKeys("c", c, chords, start, 55))
            harmony.note(1, start, bar_, key, song_.harmony.velocity);
        bass.note(2, start, bar_, above(36, c.root), song_.bass.velocity);
        if (!song_.drums.empty()) {
            drums.note(9, start, kTicks, kDrums.at("crash"), 100);
            drums.note(9, start, kTicks / 4, kDrums.at("kick"), 100);
        }
    }

    const Song& song_;
    const int bar_;
    Humanizer humanizer_{2718};
};

} // namespace

std::vector<std::uint8_t> midiFile(const Song& song)
{
    return Composer(song).midi();
}

} // namespace music
