#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds with the sanitizers, and runs every test;
# then the platform layer's tests again under ThreadSanitizer, for the audio
# worker, the one part that runs on two threads.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
"$root/tools/setup.sh" test
ctest --test-dir "$root/build-test" --output-on-failure -j "$(nproc)"

"$root/tools/setup.sh" tsan
# ThreadSanitizer needs the address layout it was made for, which a kernel
# with more address randomisation does not give; it is turned off for it.
norandom=()
if setarch "$(uname -m)" -R true 2>/dev/null; then
    norandom=(setarch "$(uname -m)" -R)
fi
"${norandom[@]}" ctest --test-dir "$root/build-tsan" -L platform --output-on-failure -j "$(nproc)"
