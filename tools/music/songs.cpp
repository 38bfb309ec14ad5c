// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "songs.h"

namespace music {

namespace {

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

} // namespace

const std::vector<const Song*>& songs()
{
    static const std::vector<const Song*> all{&kSunny, &kWaltz, &kRock, &kBlues, &kCalypso, &kShowdown};
    return all;
}

} // namespace music
