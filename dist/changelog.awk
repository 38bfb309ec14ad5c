# SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Turns NEWS into a Debian changelog: each "VERSION (YYYY-MM-DD)" line starts
# an entry, the indented lines under it ("* ..." and their continuations)
# are its changes, and the day is the entry's date.
#   awk -v package=NAME -v maintainer="NAME <ADDRESS>" -f changelog.awk NEWS

function finish(    command, when) {
    if (version == "")
        return
    command = "date -u -R -d " day
    if ((command | getline when) <= 0) {
        print "NEWS: no such day: " day > "/dev/stderr"
        failed = 1
    }
    close(command)
    printf "\n -- %s  %s\n", maintainer, when
    version = ""
    entries++
}

/^[0-9][^ ]* \([0-9-]+\)$/ {
    finish()
    version = $1
    day = substr($2, 2, length($2) - 2)
    printf "%s%s (%s) unstable; urgency=medium\n\n", entries ? "\n" : "", package, version
    next
}

version != "" && /^  / { print; next }

version != "" && NF {
    print "NEWS, line " NR ": not a change of release " version > "/dev/stderr"
    failed = 1
}

END {
    finish()
    if (!entries) {
        print "NEWS holds no release" > "/dev/stderr"
        failed = 1
    }
    exit failed
}
