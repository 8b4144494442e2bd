#!/bin/sh
# Builds the Debian package, installs it with apt as a user would, and starts the installed program
# on Qt's offscreen platform to see that it comes up. Run as root on Debian 12.
# Usage: tools/try-deb.sh [--remove] [build directory]     (default build directory: build-deb)
#   --remove   uninstalls the package again at the end
set -eu
cd "$(dirname "$0")/.."
remove=false
if [ "${1:-}" = "--remove" ]; then remove=true; shift; fi
build=${1:-build-deb}

tools/deps.sh
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF
cmake --build "$build"
rm -f "$build"/sekivo_*.deb
(cd "$build" && cpack -G DEB)
set -- "$PWD/$build"/sekivo_*.deb
deb=$1
dpkg-deb --field "$deb" Package Version Depends Recommends

export DEBIAN_FRONTEND=noninteractive
apt-get install -y "$deb"

fail() { echo "try-deb.sh: $*" >&2; exit 1; }
[ "$(command -v sekivo)" = /usr/bin/sekivo ] || fail "sekivo is not on PATH as /usr/bin/sekivo"
desktop=$(dpkg -L sekivo | grep '^/usr/share/applications/.*\.desktop$') || fail "no launcher"
app_id=$(basename "$desktop" .desktop)
desktop-file-validate "$desktop"
[ -f "/usr/share/metainfo/$app_id.metainfo.xml" ] || fail "no AppStream data for $app_id"
[ -f "/usr/share/icons/hicolor/48x48/apps/$app_id.png" ] || fail "no 48 px icon"

# Up means: still running after a few seconds, with nothing on stderr about missing plugins or
# libraries (a failed start exits at once).
log=$(mktemp)
XDG_RUNTIME_DIR=$(mktemp -d) QT_QPA_PLATFORM=offscreen sekivo >"$log" 2>&1 &
pid=$!
sleep 3
if kill -0 "$pid" 2>/dev/null; then
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    status=up
else
    wait "$pid" && code=0 || code=$?
    status="exited with $code"
fi
if [ -s "$log" ]; then echo "sekivo said:"; cat "$log"; fi
rm -f "$log"
[ "$status" = up ] || fail "the installed sekivo did not stay up: it $status"
echo "try-deb.sh: $(basename "$deb") installed and /usr/bin/sekivo came up"

if $remove; then apt-get remove -y sekivo; fi
