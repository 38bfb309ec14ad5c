// Composes the collection's music and its one sound effect:
//   musicgen OUTDIR   writes OUTDIR/1.mid .. 6.mid and OUTDIR/fire.wav
//
// Every song is written below in a small note language, one string per part:
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
// A song is its sections played in the order of its form; the last bar holds
// the final chord.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <numbers>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

namespace {

constexpr int kTicks = 480;  // per quarter note

[[noreturn]] void fail(const std::string& what)
{
    std::fprintf(stderr, "musicgen: %s\n", what.c_str());
    std::exit(1);
}

// --- the note language -----------------------------------------------------

struct Token {
    std::vector<std::string> items;  // pitches, degrees or drum names
    int length;                      // ticks
};

int parseLength(const std::string& text)
{
    static const std::map<char, int> base{{'w', 4 * kTicks}, {'h', 2 * kTicks}, {'q', kTicks},
                                          {'e', kTicks / 2}, {'s', kTicks / 4}};
    if (text.empty() || !base.count(text[0]) || text.size() > 2 || (text.size() == 2 && text[1] != '.'))
        fail("bad length '" + text + "'");
    const int ticks = base.at(text[0]);
    return text.size() == 2 ? ticks * 3 / 2 : ticks;
}

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

struct Chord {
    int root;                    // pitch class 0..11
    std::vector<int> intervals;  // root, third, fifth, seventh (if any)
};

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

// --- songs -----------------------------------------------------------------

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

// Cheerful and bright: flute over rolling piano.
const Song kSunny{
    "1.mid", "Sunny Side", 136, 4, false,
    {73, 100, 0.92, 64, ""},
    {0, 62, 0.95, 40, "1:e 3:e 5:e 8:e 5:e 3:e 5:e 8:e"},
    {32, 92, 0.85, 64, "1:q 5:q 8:q 5:q"},
    "kick+hat:e hat snare+hat hat kick+hat kick+hat snare+hat hat",
    "kick+hat:e hat snare+hat hat snare:s snare tomhi tomhi tomlo tomlo floor floor",
    {{'I', {"C G", "r:w r:w"}},
     {'A', {"C Am F G C Am Dm,G C",
            "E5:q G5:q G5:e A5:e G5:q  E5:q C5:q A4:h  A4:q C5:e D5:e F5:q E5:q  D5:h. B4:q "
            "E5:q G5:q C6:q. B5:e  A5:q G5:q E5:h  F5:q A5:q G5:q B4:q  C5:h. r:q"}},
     {'B', {"F G Em Am Dm G C G7",
            "C5:e C5:e A4:q C5:q F5:q  D5:e D5:e B4:q D5:q G5:q  G5:q. F#5:e E5:q B4:q  C5:h A4:h "
            "D5:q F5:q A5:q F5:q  G5:q. F5:e E5:q D5:q  E5:q C5:q G4:q C5:q  D5:h B4:q G4:q"}},
     {'E', {"F,G C", "A4:h B4:h C5:w"}}},
    "IAABAE"};

// A dreamy waltz: oboe over harp, the cello on each downbeat.
const Song kWaltz{
    "2.mid", "Moonlit Waltz", 84, 3, false,
    {68, 92, 0.95, 64, ""},
    {46, 64, 1.0, 44, "1:e 5:e 8:e 3:e 5:e 8:e"},
    {42, 80, 0.95, 76, "1:h. "},
    "", "",
    {{'I', {"Am E", "r:h. r:h."}},
     {'A', {"Am Dm G C F Dm E Am",
            "A4:q C5:q E5:q  F5:h D5:q  B4:q. C5:e D5:q  E5:h.  A5:q G5:q F5:q  F5:q E5:q D5:q "
            "G#4:q B4:q E5:q  A4:h."}},
     {'B', {"C G Am Em F C Dm E",
            "G5:h E5:q  D5:h B4:q  C5:q E5:q A5:q  G5:h.  A5:q. G5:e F5:q  E5:q. D5:e C5:q "
            "D5:q F5:q A5:q  G#4:h B4:q"}},
     {'E', {"E Am", "B4:h G#4:q A4:h."}}},
    "IABAE"};

// Driving rock in E minor: a sawtooth lead and chugging power chords.
const Song kRock{
    "3.mid", "Grizzle Rocks", 160, 4, false,
    {81, 84, 0.9, 64, ""},
    {30, 60, 0.5, 36, "1+5+8:e 1+5+8 1+5+8 1+5+8 1+5+8 1+5+8 1+5+8 1+5+8"},
    {34, 96, 0.6, 64, "1:e 1 1 1 1 1 1 1"},
    "kick+hat:e hat snare+hat hat kick+hat kick+hat snare+hat hat",
    "kick+crash:e hat snare+hat kick snare:s snare snare snare tomhi tomhi floor floor",
    {{'I', {"Em Em", "r:w r:w"}},
     {'A', {"Em C D Em Em C D B",
            "E5:e E5 G5 E5 A5 E5 G5:q  E5:e E5 G5 E5 B5:q A5:q  F#5:q. D5:e A4:q D5:q  E5:h r:h "
            "E5:e E5 G5 E5 A5 E5 G5:q  E5:e E5 G5 E5 C6:q B5:q  A5:q. F#5:e D5:q F#5:q  B4:h D#5:h"}},
     {'B', {"C D G Em C D B B",
            "G5:q. E5:e C5:h  A5:q. F#5:e D5:h  B5:q A5:q G5:q D5:q  E5:w  C6:q B5:q G5:q E5:q "
            "D6:q C6:q A5:q F#5:q  D#5:q F#5:q B5:h  A5:q G5:q F#5:q D#5:q"}},
     {'E', {"C,D Em", "C5:h D5:h E5:w"}}},
    "IAABAE"};

// A swinging blues in F: alto sax, electric piano and a walking bass.
const Song kBlues{
    "4.mid", "Grizzle's Blues", 150, 4, true,
    {65, 96, 0.9, 64, ""},
    {4, 64, 0.9, 40, "c:q. c:e r:q r:e c:e"},
    {32, 92, 0.9, 64, "1:q 3:q 5:q a:q"},
    "ride+kick:q ride+pedal:e ride ride:q ride+pedal:e ride",
    "ride+kick:q ride+pedal:e ride snare:e snare snare:s snare tomhi tomlo",
    {{'I', {"F7 C7", "r:w r:w"}},
     {'A', {"F7 Bb7 F7 F7 Bb7 Bb7 F7 F7 C7 Bb7 F7 C7",
            "C5:e D5 F5 G#5 A5:q F5  Ab5:q. F5:e D5:q Bb4  C5:e D5 F5 Ab5 A5:q C6  Eb6:q. C6:e A5:h "
            "D6:q. Bb5:e Ab5:q F5  D5:e F5 Ab5 Bb5 r:h  A5:q. F5:e C5:q F5  A5:h r:h "
            "G5:q. E5:e C5:q Bb4  Ab5:q. F5:e D5:q Bb4  A4:e C5 F5 A5 Ab5:q F5  G5:h E5:q r"}},
     {'B', {"F7 Bb7 F7 F7 Bb7 Bb7 F7 F7 C7 Bb7 F7 C7",
            "F5:e G5 A5 C6 Eb6 C6 A5:q  D6:q Bb5:e Ab5 F5 D5 Bb4:q  C5:q. F5:e A5:q C6 "
            "Eb6:e D6 C6 A5 Ab5 F5 Eb5:q  D5:e F5 Bb5 D6 F6:h  E6:q D6 Bb5 Ab5 "
            "A5:e C6 A5 F5 C5:q A4  Bb4:q B4 C5:h  E5:e G5 Bb5 C6 E6:q C6 "
            "D6:e C6 Bb5 Ab5 F5:q D5  C5:q F5 A5 C6  Bb5:q. G5:e E5:q C5"}},
     {'E', {"C7 F7", "E5:q G5 Bb5 Db6 F6:w"}}},
    "IABAE"};

// Calypso in G: steel drums, a strummed guitar and hand percussion.
const Song kCalypso{
    "5.mid", "Island Hop", 112, 4, false,
    {114, 80, 0.85, 64, ""},
    {24, 70, 0.9, 44, "c:q. c:q. c:q"},
    {33, 92, 0.8, 64, "1:q. 5:q. 8:q"},
    "kick+shaker+clave:e shaker conga+shaker mute+clave conga+kick+shaker shaker+clave congalo+shaker shaker",
    "kick+shaker+clave:e shaker conga+shaker mute+clave bongo:s bongo conga conga congalo congalo congalo congalo",
    {{'I', {"G D", "r:w r:w"}},
     {'A', {"G C D G Em C D G",
            "B4:e D5 G5 B5:q G5:e D5:q  E5:e G5 C6 E6:q C6:e G5:q  F#5:q. A5:e D6:q C6:q  B5:h G5:h "
            "G5:e B5 E6 B5:q G5:e E5:q  E5:e G5 C6 G5:q E5:e C5:q  D5:q F#5 A5 C6  B5:h. r:q"}},
     {'B', {"C D Bm Em Am D G G",
            "r:e E6:q E6:e D6 C6:q.  r:e F#6:q F#6:e E6 D6:q.  D6:q B5 F#5 B5  G5:h E5:h "
            "r:e C6:q C6:e B5 A5:q.  r:e A5:q A5:e G5 F#5:q.  G5:q B5 D6 B5  G5:h r:h"}},
     {'E', {"D G", "A5:q F#5 D5 F#5 G5:w"}}},
    "IABAE"};

// A western showdown in D minor: trumpet, strings and a galloping bass.
const Song kShowdown{
    "6.mid", "High Noon at the Card Table", 108, 4, false,
    {56, 96, 0.92, 64, ""},
    {48, 34, 1.0, 40, "c:w"},
    {45, 72, 0.5, 80, "1:e 1:s 1 5:e 5:s 5 1:e 1:s 1 5:e 5:s 5"},
    "tomlo+kick:e tomlo:s tomlo rim:e tomlo:s tomlo tomlo+kick:e tomlo:s tomlo rim:e tomlo:s tomlo",
    "tomlo+kick:e tomlo:s tomlo rim:e tomlo:s tomlo tomhi:s tomhi tomlo tomlo floor floor floor floor",
    {{'I', {"Dm Dm", "r:w r:w"}},
     {'A', {"Dm Dm Gm Dm Bb Gm A Dm",
            "D5:q. A4:e D5:q E5:q  F5:h E5:q D5:q  G5:q. Bb5:e A5:q G5:q  A5:w "
            "Bb5:q. A5:e G5:q F5:q  G5:q. F5:e E5:q D5:q  C#5:q E5:q A5:q G5:q  D5:w"}},
     {'B', {"F C Dm A Bb F Gm A",
            "C5:q F5:q A5:q. G5:e  G5:q E5:q C5:h  D5:q F5:q A5:q. D6:e  C#6:w "
            "D6:q. C6:e Bb5:q F5:q  A5:q. G5:e F5:q C5:q  Bb4:q D5:q G5:q Bb5:q  A5:h. C#5:q"}},
     {'E', {"A Dm", "E5:q C#5:q A4:q C#5:q D5:w"}}},
    "IABAE"};

// --- MIDI ------------------------------------------------------------------

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

// --- the fire sound --------------------------------------------------------

// A shot: a sharp crack of white noise, a duller body of filtered noise and
// a low thump falling in pitch, all from a standing start to silence.
std::vector<std::uint8_t> fireWav()
{
    constexpr int rate = 44100;
    constexpr int count = rate * 7 / 10;
    std::vector<double> samples(count);
    unsigned noise = 12345;
    double body = 0;
    double phase = 0;
    double peak = 0;
    for (int i = 0; i < count; ++i) {
        const double t = double(i) / rate;
        noise = noise * 1664525u + 1013904223u;
        const double white = double(noise >> 8) / double(1u << 23) - 1.0;
        body += 0.18 * (white - body);  // one-pole low-pass
        const double frequency = 45.0 + 70.0 * std::exp(-t / 0.05);
        phase += 2.0 * std::numbers::pi * frequency / rate;
        const double attack = std::min(1.0, t / 0.001);
        const double value = attack * (white * std::exp(-t / 0.018) + 2.2 * body * std::exp(-t / 0.11) +
                                       0.8 * std::sin(phase) * std::exp(-t / 0.09));
        samples[i] = value;
        peak = std::max(peak, std::abs(value));
    }

    std::vector<std::uint8_t> out;
    const auto little = [&out](std::uint32_t value, int bytes) {
        for (int i = 0; i < bytes; ++i)
            out.push_back(std::uint8_t(value >> (8 * i)));
    };
    const std::uint32_t dataBytes = count * 2;
    out.insert(out.end(), {'R', 'I', 'F', 'F'});
    little(36 + dataBytes, 4);
    out.insert(out.end(), {'W', 'A', 'V', 'E', 'f', 'm', 't', ' '});
    little(16, 4);
    little(1, 2);         // PCM
    little(1, 2);         // mono
    little(rate, 4);
    little(rate * 2, 4);  // bytes a second
    little(2, 2);         // bytes a frame
    little(16, 2);        // bits a sample
    out.insert(out.end(), {'d', 'a', 't', 'a'});
    little(dataBytes, 4);
    for (double s : samples)
        little(std::uint32_t(std::int16_t(std::lround(s / peak * 0.9 * 32767))), 2);
    return out;
}

void write(const std::string& path, const std::vector<std::uint8_t>& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    if (!out)
        fail("cannot write " + path);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2)
        fail("usage: musicgen OUTDIR");
    const std::string dir = argv[1];
    for (const Song* song : {&kSunny, &kWaltz, &kRock, &kBlues, &kCalypso, &kShowdown})
        write(dir + "/" + song->file, Composer(*song).midi());
    write(dir + "/fire.wav", fireWav());
    return 0;
}
