// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The main of every test program: it runs the test its first argument names.
// A test that starts its program again (to play, or to end as the game ends)
// passes its own arguments only; the copy runs the same test, which the
// environment names for it.

#include "support/testmain.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>

namespace {

// The variable that names the running test for its copies.
constexpr const char* kRunning = "CARDOVIA_TEST";

struct Test {
    std::string file;
    testmain::Main main;
};

// By the class's name.
std::map<std::string, Test>& tests()
{
    static std::map<std::string, Test> all;
    return all;
}

const Test* find(const char* name)
{
    for (const auto& [className, test] : tests())
        if (className == name || test.file == name)
            return &test;
    return nullptr;
}

} // namespace

bool testmain::add(const char* file, const char* className, Main main)
{
    std::string name = file;
    name = name.substr(name.find_last_of('/') + 1);
    tests()[className] = {name.substr(0, name.find('.')), main};
    return true;
}

int main(int argc, char** argv)
{
    if (argc > 1) {
        if (const Test* test = find(argv[1])) {
            setenv(kRunning, test->file.c_str(), 1);
            // the test sees the arguments after its name, as its own program did
            argv[1] = argv[0];
            return test->main(argc - 1, argv + 1);
        }
    }
    const char* running = std::getenv(kRunning);
    if (const Test* test = running ? find(running) : nullptr)
        return test->main(argc, argv);
    if (tests().size() == 1)
        return tests().begin()->second.main(argc, argv);
    std::fprintf(stderr, "usage: %s TEST [QtTest's arguments], where TEST is one of:\n", argv[0]);
    for (const auto& [className, test] : tests())
        std::fprintf(stderr, "  %s (%s)\n", test.file.c_str(), className.c_str());
    return 2;
}
