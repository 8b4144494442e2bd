#!/bin/sh
# Prints, as deb822 stanzas, the deb-src entries that match this machine's own apt sources, so
# that a source package comes from the very archive (mirror, proxy, snapshot, local cache) its
# binary packages came from:
#   tools/apt-sources.sh [ROOT]     reads ROOT/etc/apt (default: /etc/apt) and ROOT/etc/os-release
# Read: /etc/apt/sources.list and sources.list.d/*.list (one-line format), sources.list.d/*.sources
# (deb822); files with any other suffix are disabled, as apt has them. Each `deb` or `deb-src`
# entry becomes a `deb-src` entry with its URIs, suites, components, Signed-By and the other
# options that decide whether apt trusts and accepts the archive (Trusted, Check-Valid-Until for a
# snapshot, ...). Left out, because they would make the `apt-get update` before `apt-get source`
# fail or cannot hold the host's source:
# - entries switched off (`Enabled: no`) or commented out;
# - suites of another release than the host's (suite = its codename or codename-*, as in
#   bookworm-updates and bookworm-security): third-party repositories (a vendor's `nodistro`,
#   say) carry no Debian source, and their hosts are often unreachable from a build network;
# - cdrom: entries, which need the disc in the drive;
# - Architectures, Languages and Targets, which concern binary packages only.
# Exits 1, naming the files it read, when nothing usable is left. The files are parsed by
# apt-sources.awk, beside this script.
set -eu

root=${1-}
codename=$(sed -n 's/^VERSION_CODENAME=["'\'']*\([^"'\'']*\).*/\1/p' \
    "$root/etc/os-release" "$root/usr/lib/os-release" 2>/dev/null | head -n 1)

set --
[ -f "$root/etc/apt/sources.list" ] && set -- "$root/etc/apt/sources.list"
for f in "$root"/etc/apt/sources.list.d/*.list "$root"/etc/apt/sources.list.d/*.sources; do
    [ -f "$f" ] && set -- "$@" "$f"
done

if [ $# -gt 0 ]; then
    out=$(awk -v codename="$codename" -f "$(dirname "$0")/apt-sources.awk" "$@")
else
    out=
fi

if [ -z "$out" ]; then
    echo "apt-sources.sh: no enabled deb or deb-src entry of Debian ${codename:-(release unknown)} in:" \
        "${*:-no apt source file under ${root:-}/etc/apt}" >&2
    exit 1
fi
printf '%s\n' "$out"
