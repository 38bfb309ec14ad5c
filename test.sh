#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds with the sanitizers, and runs every test;
# the platform layer's tests run with ThreadSanitizer too, for the audio
# worker, the one part that runs on two threads (tests/tsan/).
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
"$root/tools/setup.sh" test
# Twice as many cases as cores: some wait on the clock (the SDL players play
# their music in real time), and the others use the cores meanwhile.
ctest --test-dir "$root/build-test" --output-on-failure -j "$(($(nproc) * 2))"
