#!/bin/sh
# tools/apt-sources.sh on a scratch machine: a deb822 file with two entries (comments, a key
# written out in Signed-By, lists continued over lines, a snapshot's option, binary-only fields,
# a vendor's suite among Debian's), a one-line .list (options, a comment, cdrom: and another
# release), a disabled file; then a machine with no usable entry. No network.
set -eu
script=$1
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
mkdir -p "$root/etc/apt/sources.list.d"
echo 'VERSION_CODENAME=bookworm' >"$root/etc/os-release"
cat >"$root/etc/apt/sources.list.d/debian.sources" <<'SRC'
Types: deb
# the mirror of the site
URIs: http://mirror.example/os
Suites: bookworm
  vendor-stable bookworm-updates
Components:
 main contrib non-free-firmware
Architectures: amd64
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg

Types: deb deb-src
URIs: http://snapshot.example/archive/20250520T000000Z
Suites: bookworm-security
Components: main
Check-Valid-Until: no
Signed-By:
 -----BEGIN PGP PUBLIC KEY BLOCK-----
 .
 mQINBGPL0BUBEADmW5NdOOHwPIJlgPu6JDcKw
 -----END PGP PUBLIC KEY BLOCK-----
SRC
cat >"$root/etc/apt/sources.list.d/local.list" <<'SRC'
# deb file:/srv/old bullseye main
deb [ arch=amd64 trusted=yes ] file:/srv/cache/os bookworm main # the offline cache
deb cdrom:[Debian 12]/ bookworm main
deb http://mirror.example/os trixie main
SRC
printf 'Types: deb\nURIs: http://vendor.example/apt\nSuites: bookworm\nComponents: main\n' \
    >"$root/etc/apt/sources.list.d/vendor.sources.disabled"

expected='Types: deb-src
URIs: file:/srv/cache/os
Suites: bookworm
Components: main
trusted: yes

Types: deb-src
URIs: http://mirror.example/os
Suites: bookworm bookworm-updates
Components: main contrib non-free-firmware
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg

Types: deb-src
URIs: http://snapshot.example/archive/20250520T000000Z
Suites: bookworm-security
Components: main
Check-Valid-Until: no
Signed-By:
 -----BEGIN PGP PUBLIC KEY BLOCK-----
 .
 mQINBGPL0BUBEADmW5NdOOHwPIJlgPu6JDcKw
 -----END PGP PUBLIC KEY BLOCK-----'
actual=$(sh "$script" "$root")
if [ "$actual" != "$expected" ]; then
    printf 'expected:\n%s\n\nactual:\n%s\n' "$expected" "$actual" >&2
    exit 1
fi

rm "$root"/etc/apt/sources.list.d/*.sources "$root"/etc/apt/sources.list.d/local.list
echo 'deb http://vendor.example/apt nodistro main' >"$root/etc/apt/sources.list"
if message=$(sh "$script" "$root" 2>&1); then
    echo "no usable entry, yet apt-sources.sh succeeded: $message" >&2
    exit 1
fi
case $message in
*"$root/etc/apt/sources.list"*) ;;
*)
    echo "the message does not name the file it read: $message" >&2
    exit 1
    ;;
esac
