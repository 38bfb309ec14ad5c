// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Composes the collection's music and its one sound effect:
//   musicgen OUTDIR   writes OUTDIR/1.mid .. 6.mid and OUTDIR/fire.wav
// The songs are data in music/songs.cpp, written in the note language of
// music/notes.h; music/composer.cpp turns them into MIDI.

#include "music/composer.h"
#include "music/fire.h"
#include "music/notes.h"
#include "music/songs.h"

#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

namespace {

void write(const std::string& path, const std::vector<std::uint8_t>& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    if (!out)
        music::fail("cannot write " + path);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2)
        music::fail("usage: musicgen OUTDIR");
    const std::string dir = argv[1];
    for (const music::Song* song : music::songs())
        write(dir + "/" + song->file, music::midiFile(*song));
    write(dir + "/fire.wav", music::fireWav());
    return 0;
}
