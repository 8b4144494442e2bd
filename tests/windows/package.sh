#!/bin/bash
# The Windows package as a user receives it, under Wine on an X server of its own:
#   package.sh <build directory> <version> <main window title>
# CPack makes the zip and the installer; the installer runs silently in a fresh Wine prefix and
# installs what the zip holds, a Start menu entry and an Apps & features entry; the installed
# program opens its main window on Qt's Windows platform, 勝率 computes numbers typed by the
# keyboard and 終了 ends the program with exit code 0; the silent uninstaller removes every file
# the installer added. Every Wine step has a time limit, and every Wine process of the prefix is
# ended whatever happens. SEKIVO_SCREENSHOTS=<dir> keeps screenshots of the main window and 勝率.
set -euo pipefail
build=$1 version=$2 title=$3

fail() {
    echo "package.sh: $*" >&2
    exit 1
}
for tool in cpack Xvfb wine wineboot wineserver xdotool xclip; do
    command -v "$tool" >/dev/null || fail "$tool is missing (tools/deps.sh --windows)"
done

work=$(mktemp -d)
export WINEPREFIX=$work/prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
unset QT_QPA_PLATFORM WINEPATH
xvfb=""
cleanup() {
    timeout 30 wineserver -k 2>/dev/null || true
    [ -z "$xvfb" ] || { kill "$xvfb" && wait "$xvfb"; } 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 1' INT TERM

timeout 300 cpack -G "ZIP;NSIS" --config "$build/CPackConfig.cmake" -B "$work/packages" \
    >"$work/cpack.log" 2>&1 || { cat "$work/cpack.log"; fail "cpack failed"; }
zip=$work/packages/sekivo-$version-win64.zip
setup=$work/packages/sekivo-$version-win64-setup.exe
[ -f "$zip" ] && [ -f "$setup" ] || fail "no $(basename "$zip") and $(basename "$setup")"

# Qt's Windows platform draws through Wine's X11 driver.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
xvfb=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break || sleep 0.1; done
export DISPLAY=:$(cat "$work/display")

files() { (cd "$WINEPREFIX/drive_c" && find . -type f | sort); }
apps_entry='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Sekivo'
timeout 180 wineboot --init && timeout 60 wineserver -w || fail "no Wine prefix"
# Windows has Tahoma, the face of its dialog font "MS Shell Dlg". Debian's Wine does not load its
# own copy (fonts-wine) from where that package puts it, and Qt then draws Latin text, digits
# included, in whatever face it meets first; in the prefix's font folder it is found.
cp /usr/share/wine/fonts/tahoma.ttf /usr/share/wine/fonts/tahomabd.ttf "$WINEPREFIX/drive_c/windows/Fonts/" ||
    fail "no Tahoma (fonts-wine)"
files >"$work/before"
timeout 180 wine "$setup" /S && timeout 60 wineserver -w || fail "the silent install failed"
files | comm -13 "$work/before" - >"$work/added"

app_dir="./Program Files/Sekivo/"
diff <(grep -F "$app_dir" "$work/added" | sed "s|^$app_dir||") \
    <({ cmake -E tar tf "$zip" | sed -n 's|^[^/]*/\(.*[^/]\)$|\1|p'; echo Uninstall.exe; } | sort) ||
    fail "the installed program folder differs from the zip (plus Uninstall.exe)"
grep -q "/Start Menu/Programs/Sekivo/Sekivo.lnk$" "$work/added" || fail "no Start menu entry Sekivo"
entry=$(timeout 60 wine reg query "$apps_entry" | tr -d '\r') || fail "no Apps & features entry"
for value in "DisplayVersion.*$version" "Publisher.*Sekivo developers" 'DisplayIcon.*\\sekivo.exe'; do
    grep -q "$value" <<<"$entry" || fail "Apps & features entry lacks $value: $entry"
done

shot() { [ -z "${SEKIVO_SCREENSHOTS:-}" ] || import -window root "$SEKIVO_SCREENSHOTS/$1.png"; }
# Without a window manager the keyboard follows the pointer: it is put on the window to type to.
window() {
    local id
    id=$(timeout 30 xdotool search --sync --onlyvisible --name "^$1\$" | head -n 1) ||
        fail "no window \"$1\""
    xdotool mousemove --window "$id" 5 5
}
wine "$WINEPREFIX/drive_c/$app_dir/sekivo.exe" &
app=$!
window "$title"
shot mainwindow
# The focus starts on 勝率, the first launch button; 終了 comes before it in the tab order.
# 7 wins and 5 losses make 7/12 = 0.583.
xdotool key space
window "チーム＞勝率"
xdotool key 7 Tab 5 Tab space Tab ctrl+c
shot twp
result=$(timeout 10 xclip -o -selection clipboard) || fail "nothing copied from the result"
[ "$result" = "0.583" ] || fail "勝率 of 7 wins and 5 losses shows \"$result\", expected 0.583"
xdotool key Escape
window "$title"
xdotool key shift+Tab space
for _ in $(seq 300); do kill -0 "$app" 2>/dev/null && sleep 0.1 || break; done
kill -0 "$app" 2>/dev/null && fail "終了 did not end the program"
wait "$app" || fail "the program ended with exit code $?"

timeout 120 wine "$WINEPREFIX/drive_c/$app_dir/Uninstall.exe" /S && timeout 60 wineserver -w ||
    fail "the silent uninstall failed"
left=$(files | comm -12 "$work/added" -)
[ -z "$left" ] || fail "the uninstaller left: $left"
timeout 60 wine reg query "$apps_entry" >/dev/null 2>&1 && fail "the uninstaller left the Apps & features entry"
echo "package.sh: $(basename "$setup") installs, runs, computes, quits and uninstalls"
