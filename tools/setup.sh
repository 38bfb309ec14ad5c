#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages the collection needs, then configures and
# builds it.  Safe to run again: it installs only what is missing.
#   tools/setup.sh [release|test] [STEP...]   (default: release, every step)
# The steps, in order: packages, configure, build.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
kind="${1:-release}"
steps=("${@:2}")
((${#steps[@]})) || steps=(packages configure build)
step() { [[ " ${steps[*]} " == *" $1 "* ]]; }

packages=(
    # build
    g++ cmake ninja-build pkg-config qt6-base-dev libsdl2-mixer-dev libfluidsynth-dev libasound2-dev libxcb1-dev
    # the translations: Qt's LinguistTools (lupdate, lrelease) and Qt's own
    # catalogues, for the buttons of its dialogs
    qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
    # run: Qt's Wayland plugin (X11's comes with Qt), MIDI synthesis and its
    # General MIDI soundfont
    qt6-wayland libfluidsynth3 timgm6mb-soundfont
    # a display for machines without one, used by tests and screenshots, and
    # a Wayland desktop without a screen for the Wayland test
    xvfb xauth weston
    # what a screen reader gets (tools/screenreader.sh): the AT-SPI bus in a
    # D-Bus session of its own, read from Python
    at-spi2-core dbus-daemon gir1.2-atspi-2.0 python3-gi
    # what the Orca screen reader says (tools/orca.sh): Orca, its speech
    # server, a small window manager and keys sent as a player's are
    orca speech-dispatcher python3-pyatspi openbox xdotool
    # fonts that stand in for the faces the screens were designed with
    fonts-liberation2 fonts-dejavu-core fonts-leckerli-one fonts-cabinsketch fonts-lobster
    # the install's checks: the launcher, the metainfo and the manual page;
    # every file's licence
    desktop-file-utils appstream groff-base reuse
    # the Debian package: cpack -G DEB finds the libraries with dpkg-shlibdeps,
    # and the hardening flags with dpkg-buildflags; lintian checks it
    dpkg-dev lintian
    # a linker that links the tests' programs in a fraction of the time
    mold
)

case "$kind" in
    release) build="$root/build"; cmake_args=(-DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF) ;;
    # with the platform's tests once more with ThreadSanitizer (tests/tsan/),
    # each folder's files compiled together (a unity build) to build in half
    # the time; the player's build compiles each file on its own
    test)    build="$root/build-test"; cmake_args=(-DCMAKE_BUILD_TYPE=Debug -DCARDOVIA_SANITIZE=ON -DCMAKE_UNITY_BUILD=ON) ;;
    *) echo "setup: unknown build kind '$kind' (release or test)" >&2; exit 2 ;;
esac

missing=()
if step packages; then
    # one query for them all (dpkg-query names only those it knows)
    installed=" $(dpkg-query -W -f='${db:Status-Status} ${Package}\n' "${packages[@]}" 2>/dev/null |
                  sed -n 's/^installed //p' | tr '\n' ' ') "
    for p in "${packages[@]}"; do
        [[ $installed == *" $p "* ]] || missing+=("$p")
    done
fi

if ((${#missing[@]})); then
    echo "setup: installing ${missing[*]}"
    sudo=""
    if [[ $(id -u) -ne 0 ]]; then sudo="sudo"; fi
    # wait for another apt or dpkg run instead of failing on its lock
    apt_opts=(-o DPkg::Lock::Timeout=600 -o Acquire::Retries=3)
    $sudo apt-get "${apt_opts[@]}" update -q
    DEBIAN_FRONTEND=noninteractive $sudo apt-get "${apt_opts[@]}" install -y -q --no-install-recommends "${missing[@]}"
fi

if step configure; then
    # Ninja, which starts the next compile sooner than make; a folder made
    # for another build tool is made afresh
    if [[ -f $build/CMakeCache.txt ]] && ! grep -qx 'CMAKE_GENERATOR:INTERNAL=Ninja' "$build/CMakeCache.txt"; then
        echo "setup: $build was made for another build tool; making it afresh"
        rm -rf "$build"
    fi
    cmake -S "$root" -B "$build" -G Ninja "${cmake_args[@]}" >/dev/null
fi
if step build; then
    cmake --build "$build" -j "$(nproc)"
fi
