#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds, and starts Corvane's Cardovia.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
"$root/tools/setup.sh" release
# the game finds its music by relative name, so it starts in its data folder
mkdir -p "$root/build/data"
cd "$root/build/data"
exec "$root/build/cardovia"
